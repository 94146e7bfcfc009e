// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"

#include "model/Datum.h"
#include "model/Spiel.h"
#include "strategy/Strategietest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

struct Strategielauf
{
    int code = -1;
    QString ausgabe;
    QString fehler;
    QJsonObject json() const { return QJsonDocument::fromJson(ausgabe.toUtf8()).object(); }
};

} // namespace

// The command "strategie" of the built command line against the core it is made of.
class TestStrategiebefehl : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QVector<TGewZahlen> m_historie;
    QString daten() const { return m_tmp.filePath(QStringLiteral("data/Quintaro Analyser/")); }
    QString schein() const { return m_tmp.filePath(QStringLiteral("schein.qtt")); }

    Strategielauf cli(const QStringList &argumente) const
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_tmp.filePath(QStringLiteral("data")));
        umgebung.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        umgebung.remove(QStringLiteral("LC_ALL"));
        QProcess p;
        p.setProcessEnvironment(umgebung);
        p.start(QStringLiteral(QUINTARO_CLI), QStringList{QStringLiteral("strategie")} + argumente);
        Strategielauf l;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return l;
        }
        l.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        l.ausgabe = QString::fromUtf8(p.readAllStandardOutput());
        l.fehler = QString::fromUtf8(p.readAllStandardError());
        return l;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(daten()));
        // 160 weekly draws from 2 January 2023 and a ticket of four rows with the shares 1 of 3.
        std::mt19937 zufall(8);
        QByteArray datei;
        for (int i = 0; i < 160; ++i) {
            TGewZahlen z;
            z.datum = Datum::ausDatum(QDate(2023, 1, 2).addDays(7 * i));
            std::array<int, 49> alle{};
            std::iota(alle.begin(), alle.end(), 1);
            std::shuffle(alle.begin(), alle.end(), zufall);
            for (std::size_t k = 0; k < 5; ++k)
                z.GZ[k] = static_cast<std::uint8_t>(alle[k]);
            z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
            m_historie << z;
            datei += z.alsBytes();
        }
        QVERIFY(schreibe(daten() + Dateinamen::Gewinnreihen, datei));
        QVERIFY(schreibe(daten() + Dateinamen::Einstellungen, "[Abrechnung]\nPreis=1,50\n"));
        QByteArray s;
        for (const std::array<std::uint8_t, 6> &r : {std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 1},
                                                     {10, 20, 30, 40, 49, 2},
                                                     {7, 14, 21, 28, 35, 3},
                                                     {8, 16, 24, 32, 48, 4}}) {
            TNormalSchein n;
            n.WZ = r;
            n.AntGes = 3;
            n.Antmeine = 1;
            s += n.alsBytes();
        }
        QVERIFY(schreibe(schein(), s));
    }

    void jsonWieDerKern()
    {
        const QStringList argumente{QStringLiteral("--von"), QStringLiteral("2023-06-01"), QStringLiteral("--schein"),
                                    schein(), QStringLiteral("--name"), QStringLiteral("Mein Schein"),
                                    QStringLiteral("--system"), QStringLiteral("3,9,17,22,30,41,44"),
                                    QStringLiteral("--garantie"), QStringLiteral("3:4"), QStringLiteral("--zz"),
                                    QStringLiteral("5"), QStringLiteral("--regel"), QStringLiteral("seltenste"),
                                    QStringLiteral("--anzahl"), QStringLiteral("8"), QStringLiteral("--fenster"),
                                    QStringLiteral("alle"), QStringLiteral("--zufall"), QStringLiteral("4"),
                                    QStringLiteral("--killer"), QStringLiteral("1,2,3"), QStringLiteral("--verlaeufe"),
                                    QStringLiteral("300"), QStringLiteral("--startwert"), QStringLiteral("77"),
                                    QStringLiteral("--json"), QStringLiteral("--verlauf")};
        const Strategielauf lauf = cli(argumente);
        QCOMPARE(lauf.code, 0);
        QVERIFY(lauf.fehler.isEmpty());
        const QJsonObject j = lauf.json();

        Testauftrag a;
        a.ziehungen = m_historie;
        a.von = 22; // 5 June 2023, the first draw on or after 1 June
        a.bis = 159;
        a.reihenpreis = 1.5F;
        a.startwert = 77;
        a.verlaeufe = 300;
        Strategie s1;
        s1.datei = schein();
        QVERIFY(ScheinLaden(s1).isEmpty());
        s1.name = QStringLiteral("Mein Schein");
        Strategie s2;
        s2.art = Strategieart::System;
        s2.zahlen = {3, 9, 17, 22, 30, 41, 44};
        s2.garantie = Garantie{3, 4};
        s2.festeZusatzzahl = 5;
        Strategie s3;
        s3.art = Strategieart::Regel;
        s3.rangfolge = Rangfolge::Seltenste;
        s3.anzahl = 8;
        s3.fenster = 0;
        Strategie s4;
        s4.art = Strategieart::Zufall;
        s4.vorgaben.ZufReihenAnz = 4;
        for (std::uint8_t n : {1, 2, 3})
            s4.vorgaben.KillGewaehlt.hinzu(n);
        a.strategien = {s1, s2, s3, s4};
        const Testergebnis t = StrategienTesten(a);
        QVERIFY(t.fehler.isEmpty());

        const QJsonObject zeitraum = j.value(QStringLiteral("zeitraum")).toObject();
        QCOMPARE(zeitraum.value(QStringLiteral("von")).toString(), QStringLiteral("2023-06-05"));
        QCOMPARE(zeitraum.value(QStringLiteral("ziehungen")).toInt(), 138);
        QCOMPARE(j.value(QStringLiteral("startwert")).toString(), QStringLiteral("77"));
        const QJsonArray strategien = j.value(QStringLiteral("strategien")).toArray();
        QCOMPARE(strategien.size(), 4);
        for (int p = 0; p < 4; ++p) {
            const QJsonObject o = strategien[p].toObject();
            const Strategieergebnis &r = t.strategien[static_cast<std::size_t>(p)];
            QCOMPARE(o.value(QStringLiteral("name")).toString(), r.name);
            QCOMPARE(o.value(QStringLiteral("reihen")).toInteger(), r.reihen);
            QCOMPARE(o.value(QStringLiteral("einsatzCent")).toInteger(), r.reihen * 150);
            QCOMPARE(o.value(QStringLiteral("gewinnCent")).toInteger(), r.gewinnCent);
            QCOMPARE(o.value(QStringLiteral("anteilCent")).toInteger(), r.anteilCent);
            QCOMPARE(o.value(QStringLiteral("bilanzCent")).toInteger(), r.gewinnCent - r.reihen * 150);
            QCOMPARE(o.value(QStringLiteral("erwartetCent")).toInteger(), r.erwartetCent);
            QCOMPARE(o.value(QStringLiteral("laengsteDurststrecke")).toInt(), r.laengsteDurststrecke);
            const QJsonArray klassen = o.value(QStringLiteral("klassen")).toArray();
            QCOMPARE(klassen.size(), 10);
            for (int k = 0; k < 10; ++k)
                QCOMPARE(klassen[k].toObject().value(QStringLiteral("anzahl")).toInteger(), r.klassen[static_cast<std::size_t>(k)]);
            const QJsonObject band = o.value(QStringLiteral("band")).toObject();
            QCOMPARE(band.value(QStringLiteral("p05Cent")).toInteger(), r.bandUnten.back());
            QCOMPARE(band.value(QStringLiteral("p95Cent")).toInteger(), r.bandOben.back());
            QCOMPARE(o.value(QStringLiteral("anteilBesser")).toDouble(), r.mindestensSoGut / 300.0);
            const QJsonArray verlauf = o.value(QStringLiteral("verlauf")).toArray();
            QCOMPARE(verlauf.size(), 138);
            for (int d : {0, 57, 137}) {
                const QJsonObject v = verlauf[d].toObject();
                QCOMPARE(v.value(QStringLiteral("datum")).toString(),
                         Datum::zuDatum(m_historie[22 + d].datum).toString(Qt::ISODate));
                QCOMPARE(v.value(QStringLiteral("bilanzCent")).toInteger(), r.verlauf[static_cast<std::size_t>(d)].bilanzCent);
                QCOMPARE(v.value(QStringLiteral("gewinnCent")).toInteger(), r.verlauf[static_cast<std::size_t>(d)].gewinnCent);
            }
            if (r.hoechsterZiehung >= 0)
                QCOMPARE(o.value(QStringLiteral("hoechstgewinn")).toObject().value(QStringLiteral("datum")).toString(),
                         Datum::zuDatum(m_historie[r.hoechsterZiehung].datum).toString(Qt::ISODate));
        }
        // The ticket's shares: a third of what it won, truncated to cents.
        const QJsonObject erste = strategien[0].toObject();
        QCOMPARE(erste.value(QStringLiteral("anteilCent")).toInteger(), erste.value(QStringLiteral("gewinnCent")).toInteger() / 3);

        // The same start value gives the same test again, and the text names every strategy with
        // its placement.
        QCOMPARE(cli(argumente).ausgabe, lauf.ausgabe);
        const Strategielauf text = cli(argumente.mid(0, argumente.size() - 2));
        QCOMPARE(text.code, 0);
        QVERIFY(text.ausgabe.contains(QStringLiteral("Mein Schein\n")));
        QVERIFY(text.ausgabe.contains(QStringLiteral("Statistikregel: 8 seltenste aus allen\n")));
        QVERIFY(text.ausgabe.contains(QStringLiteral("der zuf\u00E4lligen Verl\u00E4ufe.")));
        QVERIFY(text.ausgabe.contains(QStringLiteral("Einsatz: 828,00\u00A0\u20AC")) ||
                text.ausgabe.contains(QStringLiteral("Einsatz: 828,00 \u20AC")));
    }

    void aufrufe_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        const QString s = QStringLiteral("--system");
        const QString z = QStringLiteral("1,2,3,4,5,6");
        QTest::newRow("keine Strategie") << QStringList{QStringLiteral("--verlaeufe"), QStringLiteral("10")} << 2
                                         << QStringLiteral("fehlt eine Strategie");
        QTest::newRow("Schein fehlt") << QStringList{QStringLiteral("--schein"), QStringLiteral("/gibt/es/nicht.qtt")}
                                      << 1 << QStringLiteral("wurde nicht gefunden");
        QTest::newRow("kaputter Schein") << QStringList{QStringLiteral("--schein"), QStringLiteral("/")} << 1
                                         << QStringLiteral("wurde nicht gefunden");
        QTest::newRow("Regel ohne Fenster")
            << QStringList{QStringLiteral("--regel"), QStringLiteral("haeufigste"), QStringLiteral("--anzahl"),
                           QStringLiteral("6")}
            << 2 << QStringLiteral("--fenster");
        QTest::newRow("Fenster zu klein")
            << QStringList{QStringLiteral("--regel"), QStringLiteral("haeufigste"), QStringLiteral("--anzahl"),
                           QStringLiteral("6"), QStringLiteral("--fenster"), QStringLiteral("9")}
            << 2 << QStringLiteral("ab 10");
        QTest::newRow("Option vor der Strategie") << QStringList{QStringLiteral("--zz"), QStringLiteral("3"), s, z} << 2
                                                  << QStringLiteral("vor der ersten");
        QTest::newRow("Option passt nicht") << QStringList{s, z, QStringLiteral("--bank"), QStringLiteral("3")} << 2
                                            << QStringLiteral("passt nicht");
        QTest::newRow("zweimal bei einer Strategie")
            << QStringList{s, z, QStringLiteral("--zz"), QStringLiteral("3"), QStringLiteral("--zz"), QStringLiteral("4")}
            << 2 << QStringLiteral("zweimal");
        QTest::newRow("zweimal der Startwert")
            << QStringList{s, z, QStringLiteral("--startwert"), QStringLiteral("1"), QStringLiteral("--startwert"),
                           QStringLiteral("1")}
            << 2 << QStringLiteral("zweimal");
        QTest::newRow("keine Reihe möglich")
            << QStringList{QStringLiteral("--zufall"), QStringLiteral("2"), QStringLiteral("--bank"),
                           QStringLiteral("45,46,47,48,49"), QStringLiteral("--summe"), QStringLiteral("100-150")}
            << 2 << QStringLiteral("keine Tippreihe");
        QTest::newRow("System zu klein") << QStringList{s, QStringLiteral("1,2,3,4,5")} << 2 << QStringLiteral("Zahlen");
        QTest::newRow("leerer Zeitraum")
            << QStringList{s, z, QStringLiteral("--von"), QStringLiteral("2031-01-01")} << 1 << QStringLiteral("liegt keine Ziehung");
        QTest::newRow("falsches Datum") << QStringList{s, z, QStringLiteral("--bis"), QStringLiteral("gestern")} << 2
                                        << QStringLiteral("kein Datum");
        QTest::newRow("zu viele Verläufe")
            << QStringList{s, z, QStringLiteral("--verlaeufe"), QStringLiteral("100001")} << 2 << QStringLiteral("100000");
    }

    void aufrufe()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        const Strategielauf lauf = cli(argumente);
        QCOMPARE(lauf.code, code);
        QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QVERIFY(lauf.ausgabe.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStrategiebefehl)
#include "tst_strategiebefehl.moc"
