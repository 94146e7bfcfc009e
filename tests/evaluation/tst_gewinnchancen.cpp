// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnauswertung.h"
#include "evaluation/Gewinnchancen.h"

#include <QtTest>

namespace {
const QLocale deutsch(QLocale::German, QLocale::Germany);
using Faelle = std::array<std::int64_t, AnzahlGewinnklassen>;

// Counts by brute force over every set of five winning numbers how many put a row of the given
// numbers into each number of hits; each set stands for ten Zusatzzahlen, one of them the row's.
Faelle abgezaehlt(std::uint64_t reihe, bool mitZusatzzahl)
{
    std::array<std::int64_t, 6> jeTreffer{};
    for (int a = 1; a <= 45; ++a)
        for (int b = a + 1; b <= 46; ++b)
            for (int c = b + 1; c <= 47; ++c)
                for (int d = c + 1; d <= 48; ++d)
                    for (int e = d + 1; e <= 49; ++e) {
                        const std::uint64_t menge = (1ULL << a) | (1ULL << b) | (1ULL << c) | (1ULL << d) | (1ULL << e);
                        ++jeTreffer[static_cast<std::size_t>(std::popcount(menge & reihe))];
                    }
    Faelle f{};
    for (int t = 1; t <= 5; ++t) {
        const std::int64_t passt = mitZusatzzahl ? 1 : 0;
        f[static_cast<std::size_t>(KlasseFuer(t, true) - 1)] += jeTreffer[static_cast<std::size_t>(t)] * passt;
        f[static_cast<std::size_t>(KlasseFuer(t, false) - 1)] += jeTreffer[static_cast<std::size_t>(t)] * (10 - passt);
    }
    return f;
}
} // namespace

class TestGewinnchancen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void klassenEinerReihe_data()
    {
        QTest::addColumn<int>("zahlen");
        QTest::addColumn<bool>("zz");
        QTest::addColumn<quint64>("reihe");
        QTest::addColumn<Faelle>("faelle");
        QTest::addColumn<std::int64_t>("erwartung");
        // By hand, with 49 over 5 = 1.906.884 sets and 10 Zusatzzahlen = 19.068.840 outcomes:
        // t hits: (5 over t) * (44 over 5 - t) sets, one in ten with the row's Zusatzzahl.
        //   5: 1 * 1 = 1            -> class 1: 1,         class 2: 9
        //   4: 5 * 44 = 220         -> class 3: 220,       class 4: 1.980
        //   3: 10 * 946 = 9.460     -> class 5: 9.460,     class 6: 85.140
        //   2: 10 * 13.244 = 132.440 -> class 7: 132.440,  class 8: 1.191.960
        //   1: 5 * 135.751 = 678.755 -> class 9: 678.755,  class 10: 6.108.795
        // Sum of outcome * amount (ten-thousandths): 20.000.000.000 + 18.000.000.000
        //   + 4.400.000.000 + 3.960.000.000 + 3.784.000.000 + 17.028.000.000 + 15.892.800.000
        //   + 71.517.600.000 + 13.575.100.000 + 30.543.975.000 = 198.701.475.000.
        QTest::newRow("volle Reihe") << 5 << true << quint64{0b111110}
                                     << Faelle{1, 9, 220, 1980, 9460, 85140, 132440, 1191960, 678755, 6108795}
                                     << std::int64_t{198'701'475'000};
        // Four numbers (one given twice) and no usable Zusatzzahl: t hits of 4 are
        // (4 over t) * (45 over 5 - t) sets, never with the Zusatzzahl:
        //   4: 45 -> 450; 3: 4 * 990 -> 39.600; 2: 6 * 14.190 -> 851.400; 1: 4 * 148.995 -> 5.959.800.
        // 450 * 2.000.000 + 39.600 * 200.000 + 851.400 * 60.000 + 5.959.800 * 5.000 = 89.703.000.000.
        QTest::newRow("vier Zahlen ohne ZZ")
            << 4 << false << quint64{0b11110} << Faelle{0, 0, 0, 450, 0, 39600, 0, 851400, 0, 5959800}
            << std::int64_t{89'703'000'000};
        // Three numbers: 3: 1 * 1.035; 2: 3 * 15.180 = 45.540; 1: 3 * 163.185 = 489.555.
        QTest::newRow("drei Zahlen") << 3 << true << quint64{0b1110}
                                     << Faelle{0, 0, 0, 0, 1035, 9315, 45540, 409860, 489555, 4405995}
                                     << std::int64_t{64'154'475'000};
        QTest::newRow("keine Zahl") << 0 << true << quint64{0} << Faelle{} << std::int64_t{0};
    }
    void klassenEinerReihe()
    {
        QFETCH(int, zahlen);
        QFETCH(bool, zz);
        QFETCH(quint64, reihe);
        QFETCH(Faelle, faelle);
        QFETCH(std::int64_t, erwartung);
        QCOMPARE(GuenstigeZiehungen(zahlen, zz), faelle);
        QCOMPARE(abgezaehlt(reihe, zz), faelle);
        QCOMPARE(ErwartungMalZiehungen(zahlen, zz), erwartung);
    }

    void texte_data()
    {
        QTest::addColumn<std::int64_t>("guenstige");
        QTest::addColumn<QString>("text");
        QTest::newRow("Klasse 1") << std::int64_t{1} << QStringLiteral("1 : 19.068.840");
        QTest::newRow("Klasse 2") << std::int64_t{9} << QStringLiteral("1 : 2.118.760");
        // 19.068.840 / 220 = 86.676,5454…
        QTest::newRow("Klasse 3") << std::int64_t{220} << QStringLiteral("1 : 86.676,55");
        // 19.068.840 / 1.191.960 = 15,9979…
        QTest::newRow("Klasse 8") << std::int64_t{1191960} << QStringLiteral("1 : 16,00");
        // 19.068.840 / 6.108.795 = 3,1215…
        QTest::newRow("Klasse 10") << std::int64_t{6108795} << QStringLiteral("1 : 3,12");
        QTest::newRow("nie") << std::int64_t{0} << QStringLiteral("-");
    }
    void texte()
    {
        QFETCH(std::int64_t, guenstige);
        QFETCH(QString, text);
        QCOMPARE(ChanceText(guenstige, deutsch), text);
    }

    void erwartungstext()
    {
        // Whole cents, halves away from zero: 198.701.475.000 / 19.068.840 = 10.420,218…
        // ten-thousandths = 104,2 cents; 20.000.000.000 / 19.068.840 = 10,49 cents; 0,5 cents up.
        QCOMPARE(ErwartungText(198'701'475'000.0 / MoeglicheZiehungen, deutsch), QStringLiteral("1,04\u00A0\u20AC"));
        QCOMPARE(ErwartungText(20'000'000'000.0 / MoeglicheZiehungen, deutsch), QStringLiteral("0,10\u00A0\u20AC"));
        QCOMPARE(ErwartungText(50.0, deutsch), QStringLiteral("0,01\u00A0\u20AC"));
        QCOMPARE(ErwartungText(49.0, deutsch), QStringLiteral("0,00\u00A0\u20AC"));
    }

    // The table of the n-over-k window. By hand from the outcomes above (of 19.068.840):
    //   odds 19.068.840 / outcomes, e.g. class 4: / 1.980 = 9.630,727…; any win: 1.906.884 sets
    //   minus the 44 over 5 = 1.086.008 without a hit, times 10 = 8.208.760, / = 2,3229…;
    //   expectation outcomes * amount / 19.068.840, e.g. class 8: 1.191.960 * 6 € = 7.151.760 €,
    //   / = 0,37504… €; all classes 1,04202… € (198.701.475.000 ten-thousandths above).
    void tabelle()
    {
        const TextTabelle t = GewinnchancenTabelle(deutsch);
        QStringList zeilen;
        for (int z = 0; z < t.zeilen(); ++z) {
            QStringList zellen;
            for (int s = 0; s < t.spalten(); ++s)
                zellen << t.zelle(s, z);
            zeilen << zellen.join(QLatin1Char('|'));
        }
        const QString e = QStringLiteral("\u00A0\u20AC");
        QCOMPARE(zeilen, QStringList({
                             QStringLiteral("Kl.|Richtige|Gewinn|Chance|Erwartung je Reihe"),
                             QStringLiteral("1|5 + ZZ|2.000.000,00%1|1 : 19.068.840|0,10%1").arg(e),
                             QStringLiteral("2|5|200.000,00%1|1 : 2.118.760|0,09%1").arg(e),
                             QStringLiteral("3|4 + ZZ|2.000,00%1|1 : 86.676,55|0,02%1").arg(e),
                             QStringLiteral("4|4|200,00%1|1 : 9.630,73|0,02%1").arg(e),
                             QStringLiteral("5|3 + ZZ|40,00%1|1 : 2.015,73|0,02%1").arg(e),
                             QStringLiteral("6|3|20,00%1|1 : 223,97|0,09%1").arg(e),
                             QStringLiteral("7|2 + ZZ|12,00%1|1 : 143,98|0,08%1").arg(e),
                             QStringLiteral("8|2|6,00%1|1 : 16,00|0,38%1").arg(e),
                             QStringLiteral("9|1 + ZZ|2,00%1|1 : 28,09|0,07%1").arg(e),
                             QStringLiteral("10|1|0,50%1|1 : 3,12|0,16%1").arg(e),
                             QStringLiteral("alle|||1 : 2,32|1,04%1").arg(e),
                         }));
    }

    // The expected return of an evaluation: the same rows over as many draws, each row by what it
    // can win, whatever the draws really were.
    void erwarteterRuecklauf_data()
    {
        QTest::addColumn<QVector<Tippreihe>>("reihen");
        QTest::addColumn<float>("preis");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("erwartet");
        // 10.420,218… per row and draw: over 2 rows and 3 draws 62.521,31…; at 2,00 € per
        // row 1,0420218 / 2 = 52,10 %.
        QTest::newRow("zwei Reihen") << QVector<Tippreihe>{{{1, 2, 3, 4, 5}, 7}, {{40, 41, 42, 43, 44}, 1}} << 2.0F
                                     << QStringLiteral("52,10 %") << 6.0 * 198'701'475'000.0 / MoeglicheZiehungen;
        // At 1,00 € per row the same rows expect twice the rate: 104,20 %.
        QTest::newRow("billige Reihe") << QVector<Tippreihe>{{{1, 2, 3, 4, 5}, 7}} << 1.0F << QStringLiteral("104,20 %")
                                       << 3.0 * 198'701'475'000.0 / MoeglicheZiehungen;
        // A proper row and one with four numbers and no Zusatzzahl (a 0 is no number):
        // (198.701.475.000 + 89.703.000.000) / 19.068.840 / 2 rows = 7.562,19… per row,
        // 0,756219 / 2 = 37,81 %.
        QTest::newRow("beschaedigte Reihe")
            << QVector<Tippreihe>{{{1, 2, 3, 4, 5}, 7}, {{1, 2, 3, 0, 4}, 0}} << 2.0F << QStringLiteral("37,81 %")
            << 3.0 * (198'701'475'000.0 + 89'703'000'000.0) / MoeglicheZiehungen;
    }
    void erwarteterRuecklauf()
    {
        QFETCH(QVector<Tippreihe>, reihen);
        QFETCH(float, preis);
        QFETCH(QString, text);
        QFETCH(double, erwartet);
        Zustand zustand;
        zustand.Formateinstellungen = deutsch;
        zustand.Reihenpreis = preis;
        for (int i = 0; i < 3; ++i) {
            TGewZahlen z;
            z.datum = 45292.0 + 7 * i;
            z.GZ = {1, 2, 3, 4, 5};
            z.bonus = 7;
            zustand.Ziehungen.append(z);
        }
        const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 1, 1, 2, 0, true);
        QCOMPARE(e.status, Auswertungsstatus::Ok);
        QCOMPARE(KennzahlenTexte(e, deutsch).erwarteterRuecklauf, text);
        QVERIFY(std::abs(e.erwartet - erwartet) < 1e-6);
    }
};

QTEST_GUILESS_MAIN(TestGewinnchancen)
#include "tst_gewinnchancen.moc"
