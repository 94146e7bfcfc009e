// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Datum.h"
#include "model/Ziehungseingabe.h"

#include <QtTest>

class TestZiehungseingabe : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sechsteZahlWirdAbgewiesen()
    {
        Zahlenauswahl a;
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(a.BLotAuswerten(n), Zahlenauswahl::Ergebnis::Geaendert);
        QCOMPARE(a.BLotAuswerten(6), Zahlenauswahl::Ergebnis::FuenfSchonGewaehlt);
        QCOMPARE(a.GZAnzahl(), 5);
        QVERIFY(!a.gewaehlt().enthaelt(6));
        QCOMPARE(a.BLotAuswerten(3), Zahlenauswahl::Ergebnis::Geaendert);
        QCOMPARE(a.BLotAuswerten(6), Zahlenauswahl::Ergebnis::Geaendert);
        QCOMPARE(MengeZuText(a.gewaehlt(), MaxZahl, QStringLiteral(",")), QStringLiteral("1,2,4,5,6"));
        QVERIFY(!a.vollstaendig());
    }

    void zusatzzahlWieOptionsfeld()
    {
        Zahlenauswahl a;
        a.BLotAuswerten(104);
        QCOMPARE(a.ZZGewaehlt(), std::uint8_t{4});
        a.BLotAuswerten(107);
        QCOMPARE(a.ZZGewaehlt(), std::uint8_t{7});
        a.BLotAuswerten(107);
        QCOMPARE(a.ZZGewaehlt(), Zahlenauswahl::KeineZusatzzahl);
    }

    void unbekannteTagsAendernNichts_data()
    {
        QTest::addColumn<int>("tag");
        for (int tag : {0, -1, 50, 60, 100, 111, 255, 355})
            QTest::addRow("%d", tag) << tag;
    }
    void unbekannteTagsAendernNichts()
    {
        QFETCH(int, tag);
        Zahlenauswahl a;
        a.BLotAuswerten(7);
        QCOMPARE(a.BLotAuswerten(tag), Zahlenauswahl::Ergebnis::Unbekannt);
        QCOMPARE(a.GZAnzahl(), 1);
        QCOMPARE(a.ZZGewaehlt(), Zahlenauswahl::KeineZusatzzahl);
    }

    void inZiehungAufsteigend()
    {
        Zahlenauswahl a;
        for (int n : {45, 3, 17, 9, 28})
            a.BLotAuswerten(n);
        a.BLotAuswerten(102);
        QVERIFY(a.vollstaendig());
        TGewZahlen z;
        a.inZiehung(z);
        QCOMPARE(z.GZ, (std::array<std::uint8_t, 5>{3, 9, 17, 28, 45}));
        QCOMPARE(z.bonus, std::uint8_t{2});
    }

    void vorgeschlagenesDatum_data()
    {
        QTest::addColumn<QDate>("letzte");
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QDate>("vorschlag");
        QTest::newRow("a week after the newest") << QDate(2024, 1, 1) << QDate(2026, 12, 10) << QDate(2024, 1, 8);
        QTest::newRow("empty, on a Thursday") << QDate() << QDate(2026, 12, 10) << QDate(2026, 12, 7);
        QTest::newRow("empty, on a Monday") << QDate() << QDate(2026, 12, 7) << QDate(2026, 11, 30);
        QTest::newRow("empty, on a Tuesday") << QDate() << QDate(2026, 12, 8) << QDate(2026, 12, 7);
        QTest::newRow("empty, on a Sunday") << QDate() << QDate(2026, 12, 13) << QDate(2026, 12, 7);
    }
    void vorgeschlagenesDatum()
    {
        QFETCH(QDate, letzte);
        QFETCH(QDate, heute);
        QFETCH(QDate, vorschlag);
        QVector<TGewZahlen> ziehungen;
        if (letzte.isValid()) {
            TGewZahlen z;
            z.datum = Datum::ausDatum(letzte);
            ziehungen << z;
        }
        QCOMPARE(VorgeschlagenesDatum(ziehungen, heute), vorschlag);
    }

    void zwischenablage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("zeilen");
        const QStringList sechs{QStringLiteral("3"),  QStringLiteral("9"),  QStringLiteral("17"),
                                QStringLiteral("28"), QStringLiteral("45"), QStringLiteral("2")};
        QTest::newRow("six lines") << QStringLiteral("3\n9\n17\n28\n45\n2") << sechs;
        QTest::newRow("blanks and CRLF") << QStringLiteral(" 3 \r\n9\r\n17\r\n28\r\n45\r\n 2\r\n") << sechs;
        QTest::newRow("more lines") << QStringLiteral("3\n9\n17\n28\n45\n2\nRest\n") << sechs;
        QTest::newRow("five lines") << QStringLiteral("3\n9\n17\n28\n45\n") << QStringList();
        QTest::newRow("empty") << QString() << QStringList();
    }
    void zwischenablage()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, zeilen);
        QCOMPARE(Zwischenablagezeilen(text).value_or(QStringList()), zeilen);
    }

    void zwischenablagezeile_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("tag");
        QTest::newRow("number") << QStringLiteral("17") << 0 << 17;
        QTest::newRow("zusatzzahl") << QStringLiteral("2") << 5 << 102;
        QTest::newRow("not a number") << QStringLiteral("sieben") << 1 << 0;
        QTest::newRow("50 as a number") << QStringLiteral("50") << 2 << 0;
        QTest::newRow("0 as a number") << QStringLiteral("0") << 2 << 0;
        QTest::newRow("11 as zusatzzahl") << QStringLiteral("11") << 5 << 0;
        QTest::newRow("17 as zusatzzahl") << QStringLiteral("17") << 5 << 0;
    }
    void zwischenablagezeile()
    {
        QFETCH(QString, zeile);
        QFETCH(int, position);
        QFETCH(int, tag);
        const Zeilenwert w = ZwischenablagezeileLesen(zeile, position);
        QCOMPARE(w.tag, tag);
        QCOMPARE(w.fehler.isEmpty(), tag != 0);
    }
};

QTEST_GUILESS_MAIN(TestZiehungseingabe)
#include "tst_ziehungseingabe.moc"
