// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Betrag.h"
#include "model/Datum.h"
#include "model/Records.h"
#include "model/Spiel.h"
#include "model/Textzellen.h"
#include "model/Zahlenmenge.h"

#include <QtTest>

namespace {
Zahlenmenge menge(std::initializer_list<int> zahlen)
{
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzu(static_cast<std::uint8_t>(n));
    return m;
}
const QLocale deutsch(QLocale::German, QLocale::Germany);
} // namespace

class TestSpielmodell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gewinnklasse_data()
    {
        QTest::addColumn<int>("treffer");
        QTest::addColumn<bool>("zzPasst");
        QTest::addColumn<int>("klasse");
        QTest::newRow("5 + ZZ") << 5 << true << 1;
        QTest::newRow("5") << 5 << false << 2;
        QTest::newRow("4 + ZZ") << 4 << true << 3;
        QTest::newRow("3") << 3 << false << 6;
        QTest::newRow("1 + ZZ") << 1 << true << 9;
        QTest::newRow("1") << 1 << false << 10;
        QTest::newRow("0 with ZZ wins nothing") << 0 << true << 0;
        QTest::newRow("0") << 0 << false << 0;
    }
    void gewinnklasse()
    {
        QFETCH(int, treffer);
        QFETCH(bool, zzPasst);
        QFETCH(int, klasse);
        QCOMPARE(KlasseFuer(treffer, zzPasst), klasse);
    }

    void gewinnklassenTabelle()
    {
        QCOMPARE(Gewinnklassen[0].Bezeichnung, QStringLiteral("5 + ZZ"));
        QCOMPARE(Gewinnklassen[0].Gewinn, Betrag{20000000000});
        QCOMPARE(Gewinnklassen[8].Gewinn, Betrag{20000});
        QCOMPARE(Gewinnklassen[9].Kurz, QStringLiteral("1"));
        QCOMPARE(BetragZuWaehrung(Gewinnklassen[0].Gewinn, deutsch), QStringLiteral("2.000.000,00\u00A0€"));
        // Ten class-1 wins add up exactly.
        Betrag summe = 0;
        for (int i = 0; i < 10; ++i)
            summe += Gewinnklassen[0].Gewinn;
        QCOMPARE(summe, Betrag{200000000000});
        QCOMPARE(BetragZuText(summe, deutsch), QStringLiteral("20.000.000,00"));
    }

    void betragTexte_data()
    {
        QTest::addColumn<qint64>("betrag");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("0,00");
        QTest::newRow("half a euro") << qint64(5000) << QStringLiteral("0,50");
        QTest::newRow("truncated share") << qint64(1600) << QStringLiteral("0,16");
        QTest::newRow("thousands") << qint64(20000000) << QStringLiteral("2.000,00");
        QTest::newRow("huge") << qint64(9000000000000000000) << QStringLiteral("900.000.000.000.000,00");
    }
    void betragTexte()
    {
        QFETCH(qint64, betrag);
        QFETCH(QString, text);
        QCOMPARE(BetragZuText(betrag, deutsch), text);
    }

    void datum()
    {
        QCOMPARE(Datum::ausDatum(QDate(2024, 1, 1)), 45292.0);
        QCOMPARE(Datum::zuDatum(0.0), QDate(1899, 12, 30));
        QCOMPARE(Datum::kurz(45292.0, deutsch), QStringLiteral("01.01.2024"));
        QCOMPARE(Datum::ausKurz(QStringLiteral("08.01.2024"), deutsch), QDate(2024, 1, 8));
        QVERIFY(!Datum::ausKurz(QStringLiteral("kein Datum"), deutsch).isValid());
        QVERIFY(!Datum::zuDatum(std::numeric_limits<double>::quiet_NaN()).isValid());
        QVERIFY(!Datum::zuDatum(1e300).isValid());
    }

    void ziehungsRecord()
    {
        TGewZahlen z;
        z.datum = 45292.0;
        z.GZ = {3, 12, 25, 38, 47};
        z.bonus = 7;
        const QByteArray erwartet = QByteArray::fromHex("00000000801DE640030C19262F070000");
        QCOMPARE(z.alsBytes(), erwartet);
        QByteArray mitFuellung = erwartet;
        mitFuellung[14] = '\x12';
        mitFuellung[15] = '\x34';
        QCOMPARE(TGewZahlen::ausBytes(mitFuellung.constData()).alsBytes(), mitFuellung);
        QVERIFY(z.gueltig());
    }

    void ziehungGueltig_data()
    {
        QTest::addColumn<QByteArray>("zahlen");
        QTest::addColumn<int>("bonus");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<int>("mengengroesse");
        QTest::newRow("good") << QByteArray("\x01\x02\x03\x04\x31", 5) << 10 << true << 5;
        QTest::newRow("zero number") << QByteArray("\x00\x02\x03\x04\x05", 5) << 1 << false << 4;
        QTest::newRow("number 50") << QByteArray("\x32\x02\x03\x04\x05", 5) << 1 << false << 4;
        QTest::newRow("number 255") << QByteArray("\xFF\x02\x03\x04\x05", 5) << 1 << false << 4;
        QTest::newRow("duplicate") << QByteArray("\x02\x02\x03\x04\x05", 5) << 1 << false << 4;
        QTest::newRow("zusatzzahl 0") << QByteArray("\x01\x02\x03\x04\x05", 5) << 0 << false << 5;
        QTest::newRow("zusatzzahl 11") << QByteArray("\x01\x02\x03\x04\x05", 5) << 11 << false << 5;
    }
    void ziehungGueltig()
    {
        QFETCH(QByteArray, zahlen);
        QFETCH(int, bonus);
        QFETCH(bool, gueltig);
        QFETCH(int, mengengroesse);
        TGewZahlen z;
        for (int i = 0; i < 5; ++i)
            z.GZ[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(zahlen[i]);
        z.bonus = static_cast<std::uint8_t>(bonus);
        QCOMPARE(z.gueltig(), gueltig);
        QCOMPARE(z.menge().anzahl(), mengengroesse);
    }

    void scheinRecord()
    {
        TNormalSchein s;
        s.WZ = {3, 12, 25, 38, 47, 7};
        s.AntGes = 4;
        s.Antmeine = 1;
        const QByteArray erwartet = QByteArray::fromHex("030C19262F0704000100");
        QCOMPARE(s.alsBytes(), erwartet);
        QCOMPARE(TNormalSchein::ausBytes(erwartet.constData()), s);
        const QByteArray grosseAnteile = QByteArray::fromHex("0102030405060201FFFF");
        QCOMPARE(TNormalSchein::ausBytes(grosseAnteile.constData()).AntGes, std::uint16_t{0x0102});
        QCOMPARE(TNormalSchein::ausBytes(grosseAnteile.constData()).Antmeine, std::uint16_t{0xFFFF});
    }

    void bitanzahl()
    {
        const Zahlenmenge m = menge({0, 1, 7, 8, 49, 63, 64, 200, 255});
        QCOMPARE(Bitanzahl(m.bytes(), Zahlenmenge::Groesse), 9);
        QCOMPARE(m.anzahl(), 9);
        // Byte layout: number n is bit n mod 8 of byte n div 8.
        QCOMPARE(int(m.bytes()[0]), 0x83);
        QCOMPARE(int(m.bytes()[1]), 0x01);
        QCOMPARE(int(m.bytes()[31]), 0x80);
        const Zahlenmenge zeile = menge({1, 2, 3, 4, 5});
        const Zahlenmenge ziehung = menge({3, 4, 5, 6, 7});
        const Zahlenmenge schnitt = zeile.schnitt(ziehung);
        QCOMPARE(Bitanzahl(schnitt.bytes(), Zahlenmenge::Groesse), 3);
        QCOMPARE(zeile.gemeinsam(ziehung), 3);
    }

    void mengeZuTextUndReihe()
    {
        QCOMPARE(MengeZuText(menge({17, 3}), MaxZahl, QStringLiteral(",")), QStringLiteral("3,17"));
        QCOMPARE(MengeZuText(Zahlenmenge(), MaxZahl, QStringLiteral(",")), QString());
        QCOMPARE(MengeZuText(menge({49, 1, 25}), MaxZahl, QStringLiteral(", ")), QStringLiteral("1, 25, 49"));
        QCOMPARE(MengeZuReihe(menge({45, 3, 17, 9, 28}), 5, MaxZahl), QByteArray("\x03\x09\x11\x1C\x2D", 5));
        QCOMPARE(MengeZuReihe(menge({1, 2, 3, 4, 5, 6}), 5, MaxZahl), QByteArray("\x01\x02\x03\x04\x05", 5));
        QCOMPARE(MengeZuReihe(menge({2}), 3, MaxZahl), QByteArray("\x02\x00\x00", 3));
    }

    void zentrieren_data()
    {
        // Each character is 6 pixels wide, a blank too.
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("blanks");
        QTest::newRow("Reihe in 45") << QStringLiteral("Reihe") << 45 << 0;   // w=36, t=30: 6/12 = 0.5 -> 0
        QTest::newRow("Z1 in 30") << QStringLiteral("Z1") << 30 << 1;         // w=24, t=12: 12/12 = 1
        QTest::newRow("Datum in 65") << QStringLiteral("Datum") << 65 << 2;   // w=52, t=30: 22/12 = 1.83 -> 2
        QTest::newRow("too wide") << QStringLiteral("Richtige") << 30 << 0;
        QTest::newRow("2.5 rounds to 2") << QStringLiteral("Z") << 45 << 2;  // w=36, t=6: 30/12 = 2.5
        QTest::newRow("1.5 rounds to 2") << QStringLiteral("Z") << 30 << 2;  // w=24, t=6: 18/12 = 1.5
    }
    void zentrieren()
    {
        QFETCH(QString, text);
        QFETCH(int, breite);
        QFETCH(int, blanks);
        const Textmesser sechsProZeichen = [](const QString &t) { return int(t.size()) * 6; };
        const QString ergebnis = Zentrieren(text, breite, sechsProZeichen);
        QCOMPARE(ergebnis, QString(blanks, QLatin1Char(' ')) + text);
    }

    void kopfTippreihen()
    {
        TextTabelle t(7, 3);
        for (int c = 1; c < 7; ++c)
            t.setzeSpaltenbreite(c, 30);
        KopfTippreihen(t, 45, [](const QString &s) { return int(s.size()) * 6; });
        QCOMPARE(t.spaltenbreite(0), 45);
        QCOMPARE(t.zelle(0, 0), QStringLiteral("Reihe"));
        QCOMPARE(t.zelle(1, 0), QStringLiteral(" Z1"));
        QCOMPARE(t.zelle(5, 0), QStringLiteral(" Z5"));
        QCOMPARE(t.zelle(6, 0), QStringLiteral(" ZZ"));
        QCOMPARE(t.zelle(7, 0), QString()); // outside the grid
        t.setzeZelle(9, 9, QStringLiteral("x"));
        QCOMPARE(t.zeilen(), 3);
    }
};

QTEST_GUILESS_MAIN(TestSpielmodell)
#include "tst_spielmodell.moc"
