// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dateien.h"
#include "Testumgebung.h"

#include "model/Datum.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"
#include "model/Ziehungseingabe.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {
QVector<TGewZahlen> ziehungen(const QByteArray &daten)
{
    QVector<TGewZahlen> z;
    for (qsizetype i = 0; i + TGewZahlen::Groesse <= daten.size(); i += TGewZahlen::Groesse)
        z.append(TGewZahlen::ausBytes(daten.constData() + i));
    return z;
}

double tag(int woche)
{
    return Datum::ausDatum(QDate(2024, 1, 1).addDays(7 * woche));
}

// A data folder of its own holding `historie` (null: none).
struct Ordner
{
    explicit Ordner(const QByteArray &historie)
    {
        if (!historie.isNull())
            schreibe(pfad + Dateinamen::Gewinnreihen, historie);
    }
    QByteArray historie() const { return inhalt(pfad + Dateinamen::Gewinnreihen); }
    QTemporaryDir tmp;
    QString pfad = tmp.path() + QLatin1Char('/');
};
} // namespace

// The one guarded way a new history takes the place of the stored one.
class TestGewinnreihenschutz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vergleichen_data()
    {
        QTest::addColumn<QByteArray>("bisher");
        QTest::addColumn<QByteArray>("neu");
        QTest::addColumn<int>("fehlend");
        QTest::addColumn<QList<double>>("daten");
        const QByteArray zehn = Testumgebung::ziehungen(10);
        QTest::newRow("longer") << zehn << Testumgebung::ziehungen(12) << 0 << QList<double>{};
        QTest::newRow("same dates, other numbers")
            << zehn << Testumgebung::ziehungen(10).replace(8, 5, "\x09\x0A\x0B\x0C\x0D") << 0 << QList<double>{};
        QTest::newRow("shorter") << zehn << Testumgebung::ziehungen(7) << 3 << QList<double>{tag(7), tag(8), tag(9)};
        QTest::newRow("older draws missing") << zehn << zehn.mid(2 * TGewZahlen::Groesse) << 2
                                             << QList<double>{tag(0), tag(1)};
        QTest::newRow("nothing new") << zehn << QByteArray() << 10 << QList<double>{};
        QTest::newRow("nothing stored") << QByteArray() << zehn << 0 << QList<double>{};
        // A damaged stored file: a date twice, a date that is no number.
        TGewZahlen kaputt = TGewZahlen::ausBytes(zehn.constData());
        kaputt.datum = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("a stored date twice, a NaN date")
            << zehn.left(2 * TGewZahlen::Groesse) + zehn.mid(TGewZahlen::Groesse, TGewZahlen::Groesse) +
                   kaputt.alsBytes()
            << zehn.left(TGewZahlen::Groesse) << 3 << QList<double>{tag(1)};
    }
    void vergleichen()
    {
        QFETCH(QByteArray, bisher);
        QFETCH(QByteArray, neu);
        QFETCH(int, fehlend);
        QFETCH(QList<double>, daten);
        const Historienvergleich v = HistorieVergleichen(ziehungen(bisher), ziehungen(neu));
        QCOMPARE(v.fehlend, fehlend);
        if (!daten.isEmpty()) {
            QCOMPARE(v.fehlendeDaten.mid(0, daten.size()), daten);
            QCOMPARE(v.neuestesFehlendes, *std::max_element(daten.cbegin(), daten.cend()));
        }
        if (fehlend == 0)
            QVERIFY(v.fehlendeDaten.isEmpty());
    }

    // Without the user's word no stored date goes; with it exactly the agreed ones may.
    void verlustBrauchtZustimmung_data()
    {
        QTest::addColumn<QList<double>>("zugestimmt");
        QTest::addColumn<bool>("ersetzt");
        QTest::newRow("not asked") << QList<double>{} << false;
        QTest::newRow("agreed to one of two") << QList<double>{tag(4)} << false;
        QTest::newRow("agreed to other dates") << QList<double>{tag(8), tag(9)} << false;
        QTest::newRow("agreed to both") << QList<double>{tag(3), tag(4)} << true;
    }
    void verlustBrauchtZustimmung()
    {
        QFETCH(QList<double>, zugestimmt);
        QFETCH(bool, ersetzt);
        const QByteArray alt = Testumgebung::ziehungen(5);
        Ordner o(alt);
        const QString fehler = GZUebernehmen(o.pfad, Testumgebung::ziehungen(3), zugestimmt);
        QCOMPARE(fehler.isEmpty(), ersetzt);
        QCOMPARE(o.historie(), ersetzt ? Testumgebung::ziehungen(3) : alt);
        QCOMPARE(QFile::exists(o.pfad + Dateinamen::Sicherung), ersetzt);
        QCOMPARE(Sicherungen::Liste(o.pfad).size(), ersetzt ? 1 : 0);
        if (!ersetzt)
            QCOMPARE(fehler, QStringLiteral("Die neue Liste enthält 2 der bisherigen Ziehungen nicht; ohne Ihre "
                                            "Zustimmung bleiben die Gewinnreihen, wie sie sind."));
    }

    // Each replaced history is kept, the newest ten of them; the same history again changes
    // nothing and keeps nothing.
    void datierteKopien()
    {
        Ordner o(Testumgebung::ziehungen(1));
        for (int n = 2; n <= 13; ++n)
            QCOMPARE(GZUebernehmen(o.pfad, Testumgebung::ziehungen(n)), QString());
        QCOMPARE(GZUebernehmen(o.pfad, Testumgebung::ziehungen(13)), QString());
        const QStringList kopien = Sicherungen::Liste(o.pfad);
        QCOMPARE(kopien.size(), Sicherungen::Behalten);
        for (int i = 0; i < kopien.size(); ++i)
            QCOMPARE(inhalt(kopien[i]), Testumgebung::ziehungen(3 + i));
        QVERIFY(QFileInfo(kopien[0]).fileName().startsWith(QStringLiteral("GReihen ")));
        QCOMPARE(o.historie(), Testumgebung::ziehungen(13));
        QCOMPARE(inhalt(o.pfad + Dateinamen::Sicherung), Testumgebung::ziehungen(1));

        // A copy dated ahead (a clock set back since): the new copy still sorts after it and stays.
        const QString zukunft =
            o.pfad + Sicherungen::Ordner + QStringLiteral("/GReihen 2999-12-31 23-59-59-999.qtgz");
        QVERIFY(schreibe(zukunft, "aus der Zukunft"));
        QCOMPARE(GZUebernehmen(o.pfad, Testumgebung::ziehungen(14)), QString());
        const QStringList danach = Sicherungen::Liste(o.pfad);
        QCOMPARE(danach.size(), Sicherungen::Behalten);
        QCOMPARE(danach[danach.size() - 2], zukunft);
        QCOMPARE(inhalt(danach.constLast()), Testumgebung::ziehungen(13));
    }

    // Where the stored history can't be read or kept, nothing replaces it.
    void nichtsOhneSicherung()
    {
        {
            Ordner o{QByteArray()};
            QVERIFY(QDir().mkpath(o.pfad + Dateinamen::Gewinnreihen));
            const QString fehler = GZUebernehmen(o.pfad, Testumgebung::ziehungen(3));
            QVERIFY2(fehler.startsWith(QStringLiteral("Die bisherigen Gewinnreihen lassen sich nicht vollständig "
                                                      "lesen")),
                     qPrintable(fehler));
            QVERIFY(QFileInfo(o.pfad + Dateinamen::Gewinnreihen).isDir());
        }
        Ordner o(Testumgebung::ziehungen(2));
        QVERIFY(schreibe(o.pfad + Sicherungen::Ordner, "eine Datei, kein Ordner"));
        const QString fehler = GZUebernehmen(o.pfad, Testumgebung::ziehungen(3));
        QVERIFY2(fehler.contains(QStringLiteral("nicht im Ordner \u201ESicherungen\u201C sichern")), qPrintable(fehler));
        QCOMPARE(o.historie(), Testumgebung::ziehungen(2));
    }

    // The draw entry's save adds or changes one draw; from a history older than the file it
    // would drop draws, and is refused.
    void ziehungEintragen()
    {
        Ordner o(Testumgebung::ziehungen(4));
        Zahlenauswahl auswahl;
        for (const int t : {5, 17, 23, 31, 44, 106})
            auswahl.BLotAuswerten(t);
        const QDate neu = QDate(2024, 1, 29);
        Eintragsergebnis e = ZiehungEintragen(o.pfad, ziehungen(o.historie()), 4, neu, auswahl);
        QCOMPARE(e.fehler, QString());
        QCOMPARE(e.ziehungen.size(), 5);
        QCOMPARE(o.historie(), Testumgebung::ziehungen(4) + e.ziehungen[4].alsBytes());
        QCOMPARE(e.ziehungen[4].GZ, (std::array<std::uint8_t, 5>{5, 17, 23, 31, 44}));
        QVERIFY(Sicherungen::Liste(o.pfad).isEmpty());

        const QByteArray vorher = o.historie();
        e = ZiehungEintragen(o.pfad, ziehungen(Testumgebung::ziehungen(3)), 3, neu, auswahl);
        QVERIFY2(e.fehler.contains(QStringLiteral("enthält 1 der bisherigen Ziehungen nicht")), qPrintable(e.fehler));
        QCOMPARE(o.historie(), vorher);
    }

    // The history stays readable: neither an import or download (GZUebernehmen) nor the draw
    // entry makes it larger than the reader reads, and a refused write leaves everything as it was.
    void grenze_data()
    {
        QTest::addColumn<bool>("eintrag"); // the draw entry's save, else a whole new history
        QTest::addColumn<int>("anzahl");   // draws afterwards
        QTest::newRow("import up to the limit") << false << int(MaxZiehungen);
        QTest::newRow("import one beyond") << false << int(MaxZiehungen + 1);
        QTest::newRow("import far beyond") << false << int(MaxZiehungen + 100000);
        QTest::newRow("entry of the last draw there is room for") << true << int(MaxZiehungen);
        QTest::newRow("entry of one draw beyond") << true << int(MaxZiehungen + 1);
    }
    void grenze()
    {
        QFETCH(bool, eintrag);
        QFETCH(int, anzahl);
        QCOMPARE(MaxZiehungen, 1048576);
        // A draw a day from 1900 on: the last ones still lie within the years a date can have.
        static const QByteArray alle = [] {
            QByteArray d;
            d.reserve((MaxZiehungen + 100000) * TGewZahlen::Groesse);
            TGewZahlen z;
            z.GZ = {1, 2, 3, 4, 5};
            z.bonus = 1;
            for (qsizetype i = 0; i < MaxZiehungen + 100000; ++i) {
                z.datum = double(i + 2);
                d += z.alsBytes();
            }
            return d;
        }();
        const QByteArray bisher = alle.left(qsizetype(anzahl - 1) * TGewZahlen::Groesse);
        Ordner o(bisher);
        QString fehler;
        if (eintrag) {
            Zahlenauswahl auswahl;
            for (const int t : {5, 17, 23, 31, 44, 106})
                auswahl.BLotAuswerten(t);
            const QVector<TGewZahlen> z = ziehungen(bisher);
            const QDate datum = Datum::zuDatum(z.constLast().datum).addDays(7);
            fehler = ZiehungEintragen(o.pfad, z, int(z.size()), datum, auswahl).fehler;
        } else {
            fehler = GZUebernehmen(o.pfad, alle.left(qsizetype(anzahl) * TGewZahlen::Groesse));
        }
        if (anzahl <= MaxZiehungen) {
            QCOMPARE(fehler, QString());
            const Ladeergebnis gelesen = GZEinlesen(o.pfad + Dateinamen::Gewinnreihen);
            QCOMPARE(gelesen.status, Ladestatus::Geladen);
            QCOMPARE(gelesen.ziehungen.size(), anzahl);
            return;
        }
        QCOMPARE(fehler, QStringLiteral("Die Gewinnreihen hätten danach %1 Ziehungen, mehr als die 1.048.576 (16 MiB), "
                                        "die das Programm lesen kann. Damit sie lesbar bleiben, wird nichts "
                                        "geschrieben; sie bleiben, wie sie sind.")
                             .arg(QLocale(QLocale::German).toString(anzahl)));
        QVERIFY(o.historie() == bisher);
        QVERIFY(!QFileInfo::exists(o.pfad + Dateinamen::Sicherung));
        QVERIFY(Sicherungen::Liste(o.pfad).isEmpty());
        QCOMPARE(QDir(o.pfad).entryList(QDir::Files | QDir::Hidden), QStringList{Dateinamen::Gewinnreihen});
    }
};

QTEST_GUILESS_MAIN(TestGewinnreihenschutz)
#include "tst_gewinnreihenschutz.moc"
