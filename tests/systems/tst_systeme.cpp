// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnchancen.h"
#include "systems/System.h"
#include "systems/Systemchancen.h"
#include "systems/Systemsuche.h"

#include <QtTest>

#include <algorithm>
#include <bit>
#include <random>
#include <set>

namespace {

using Reihen = std::vector<Reihenmaske>;

// The guarantee checked the plain way: rows and m-sets as lists of numbers, every m-set built by
// an odometer over the numbers 0..n-1, the hits counted by looking each number up.
int bruteForceFehlend(int n, const Reihen &reihen, Garantie g)
{
    std::vector<std::set<int>> zeilen;
    for (Reihenmaske r : reihen) {
        std::set<int> z;
        for (int i = 0; i < n; ++i)
            if (r >> i & 1U)
                z.insert(i);
        zeilen.push_back(z);
    }
    int fehlend = 0;
    std::vector<int> menge(static_cast<std::size_t>(g.wenn));
    for (int i = 0; i < g.wenn; ++i)
        menge[static_cast<std::size_t>(i)] = i;
    while (true) {
        bool gedeckt = false;
        for (const auto &z : zeilen) {
            int treffer = 0;
            for (int x : menge)
                treffer += static_cast<int>(z.count(x));
            gedeckt = gedeckt || treffer >= g.richtige;
        }
        fehlend += gedeckt ? 0 : 1;
        int i = g.wenn - 1;
        while (i >= 0 && menge[static_cast<std::size_t>(i)] == n - g.wenn + i)
            --i;
        if (i < 0)
            return fehlend;
        ++menge[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < g.wenn; ++j)
            menge[static_cast<std::size_t>(j)] = menge[static_cast<std::size_t>(j - 1)] + 1;
    }
}

Reihen zufallsreihen(int n, int anzahl, std::uint64_t startwert)
{
    std::mt19937_64 motor(startwert);
    Reihen reihen;
    while (static_cast<int>(reihen.size()) < anzahl) {
        Reihenmaske r = 0;
        while (std::popcount(r) < 5)
            r |= Reihenmaske{1} << (motor() % static_cast<unsigned>(n));
        reihen.push_back(r);
    }
    return reihen;
}

} // namespace

class TestSysteme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exakterTestGegenAbzaehlen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        QTest::addColumn<int>("reihen");
        for (const auto &[n, t, m, r] : {std::tuple{6, 4, 4, 3}, {7, 3, 4, 3}, {8, 2, 3, 2}, {9, 3, 5, 4},
                                         {9, 1, 2, 1}, {10, 4, 4, 30}, {8, 5, 5, 40}, {10, 2, 5, 2}})
            QTest::addRow("%d Zahlen, %d bei %d, %d Reihen", n, t, m, r) << n << t << m << r;
    }
    void exakterTestGegenAbzaehlen()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        QFETCH(int, reihen);
        const Garantie g{richtige, wenn};
        for (std::uint64_t s = 1; s <= 5; ++s) {
            const Reihen system = zufallsreihen(n, reihen, s);
            QCOMPARE(UngedeckteMengen(n, system, g), bruteForceFehlend(n, system, g));
        }
    }

    // The full system of 7 numbers without the three rows that hold 1, 2, 3 and 4 misses
    // exactly that one 4-set for "4 bei 4", and nothing for "3 bei 4".
    void systemOhneEineMenge()
    {
        Reihen reihen;
        for (Reihenmaske r : Vollsystem(7))
            if ((r & 0xFU) != 0xFU)
                reihen.push_back(r);
        QCOMPARE(reihen.size(), std::size_t{18});
        Reihenmaske erste = 0;
        QCOMPARE(UngedeckteMengen(7, reihen, {4, 4}, &erste), 1);
        QCOMPARE(erste, Reihenmaske{0xF});
        QCOMPARE(bruteForceFehlend(7, reihen, {4, 4}), 1);
        QVERIFY(GarantieHaelt(7, reihen, {3, 4}));
    }

    void vollsysteme_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("6") << 6 << 6;
        QTest::newRow("7") << 7 << 21;
        QTest::newRow("8") << 8 << 56;
    }
    void vollsysteme()
    {
        QFETCH(int, n);
        QFETCH(int, anzahl);
        const std::vector<int> zahlen{3, 7, 12, 19, 25, 33, 41, 49};
        const std::vector<int> gewaehlt(zahlen.begin(), zahlen.begin() + n);
        const Reihen reihen = Vollsystem(n);
        QCOMPARE(static_cast<int>(reihen.size()), anzahl);
        QCOMPARE(static_cast<int>(std::set<Reihenmaske>(reihen.begin(), reihen.end()).size()), anzahl);
        for (Reihenmaske r : reihen)
            QCOMPARE(std::popcount(r), 5);
        QVERIFY(GarantieHaelt(n, reihen, {5, 5}));
        // Rows in reading order: first the lowest five numbers, last the highest.
        QCOMPARE(ReihenZahlen(gewaehlt, reihen.front()), (std::array<std::uint8_t, 5>{3, 7, 12, 19, 25}));
        const auto letzte = ReihenZahlen(gewaehlt, reihen.back());
        QCOMPARE(int(letzte[4]), gewaehlt.back());
        QCOMPARE(int(letzte[0]), gewaehlt[static_cast<std::size_t>(n - 5)]);
        for (std::size_t i = 1; i < reihen.size(); ++i)
            QVERIFY(ReihenZahlen(gewaehlt, reihen[i - 1]) < ReihenZahlen(gewaehlt, reihen[i]));
    }

    // The best known sizes of C(n,5,4): the search reaches them with a fixed budget.
    void suchtBekannteGroessen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("groesse");
        QTest::newRow("6") << 6 << 5;
        QTest::newRow("7") << 7 << 9;
        QTest::newRow("8") << 8 << 20;
        QTest::newRow("9") << 9 << 30;
    }
    void suchtBekannteGroessen()
    {
        QFETCH(int, n);
        QFETCH(int, groesse);
        const Systemsuchvorgaben v{n, {4, 4}, 20261210, 2'000'000, 0};
        const Systemsuchergebnis e = SystemSuchen(v);
        QCOMPARE(static_cast<int>(e.reihen.size()), groesse);
        QCOMPARE(bruteForceFehlend(n, e.reihen, v.garantie), 0);
        // Repeatable: the same start value and the moves it took give the same rows.
        const Systemsuchergebnis wieder = SystemSuchen({n, {4, 4}, 20261210, e.schritte, 0});
        QCOMPARE(wieder.reihen, e.reihen);
    }

    // Other guarantees: whatever the search stops at is complete and no smaller than the bound.
    void andereGarantien_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        for (const auto &[n, t, m] : {std::tuple{12, 3, 4}, {14, 3, 5}, {11, 2, 5}, {10, 1, 3}, {13, 3, 3}, {9, 4, 5}})
            QTest::addRow("%d Zahlen, %d bei %d", n, t, m) << n << t << m;
    }
    void andereGarantien()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        const Garantie g{richtige, wenn};
        const Systemsuchergebnis e = SystemSuchen({n, g, 7, 50'000, 0});
        QCOMPARE(bruteForceFehlend(n, e.reihen, g), 0);
        QVERIFY(static_cast<std::int64_t>(e.reihen.size()) >= Untergrenze(n, g));
    }

    // A cancelled search still hands back a complete system.
    void abbruchBehaeltSystem()
    {
        std::atomic<bool> abbruch{true};
        const Systemsuchergebnis e = SystemSuchen({12, {4, 4}, 1, 0, 0}, &abbruch);
        QVERIFY(e.abgebrochen);
        QVERIFY(!e.reihen.empty());
        QVERIFY(GarantieHaelt(12, e.reihen, {4, 4}));
    }

    void untergrenzen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        QTest::addColumn<int>("grenze");
        // Schönheim bounds of C(n,5,4).
        for (const auto &[n, l] : {std::pair{6, 5}, {7, 9}, {8, 18}, {9, 26}, {10, 50}, {11, 66}, {12, 113}})
            QTest::addRow("%d Zahlen, 4 bei 4", n) << n << 4 << 4 << l;
        QTest::newRow("10 Zahlen, 3 bei 3") << 10 << 3 << 3 << 14;
        // 210 4-sets, a row serves C(5,3)·5 + C(5,4) = 55 of them.
        QTest::newRow("10 Zahlen, 3 bei 4") << 10 << 3 << 4 << 4;
        // At most m-1 numbers may lie outside every row.
        QTest::newRow("12 Zahlen, 1 bei 1") << 12 << 1 << 1 << 3;
        QTest::newRow("20 Zahlen, 1 bei 3") << 20 << 1 << 3 << 4;
    }
    void untergrenzen()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        QFETCH(int, grenze);
        QCOMPARE(Untergrenze(n, {richtige, wenn}), grenze);
    }

    // The chance table against a plain count over every draw and Zusatzzahl.
    void chancenGegenAbzaehlen()
    {
        const std::vector<int> zahlen{4, 9, 17, 23, 30, 38, 45};
        const int n = 7;
        const Reihen reihen = SystemSuchen({n, {3, 4}, 3, 10'000, 0}).reihen;
        std::vector<std::uint8_t> zz;
        for (std::size_t r = 0; r < reihen.size(); ++r)
            zz.push_back(static_cast<std::uint8_t>(r % 3 + 1)); // two rows may share one
        const Systemchancen c = SystemchancenBerechnen(n, reihen, zz, 4);

        std::vector<std::uint64_t> zeilen;
        for (Reihenmaske r : reihen) {
            std::uint64_t z = 0;
            for (std::uint8_t x : ReihenZahlen(zahlen, r))
                z |= std::uint64_t{1} << x;
            zeilen.push_back(z);
        }
        std::uint64_t gewaehlt = 0;
        for (int x : zahlen)
            gewaehlt |= std::uint64_t{1} << x;
        Systemchancen erwartet;
        for (int a = 1; a <= 45; ++a)
            for (int b = a + 1; b <= 46; ++b)
                for (int c3 = b + 1; c3 <= 47; ++c3)
                    for (int d = c3 + 1; d <= 48; ++d)
                        for (int e = d + 1; e <= 49; ++e) {
                            const std::uint64_t ziehung = (1ULL << a) | (1ULL << b) | (1ULL << c3) | (1ULL << d) |
                                                          (1ULL << e);
                            erwartet.garantieGreift += std::popcount(ziehung & gewaehlt) >= 4;
                            for (int z = 1; z <= 10; ++z) {
                                std::array<bool, AnzahlGewinnklassen> da{};
                                bool gewonnen = false;
                                for (std::size_t r = 0; r < zeilen.size(); ++r) {
                                    const int klasse = KlasseFuer(std::popcount(ziehung & zeilen[r]), zz[r] == z);
                                    if (klasse == 0)
                                        continue;
                                    da[static_cast<std::size_t>(klasse - 1)] = true;
                                    ++erwartet.reihenSumme[static_cast<std::size_t>(klasse - 1)];
                                    erwartet.erwartungSumme += Gewinnklassen[static_cast<std::size_t>(klasse - 1)].Gewinn;
                                    gewonnen = true;
                                }
                                for (std::size_t k = 0; k < da.size(); ++k)
                                    erwartet.mindestensEine[k] += da[k];
                                erwartet.gewinn += gewonnen;
                            }
                        }
        QCOMPARE(c.mindestensEine, erwartet.mindestensEine);
        QCOMPARE(c.reihenSumme, erwartet.reihenSumme);
        QCOMPARE(c.gewinn, erwartet.gewinn);
        QCOMPARE(c.erwartungSumme, erwartet.erwartungSumme);
        QCOMPARE(c.garantieGreift, erwartet.garantieGreift);
        // The expected amount is the single rows' expectations added up.
        QCOMPARE(c.erwartungSumme, static_cast<std::int64_t>(reihen.size()) * ErwartungMalZiehungen());
    }

    // Many rows in many words, shared among threads: the same counts as a plain walk that
    // looks at every row for every subset of at most five chosen numbers.
    void chancenVielerReihen()
    {
        const int n = 20;
        Reihen reihen = Vollsystem(n);
        std::mt19937_64 motor(11);
        std::shuffle(reihen.begin(), reihen.end(), motor);
        reihen.resize(1500);
        std::vector<std::uint8_t> zz(reihen.size());
        for (auto &z : zz)
            z = static_cast<std::uint8_t>(motor() % 10 + 1);
        zz[7] = 0; // a row without a valid Zusatzzahl still counts by its numbers
        const Systemchancen c = SystemchancenBerechnen(n, reihen, zz, 4);

        Systemchancen erwartet;
        for (std::uint32_t teil = 1; teil < (1U << n); ++teil) {
            const int k = std::popcount(teil);
            if (k > 5)
                continue;
            std::int64_t gewicht = 1; // the draw's other numbers among the 29 outside
            for (int i = 0; i < 5 - k; ++i)
                gewicht = gewicht * (29 - i) / (i + 1);
            for (int z = 1; z <= 10; ++z) {
                std::array<bool, AnzahlGewinnklassen> da{};
                for (std::size_t r = 0; r < reihen.size(); ++r) {
                    const int klasse = KlasseFuer(std::popcount(reihen[r] & teil), zz[r] == z);
                    if (klasse == 0)
                        continue;
                    da[static_cast<std::size_t>(klasse - 1)] = true;
                    erwartet.reihenSumme[static_cast<std::size_t>(klasse - 1)] += gewicht;
                    erwartet.erwartungSumme += gewicht * Gewinnklassen[static_cast<std::size_t>(klasse - 1)].Gewinn;
                }
                for (std::size_t k2 = 0; k2 < da.size(); ++k2)
                    erwartet.mindestensEine[k2] += da[k2] ? gewicht : 0;
                erwartet.gewinn += std::any_of(da.begin(), da.end(), [](bool b) { return b; }) ? gewicht : 0;
            }
        }
        QCOMPARE(c.mindestensEine, erwartet.mindestensEine);
        QCOMPARE(c.reihenSumme, erwartet.reihenSumme);
        QCOMPARE(c.gewinn, erwartet.gewinn);
        QCOMPARE(c.erwartungSumme, erwartet.erwartungSumme);
    }

    // Cancelled, the count hands back nothing; unhindered it reports every part once.
    void chancenAbbrechen()
    {
        const Reihen reihen = Vollsystem(14);
        const std::vector<std::uint8_t> zz(reihen.size(), 1);
        std::atomic<bool> abbruch{true};
        QVERIFY(!SystemchancenZaehlen(14, reihen, zz, 5, &abbruch).has_value());
        abbruch = false;
        int letzte = 0;
        int gesamt = 0;
        QVERIFY(SystemchancenZaehlen(14, reihen, zz, 5, &abbruch, [&](int erledigt, int alle) {
                    QVERIFY(erledigt > letzte && erledigt <= alle);
                    letzte = erledigt;
                    gesamt = alle;
                }).has_value());
        QVERIFY(gesamt > 0);
        QVERIFY(letzte <= gesamt);
    }

    // "Reihen im Mittel": three significant digits, half away from zero, never an exponent.
    void mittelText_data()
    {
        QTest::addColumn<qint64>("guenstig");
        QTest::addColumn<qint64>("moeglich");
        QTest::addColumn<QString>("text");
        const qint64 alle = MoeglicheZiehungen;
        QTest::newRow("7 von allen") << qint64{7} << alle << QStringLiteral("0,000000367");
        QTest::newRow("1 von allen") << qint64{1} << alle << QStringLiteral("0,0000000524");
        QTest::newRow("0,754") << qint64{754} << qint64{1000} << QStringLiteral("0,754");
        QTest::newRow("3,6 ohne Nullen") << qint64{3600} << qint64{1000} << QStringLiteral("3,6");
        QTest::newRow("3,605 aufgerundet") << qint64{3605} << qint64{1000} << QStringLiteral("3,61");
        QTest::newRow("454") << qint64{454} << qint64{1} << QStringLiteral("454");
        QTest::newRow("454,5 aufgerundet") << qint64{4545} << qint64{10} << QStringLiteral("455");
        QTest::newRow("ganzer Teil voll") << qint64{23264} << qint64{10} << QStringLiteral("2.326");
        QTest::newRow("Rundung über die Stelle") << qint64{9995} << qint64{10000} << QStringLiteral("1");
        QTest::newRow("2 von allen") << qint64{2} << alle << QStringLiteral("0,000000105");
        QTest::newRow("knapp unter 10^-7") << qint64{999} << qint64{10'000'000'000} << QStringLiteral("0,0000000999");
        QTest::newRow("auf 10^-7 gerundet") << qint64{9995} << qint64{100'000'000'000} << QStringLiteral("0,0000001");
        QTest::newRow("keine") << qint64{0} << alle << QStringLiteral("0");
    }
    void mittelText()
    {
        QFETCH(qint64, guenstig);
        QFETCH(qint64, moeglich);
        QFETCH(QString, text);
        QCOMPARE(MittelText(guenstig, moeglich, QLocale(QLocale::German, QLocale::Germany)), text);
    }

    // One row: its class 1 lands in one outcome of all, and the expectation shows in cents.
    void chancentexteEinerReihe()
    {
        const QLocale de(QLocale::German, QLocale::Germany);
        const Systemchancen c = SystemchancenBerechnen(6, {0x1F}, {3}, 5);
        const TextTabelle t = SystemchancenTabelle(c, de);
        QCOMPARE(t.zelle(4, 1), QStringLiteral("0,0000000524"));
        for (int z = 1; z < t.zeilen(); ++z)
            QVERIFY2(!t.zelle(4, z).contains(QLatin1Char('E')), qPrintable(t.zelle(4, z)));
        const auto cent = std::llround(static_cast<double>(ErwartungMalZiehungen()) / MoeglicheZiehungen / 100.0);
        QCOMPARE(ErwartungCent(c), cent);
        QCOMPARE(SystemkennzahlenTexte(c, 2.0F, de).erwartung, BetragZuWaehrung(cent * 100, de));
        QVERIFY(SystemkennzahlenTexte(c, 2.0F, de).erwartung.contains(QRegularExpression(QStringLiteral("^\\d+,\\d\\d\\D*\u20AC$"))));
    }

    void garantieInWorten()
    {
        QCOMPARE(GarantieText(10, Garantie{3, 4}),
                 QStringLiteral("Sind mindestens 4 der 5 Gewinnzahlen unter Ihren 10 Zahlen, hat mindestens eine "
                                "Reihe 3 oder mehr Richtige."));
        QCOMPARE(GarantieKurz({3, 4}), QStringLiteral("3 bei 4"));
    }
};

QTEST_GUILESS_MAIN(TestSysteme)
#include "tst_systeme.moc"
