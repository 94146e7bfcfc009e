// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Gemeinschaftsdaten.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Gemeinschaftsdaten;

// The command line's "gemeinschaft" commands as a script calls them: exit codes, text, JSON.
class TestGemeinschaftsbefehle : public QObject
{
    Q_OBJECT

    QTemporaryDir m_ordner;
    QString m_datei;
    QString m_daten;

    struct Lauf
    {
        int code = -1;
        QByteArray aus;
        QString fehler;
    };
    Lauf cli(QStringList argumente, bool json = false)
    {
        QProcess p;
        argumente.prepend(m_datei);
        argumente.prepend(QStringLiteral("gemeinschaft"));
        argumente << QStringLiteral("--daten") << m_daten;
        if (json)
            argumente << QStringLiteral("--json");
        p.start(QStringLiteral(QUINTARO_CLI), argumente);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QJsonObject jsonVon(const Lauf &l)
    {
        QJsonParseError fehler;
        const QJsonDocument d = QJsonDocument::fromJson(l.aus, &fehler);
        return d.object();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_ordner.isValid());
        m_daten = m_ordner.filePath(QStringLiteral("daten"));
        QDir().mkpath(m_daten);
        QVERIFY(schreibeDatei(m_daten + QStringLiteral("/GReihen.qtgz"), historienBytes(historie(10))));
        QVERIFY(schreibeDatei(m_ordner.filePath(QStringLiteral("Woche.qtt")), zweiReihen()));
        m_datei = m_ordner.filePath(QStringLiteral("Verein.qtgem"));
        QCOMPARE(cli({QStringLiteral("anlegen"), QStringLiteral("--name"), QStringLiteral("Kegelclub")}).code, 0);
        for (const QStringList &a : {QStringList{QStringLiteral("mitglied"), QStringLiteral("hinzufuegen"), QStringLiteral("Anna"),
                                                 QStringLiteral("--anteile"), QStringLiteral("2"), QStringLiteral("--ab"),
                                                 QStringLiteral("2024-01-01"), QStringLiteral("--email"), QStringLiteral("anna@example.org")},
                                     QStringList{QStringLiteral("mitglied"), QStringLiteral("hinzufuegen"), QStringLiteral("Bert"),
                                                 QStringLiteral("--anteile"), QStringLiteral("1"), QStringLiteral("--ab"),
                                                 QStringLiteral("01.01.2024")},
                                     QStringList{QStringLiteral("schein"), QStringLiteral("hinzufuegen"),
                                                 m_ordner.filePath(QStringLiteral("Woche.qtt")), QStringLiteral("--ab"),
                                                 QStringLiteral("2024-01-01")}}) {
            const Lauf l = cli(a, true);
            QCOMPARE(l.code, 0);
            QCOMPARE(jsonVon(l), (QJsonObject{{QStringLiteral("eintraege"), QJsonArray()}}));
        }
    }

    void buchen()
    {
        Lauf l = cli({QStringLiteral("einzahlung"), QStringLiteral("Anna"), QStringLiteral("12,50"), QStringLiteral("--datum"),
                      QStringLiteral("2024-01-02")},
                     true);
        QCOMPARE(l.code, 0);
        const QJsonArray eintraege = jsonVon(l)[QStringLiteral("eintraege")].toArray();
        QCOMPARE(eintraege.size(), 1);
        const QJsonObject e = eintraege[0].toObject();
        QCOMPARE(e[QStringLiteral("art")].toString(), QStringLiteral("Einzahlung"));
        QCOMPARE(e[QStringLiteral("mitglied")].toString(), QStringLiteral("Anna"));
        QCOMPARE(e[QStringLiteral("betragCent")].toInteger(), 1250);
        QCOMPARE(e[QStringLiteral("datum")].toString(), QStringLiteral("2024-01-02"));
        QVERIFY(e[QStringLiteral("storniert")].isNull());
        QCOMPARE(e[QStringLiteral("teile")].toArray().size(), 0);

        // A split cost: its parts add up, the member field is null.
        l = cli({QStringLiteral("ausgabe"), QStringLiteral("1.01"), QStringLiteral("Porto"), QStringLiteral("--datum"),
                 QStringLiteral("2024-01-03")},
                true);
        QCOMPARE(l.code, 0);
        const QJsonObject a = jsonVon(l)[QStringLiteral("eintraege")].toArray()[0].toObject();
        QVERIFY(a[QStringLiteral("mitglied")].isNull());
        QCOMPARE(a[QStringLiteral("text")].toString(), QStringLiteral("Porto"));
        QJsonArray teile = a[QStringLiteral("teile")].toArray();
        QCOMPARE(teile.size(), 2);
        QCOMPARE(teile[0].toObject()[QStringLiteral("betragCent")].toInteger() +
                     teile[1].toObject()[QStringLiteral("betragCent")].toInteger(),
                 101);

        // Cancelled: the counter-entry names it and carries its parts.
        const qint64 nr = a[QStringLiteral("nr")].toInteger();
        l = cli({QStringLiteral("storno"), QString::number(nr)}, true);
        QCOMPARE(l.code, 0);
        const QJsonObject s = jsonVon(l)[QStringLiteral("eintraege")].toArray()[0].toObject();
        QCOMPARE(s[QStringLiteral("art")].toString(), QStringLiteral("Storno"));
        QCOMPARE(s[QStringLiteral("storniert")].toInteger(), nr);
        QCOMPARE(s[QStringLiteral("teile")].toArray(), teile);
        QCOMPARE(cli({QStringLiteral("storno"), QString::number(nr)}).code, 1);
    }

    void abrechnenUndKonten()
    {
        Lauf l = cli({QStringLiteral("abrechnen"), QStringLiteral("--bis"), QStringLiteral("2024-03-23"),
                      QStringLiteral("--vorschau")},
                     true);
        QCOMPARE(l.code, 0);
        QJsonObject o = jsonVon(l);
        QCOMPARE(o[QStringLiteral("eintraege")].toArray().size(), 0);
        QCOMPARE(o[QStringLiteral("vorschau")].toArray().size(), 12);
        QCOMPARE(o[QStringLiteral("nichtGezogen")].toArray(),
                 (QJsonArray{QStringLiteral("2024-03-16"), QStringLiteral("2024-03-23")}));

        l = cli({QStringLiteral("abrechnen"), QStringLiteral("--bis"), QStringLiteral("2024-03-23")}, true);
        QCOMPARE(l.code, 0);
        QCOMPARE(jsonVon(l)[QStringLiteral("eintraege")].toArray().size(), 12);
        l = cli({QStringLiteral("abrechnen"), QStringLiteral("--bis"), QStringLiteral("2024-03-23")}, true);
        QCOMPARE(jsonVon(l)[QStringLiteral("eintraege")].toArray().size(), 0);

        l = cli({QStringLiteral("konten")}, true);
        QCOMPARE(l.code, 0);
        o = jsonVon(l);
        const QJsonArray mitglieder = o[QStringLiteral("mitglieder")].toArray();
        QCOMPARE(mitglieder.size(), 2);
        qint64 kasse = 0;
        for (const QJsonValue &m : mitglieder) {
            const QJsonObject k = m.toObject();
            const qint64 saldo = k[QStringLiteral("eingezahltCent")].toInteger() - k[QStringLiteral("einsatzCent")].toInteger() -
                                 k[QStringLiteral("ausgabenCent")].toInteger() + k[QStringLiteral("gewinnCent")].toInteger() -
                                 k[QStringLiteral("ausgezahltCent")].toInteger();
            QCOMPARE(k[QStringLiteral("saldoCent")].toInteger(), saldo);
            kasse += saldo;
        }
        QCOMPARE(o[QStringLiteral("kasseCent")].toInteger(), kasse);
        QCOMPARE(o[QStringLiteral("abgerechnetBis")].toString(), QStringLiteral("2024-03-09"));
        // 10 stakes of 4,00 €, wins of 40,00 € and 6,00 €, Anna's 12,50 € paid in.
        QCOMPARE(kasse, 1250 - 4000 + 4600);
        QCOMPARE(mitglieder[0].toObject()[QStringLiteral("einsatzCent")].toInteger(), 10 * 267);

        l = cli({QStringLiteral("kasse"), QStringLiteral("--mitglied"), QStringLiteral("Bert")}, true);
        QCOMPARE(l.code, 0);
        for (const QJsonValue &v : jsonVon(l)[QStringLiteral("eintraege")].toArray())
            QVERIFY(v.toObject()[QStringLiteral("art")].toString() != QStringLiteral("Einzahlung"));

        l = cli({QStringLiteral("konten")});
        QVERIFY(l.aus.contains("Abgerechnet bis: 09.03.2024"));
    }

    void fehler_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("code");
        QTest::newRow("amount with three decimals") << QStringList{QStringLiteral("einzahlung"), QStringLiteral("Anna"), QStringLiteral("1,005")} << 2;
        QTest::newRow("amount with thousands point") << QStringList{QStringLiteral("einzahlung"), QStringLiteral("Anna"), QStringLiteral("1.000,00")} << 2;
        QTest::newRow("amount zero") << QStringList{QStringLiteral("auszahlung"), QStringLiteral("Anna"), QStringLiteral("0")} << 2;
        QTest::newRow("wrong date") << QStringList{QStringLiteral("einzahlung"), QStringLiteral("Anna"), QStringLiteral("5"), QStringLiteral("--datum"), QStringLiteral("31.02.2024")} << 2;
        QTest::newRow("shares not a number") << QStringList{QStringLiteral("mitglied"), QStringLiteral("anteile"), QStringLiteral("Anna"), QStringLiteral("zwei"), QStringLiteral("--ab"), QStringLiteral("2025-01-01")} << 2;
        QTest::newRow("leaving without date") << QStringList{QStringLiteral("mitglied"), QStringLiteral("austritt"), QStringLiteral("Anna")} << 2;
        QTest::newRow("option of another command") << QStringList{QStringLiteral("konten"), QStringLiteral("--datum"), QStringLiteral("2024-01-01")} << 2;
        QTest::newRow("unknown command") << QStringList{QStringLiteral("loeschen")} << 2;
        QTest::newRow("entry number not a number") << QStringList{QStringLiteral("storno"), QStringLiteral("eins")} << 2;
        QTest::newRow("unknown member") << QStringList{QStringLiteral("einzahlung"), QStringLiteral("Dora"), QStringLiteral("5")} << 1;
        QTest::newRow("unknown entry") << QStringList{QStringLiteral("storno"), QStringLiteral("9999")} << 1;
        QTest::newRow("unknown ticket") << QStringList{QStringLiteral("schein"), QStringLiteral("entfernen"), QStringLiteral("Monat.qtt"), QStringLiteral("--ab"), QStringLiteral("2030-01-01")} << 1;
        QTest::newRow("unknown member in ledger") << QStringList{QStringLiteral("kasse"), QStringLiteral("--mitglied"), QStringLiteral("Dora")} << 1;
        QTest::newRow("create onto existing file") << QStringList{QStringLiteral("anlegen")} << 1;
    }
    void fehler()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, code);
        const QByteArray vorher = leseDatei(m_datei);
        const Lauf l = cli(argumente, true);
        QCOMPARE(l.code, code);
        QVERIFY(l.aus.isEmpty());
        QVERIFY(l.fehler.startsWith(QStringLiteral("quintaro-analyser-cli: ")));
        QCOMPARE(leseDatei(m_datei), vorher);
    }

    // No syndicate is made in place of one of the program's own files, nor of a file that is no syndicate.
    void eigeneUndFremdeDateien()
    {
        const QString einstellungen = m_daten + QStringLiteral("/Einstellungen.ini");
        QVERIFY(schreibeDatei(einstellungen, "[Abrechnung]\nPreis=2,00\n"));
        const QString alt = m_datei;
        m_datei = einstellungen;
        Lauf l = cli({QStringLiteral("anlegen")});
        QCOMPARE(l.code, 1);
        QCOMPARE(leseDatei(einstellungen), QByteArray("[Abrechnung]\nPreis=2,00\n"));
        l = cli({QStringLiteral("konten")});
        QCOMPARE(l.code, 1);
        QVERIFY(l.fehler.contains(QStringLiteral("keine Tippgemeinschaft")));
        m_datei = alt;
    }
};

QTEST_GUILESS_MAIN(TestGemeinschaftsbefehle)
#include "tst_gemeinschaftsbefehle.moc"
