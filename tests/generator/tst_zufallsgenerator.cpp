// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Reihenpruefung.h"
#include "generator/Zufallsauswahl.h"
#include "generator/Zufallsgenerator.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <set>

namespace {

Zahlenmenge mengeAus(std::initializer_list<int> zahlen)
{
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzu(static_cast<std::uint8_t>(n));
    return m;
}

Zahlenmenge mengeVonBis(int von, int bis)
{
    Zahlenmenge m;
    for (int n = von; n <= bis; ++n)
        m.hinzu(static_cast<std::uint8_t>(n));
    return m;
}

Reihenbits bitsVon(const Zufallsreihen &reihen, int r)
{
    Reihenbits bits = 0;
    for (int s = 0; s < ZahlenProReihe; ++s)
        bits |= Reihenbits{1} << reihen.zahl(r, s);
    return bits;
}

// Checks what every run must give: rows of five different numbers in ascending order, all
// bank numbers and no quota killer in each, no row twice, and the counts of the numbers.
void pruefeReihen(const Zufallsvorgaben &v, const Zufallsreihen &reihen)
{
    QCOMPARE(reihen.anzahl(), v.ZufReihenAnz);
    std::set<Reihenbits> gesehen;
    std::array<std::int32_t, MaxZahl + 1> gezaehlt{};
    for (int r = 0; r < reihen.anzahl(); ++r) {
        for (int s = 0; s < ZahlenProReihe; ++s) {
            const int n = reihen.zahl(r, s);
            QVERIFY(istZahl(n));
            QVERIFY(!v.KillGewaehlt.enthaelt(static_cast<std::uint8_t>(n)));
            if (s > 0)
                QVERIFY(reihen.zahl(r, s - 1) < n);
            ++gezaehlt[static_cast<std::size_t>(n)];
        }
        const Reihenbits bits = bitsVon(reihen, r);
        QCOMPARE(bits & v.BZGewaehlt.ersteWort(), v.BZGewaehlt.ersteWort());
        QVERIFY2(gesehen.insert(bits).second, "a row came twice");
    }
    QVERIFY(gezaehlt == reihen.NrCount());
    std::int64_t summe = 0;
    for (int n = 1; n <= MaxZahl; ++n) {
        summe += reihen.NrCount()[static_cast<std::size_t>(n)];
        if (v.BZGewaehlt.enthaelt(static_cast<std::uint8_t>(n)))
            QCOMPARE(reihen.NrCount()[static_cast<std::size_t>(n)], v.ZufReihenAnz);
    }
    QCOMPARE(summe, std::int64_t{5} * v.ZufReihenAnz);
}

} // namespace

class TestZufallsgenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every row of five numbers has its own place, and the places fill 0 .. 1,906,883.
    void reihenindexZaehltJedeReiheEinmal()
    {
        std::vector<bool> belegt(AlleReihen, false);
        int reihen = 0;
        for (int a = 1; a <= 45; ++a)
            for (int b = a + 1; b <= 46; ++b)
                for (int c = b + 1; c <= 47; ++c)
                    for (int d = c + 1; d <= 48; ++d)
                        for (int e = d + 1; e <= 49; ++e) {
                            const Reihenbits bits = (Reihenbits{1} << a) | (Reihenbits{1} << b) | (Reihenbits{1} << c) |
                                                    (Reihenbits{1} << d) | (Reihenbits{1} << e);
                            const std::int32_t i = ReihenIndex(bits);
                            if (i < 0 || i >= AlleReihen || belegt[static_cast<std::size_t>(i)])
                                QFAIL(qPrintable(
                                    QStringLiteral("%1 %2 %3 %4 %5 -> %6").arg(a).arg(b).arg(c).arg(d).arg(e).arg(i)));
                            belegt[static_cast<std::size_t>(i)] = true;
                            ++reihen;
                        }
        QCOMPARE(reihen, AlleReihen);
    }

    void machbarkeit_data()
    {
        QTest::addColumn<Zahlenmenge>("bank");
        QTest::addColumn<Zahlenmenge>("kill");
        QTest::addColumn<int>("reihen");
        QTest::addColumn<bool>("abgelehnt");
        const Zahlenmenge keine;
        const Zahlenmenge fuenfBank = mengeAus({3, 12, 25, 38, 47});
        const Zahlenmenge vierBank = mengeAus({1, 2, 3, 4});
        QTest::newRow("no constraints, one row") << keine << keine << 1 << false;
        QTest::newRow("all rows") << keine << keine << AlleReihen << false;
        QTest::newRow("one row more than all") << keine << keine << AlleReihen + 1 << true;
        QTest::newRow("five bank numbers, one row") << fuenfBank << keine << 1 << false;
        QTest::newRow("five bank numbers, two rows") << fuenfBank << keine << 2 << true;
        QTest::newRow("four bank, 44 killers, one row") << vierBank << mengeVonBis(5, 48) << 1 << false;
        QTest::newRow("four bank, 44 killers, two rows") << vierBank << mengeVonBis(5, 48) << 2 << true;
        QTest::newRow("45 killers") << keine << mengeVonBis(1, 45) << 1 << true;
        QTest::newRow("largest 32-bit request") << keine << keine << std::numeric_limits<std::int32_t>::max() << true;
    }
    void machbarkeit()
    {
        QFETCH(Zahlenmenge, bank);
        QFETCH(Zahlenmenge, kill);
        QFETCH(int, reihen);
        QFETCH(bool, abgelehnt);
        Zufallsvorgaben v;
        v.ZufReihenAnz = reihen;
        v.BZGewaehlt = bank;
        v.KillGewaehlt = kill;
        const QString meldung = ZufallPruefen(v);
        if (!abgelehnt) {
            QVERIFY(meldung.isEmpty());
            return;
        }
        QCOMPARE(meldung, QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, %1 Tippreihen zu "
                                         "bilden.\n\nich muss abbrechen.")
                              .arg(reihen));
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 1);
        QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Abgelehnt);
        QCOMPARE(e.meldung, meldung);
        QVERIFY(e.reihen.leer());
    }

    void keineReiheIstKeineAnfrage()
    {
        Zufallsvorgaben v;
        v.ZufReihenAnz = 0;
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 1);
        QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Abgelehnt);
        QCOMPARE(e.meldung, MeldungAnzahlUngueltig);
    }

    void laeufe_data()
    {
        QTest::addColumn<Zahlenmenge>("bank");
        QTest::addColumn<Zahlenmenge>("kill");
        QTest::addColumn<Zahlenmenge>("fav");
        QTest::addColumn<int>("reihen");
        const Zahlenmenge keine;
        QTest::newRow("one row") << keine << keine << keine << 1;
        QTest::newRow("five bank numbers") << mengeAus({3, 12, 25, 38, 47}) << keine << keine << 1;
        QTest::newRow("four bank, 44 killers") << mengeAus({1, 2, 3, 4}) << mengeVonBis(5, 48) << keine << 1;
        QTest::newRow("mixed") << mengeAus({7, 19}) << mengeAus({1, 2, 3, 48}) << mengeAus({33, 45}) << 5000;
        // Every row there is: the last ones are found only among many duplicates.
        QTest::newRow("every row of three bank numbers")
            << mengeAus({10, 20, 30}) << keine << mengeAus({11, 12}) << 1035;
    }
    void laeufe()
    {
        QFETCH(Zahlenmenge, bank);
        QFETCH(Zahlenmenge, kill);
        QFETCH(Zahlenmenge, fav);
        QFETCH(int, reihen);
        Zufallsvorgaben v;
        v.ZufReihenAnz = reihen;
        v.BZGewaehlt = bank;
        v.KillGewaehlt = kill;
        v.FavGewaehlt = fav;
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, NeuerStartwert());
        QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Fertig);
        pruefeReihen(v, e.reihen);
        if (bank.anzahl() == 5)
            QCOMPARE(bitsVon(e.reihen, 0), bank.ersteWort());
        if (bank.anzahl() + kill.anzahl() == 48)
            QCOMPARE(bitsVon(e.reihen, 0), bank.ersteWort() | (Reihenbits{1} << 49));
    }

    void zusatzzahlen()
    {
        Zufallsvorgaben v;
        v.ZufReihenAnz = 2000;
        const Zufallsergebnis gezogen = ZufallszahlenErmitteln(v, 7);
        std::set<int> werte;
        for (int r = 0; r < gezogen.reihen.anzahl(); ++r) {
            bool ok = false;
            werte.insert(gezogen.reihen.zusatzzahl(r).toInt(&ok));
            QVERIFY(ok);
        }
        QCOMPARE(werte, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

        v.festeZusatzzahl = QStringLiteral("07");
        const Zufallsergebnis fest = ZufallszahlenErmitteln(v, 7);
        for (int r = 0; r < fest.reihen.anzahl(); ++r)
            QCOMPARE(fest.reihen.zusatzzahl(r), QStringLiteral("07"));
        // The Zusatzzahl is drawn after the rows: the rows themselves do not depend on it.
        for (int r = 0; r < fest.reihen.anzahl(); ++r)
            QCOMPARE(bitsVon(fest.reihen, r), bitsVon(gezogen.reihen, r));
    }

    // The bit field answers exactly like the comparison with every accepted row: from the same
    // start value both give the very same rows, here with about 40 % of all draws thrown away.
    void bitfeldWieListe()
    {
        Zufallsvorgaben v;
        v.ZufReihenAnz = 1000;
        v.BZGewaehlt = mengeAus({10, 20, 30});
        v.FavGewaehlt = mengeAus({5, 6, 7});
        for (const std::uint64_t start : {std::uint64_t{1}, std::uint64_t{99}, NeuerStartwert()}) {
            Reihenbitfeld feld;
            Reihenliste liste(v.ZufReihenAnz);
            const Zufallsergebnis a = ZufallszahlenErmittelnMit(feld, v, start);
            const Zufallsergebnis b = ZufallszahlenErmittelnMit(liste, v, start);
            QCOMPARE(a.reihen.anzahl(), v.ZufReihenAnz);
            QCOMPARE(b.reihen.anzahl(), v.ZufReihenAnz);
            for (int r = 0; r < v.ZufReihenAnz; ++r) {
                QCOMPARE(bitsVon(a.reihen, r), bitsVon(b.reihen, r));
                QCOMPARE(a.reihen.zusatzzahl(r), b.reihen.zusatzzahl(r));
            }
        }
    }

    void abbrechen()
    {
        Zufallsvorgaben v;
        v.ZufReihenAnz = AlleReihen;
        std::int32_t zuletzt = -1;
        int aufrufe = 0;
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 3, [&](std::int32_t angenommen) {
            zuletzt = angenommen;
            return ++aufrufe < 5;
        });
        QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Abgebrochen);
        QVERIFY(e.reihen.leer());
        QCOMPARE(aufrufe, 5);
        QVERIFY(zuletzt > 0 && zuletzt <= 5 * 4096);
    }

    // Drawn directly (a request of more than a tenth of the rows) or by picks from the pot, the
    // rows come with the chances the pot gives them: the first row of a run, and the first two
    // as an ordered pair (a row drawn again being thrown away), against the exact chances, by a
    // chi-square test at fixed start values. Bank number 1, killers 8..49 and favourites 2 and 3
    // leave 15 rows of 2..7 with chances from 1.4 % to 14 %.
    void verteilungWieDerTopf_data()
    {
        QTest::addColumn<int>("reihen");
        QTest::addColumn<int>("laeufe");
        QTest::newRow("direct, 3 of 15 rows") << 3 << 40000;
        QTest::newRow("picks from the pot, 1 of 15 rows") << 1 << 20000;
        QTest::newRow("direct, every row") << 15 << 40000;
    }
    void verteilungWieDerTopf()
    {
        QFETCH(int, reihen);
        QFETCH(int, laeufe);
        Zufallsvorgaben v;
        v.ZufReihenAnz = reihen;
        v.BZGewaehlt = mengeAus({1});
        v.KillGewaehlt = mengeVonBis(8, 49);
        v.FavGewaehlt = mengeAus({2, 3});
        QCOMPARE(MoeglicheReihen(v), std::int64_t{15});

        // The chance of each row: every order of its four drawable numbers, each pick by its
        // weight among the numbers not yet in the row (2 for a favourite, 1 else; 8 in all).
        const auto gewicht = [](int n) { return n <= 3 ? 2.0 : 1.0; };
        std::map<Reihenbits, double> chance;
        for (int a = 2; a <= 7; ++a)
            for (int b = a + 1; b <= 7; ++b)
                for (int c = b + 1; c <= 7; ++c)
                    for (int d = c + 1; d <= 7; ++d) {
                        std::array<int, 4> folge{a, b, c, d};
                        double p = 0.0;
                        do {
                            double q = 1.0, rest = 8.0;
                            for (int n : folge) {
                                q *= gewicht(n) / rest;
                                rest -= gewicht(n);
                            }
                            p += q;
                        } while (std::next_permutation(folge.begin(), folge.end()));
                        chance[(Reihenbits{1} << 1) | (Reihenbits{1} << a) | (Reihenbits{1} << b) |
                               (Reihenbits{1} << c) | (Reihenbits{1} << d)] = p;
                    }
        double summe = 0.0;
        for (const auto &[reihe, p] : chance)
            summe += p;
        QVERIFY(std::abs(summe - 1.0) < 1e-12);

        std::map<Reihenbits, int> erste;
        std::map<std::pair<Reihenbits, Reihenbits>, int> paare;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            const Zufallsergebnis e = ZufallszahlenErmitteln(v, static_cast<std::uint64_t>(lauf) * 7919 + 1);
            QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Fertig);
            if (lauf < 50)
                pruefeReihen(v, e.reihen);
            ++erste[bitsVon(e.reihen, 0)];
            if (reihen > 1)
                ++paare[{bitsVon(e.reihen, 0), bitsVon(e.reihen, 1)}];
        }
        // The 0.1 % point of chi-square (Wilson and Hilferty): a fault-free run fails once in a
        // thousand start values, and these start values are fixed.
        const auto grenze = [](int freiheitsgrade) {
            const double k = freiheitsgrade;
            const double t = 1.0 - 2.0 / (9.0 * k) + 3.0902 * std::sqrt(2.0 / (9.0 * k));
            return k * t * t * t;
        };
        double chi = 0.0;
        for (const auto &[reihe, p] : chance) {
            const double erwartet = laeufe * p;
            chi += (erste[reihe] - erwartet) * (erste[reihe] - erwartet) / erwartet;
        }
        QVERIFY2(chi < grenze(14), qPrintable(QStringLiteral("first rows: chi %1, limit %2").arg(chi).arg(grenze(14))));
        if (reihen == 1)
            return;
        chi = 0.0;
        for (const auto &[a, pa] : chance)
            for (const auto &[b, pb] : chance) {
                if (a == b)
                    continue;
                const double erwartet = laeufe * pa * pb / (1.0 - pa);
                const int gezaehlt = paare[{a, b}];
                chi += (gezaehlt - erwartet) * (gezaehlt - erwartet) / erwartet;
            }
        QVERIFY2(chi < grenze(209), qPrintable(QStringLiteral("pairs: chi %1, limit %2").arg(chi).arg(grenze(209))));
    }

    // Every row there is, drawn directly: each once, in the right counts.
    void alleReihenDirekt()
    {
        Zufallsvorgaben v;
        v.ZufReihenAnz = AlleReihen;
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 11);
        QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Fertig);
        QCOMPARE(e.reihen.anzahl(), AlleReihen);
        for (int n = 1; n <= MaxZahl; ++n)
            QCOMPARE(e.reihen.NrCount()[static_cast<std::size_t>(n)], 194580); // 5 * C(49,5) / 49
        // Every row once, its numbers ascending (checked plainly: two million checks by QVERIFY
        // would take the test's time).
        Reihenbitfeld gesehen;
        int fehler = 0;
        for (int r = 0; r < e.reihen.anzahl(); ++r) {
            for (int s = 1; s < ZahlenProReihe; ++s)
                fehler += e.reihen.zahl(r, s - 1) >= e.reihen.zahl(r, s);
            fehler += !gesehen.neu(bitsVon(e.reihen, r));
        }
        QCOMPARE(fehler, 0);
        // The same start value gives the same rows; the Zusatzzahlen do not change them.
        Zufallsvorgaben fest = v;
        fest.festeZusatzzahl = QStringLiteral("3");
        const Zufallsergebnis wieder = ZufallszahlenErmitteln(fest, 11);
        for (int r = 0; r < e.reihen.anzahl(); r += 997)
            QCOMPARE(bitsVon(wieder.reihen, r), bitsVon(e.reihen, r));
        QCOMPARE(wieder.reihen.zusatzzahl(5), QStringLiteral("3"));
    }

    // Favourites stand twice in the pot, so each pick hits a favourite twice as often as any
    // other number; but a pick that hits a number already in the row is picked again, which
    // takes favourites out of the pot more often. With 3 favourites (weight 2) and 46 other
    // numbers (weight 1), f, the number of favourites in one row, follows from the five
    // weighted picks without replacement (computed below): E[f] = 0.55600, Var[f] = 0.42094.
    // The ratio of a favourite's mean count to another number's mean count is then
    // (E[f] / 3) / ((5 - E[f]) / 46) = 1.91840, not 2.
    //
    // Rows are independent, so over n rows the ratio R = (46/3) S / (5n - S) with S the sum of
    // the f has, by the delta method, the standard deviation
    // sd = (46/3) * 5 * sqrt(Var[f]) / ((5 - E[f])^2 * sqrt(n)) = 0.0178 for n = 20,000.
    // Throwing duplicates away takes slightly more favourite-rich rows out: about n^2/2 * sum p^2
    // = 132 thrown rows with E[f] = 0.924 instead of 0.556, which lowers the expected ratio by
    // 0.0094 to 1.9090. The test allows 3 sd = 0.053 around that; 2.0 lies 5 sd away.
    void favoritenVerhaeltnis()
    {
        constexpr int fav = 3;
        constexpr int andere = MaxZahl - fav;
        constexpr int n = 20000;

        // The distribution of f after five picks, and the probability sum of equal rows.
        std::array<double, fav + 1> verteilung{1.0};
        for (int zug = 0; zug < ZahlenProReihe; ++zug) {
            std::array<double, fav + 1> neu{};
            for (int f = 0; f <= fav && f <= zug; ++f) {
                const int m = zug - f;
                const double gewicht = 2.0 * (fav - f) + (andere - m);
                if (f < fav)
                    neu[f + 1] += verteilung[f] * 2.0 * (fav - f) / gewicht;
                neu[f] += verteilung[f] * (andere - m) / gewicht;
            }
            verteilung = neu;
        }
        double ef = 0, ef2 = 0, summeP2 = 0, summeP2f = 0;
        for (int f = 0; f <= fav; ++f) {
            ef += f * verteilung[f];
            ef2 += f * f * verteilung[f];
            const double zeilen = std::tgamma(fav + 1) / (std::tgamma(f + 1) * std::tgamma(fav - f + 1)) *
                                  std::tgamma(andere + 1) /
                                  (std::tgamma(ZahlenProReihe - f + 1) * std::tgamma(andere - 5 + f + 1));
            summeP2 += verteilung[f] * verteilung[f] / zeilen;
            summeP2f += f * verteilung[f] * verteilung[f] / zeilen;
        }
        const double varf = ef2 - ef * ef;
        const auto verhaeltnis = [&](double s) { return (double(andere) / fav) * s / (5.0 * n - s); };
        const double erwartetJeReihe = verhaeltnis(n * ef);
        QVERIFY(std::abs(erwartetJeReihe - 1.9184) < 1e-4);
        const double doppelte = double(n) * n / 2 * summeP2;
        const double erwartet = verhaeltnis(n * ef - doppelte * (summeP2f / summeP2 - ef));
        const double sd = (double(andere) / fav) * 5.0 * std::sqrt(varf) / ((5.0 - ef) * (5.0 - ef) * std::sqrt(n));
        QVERIFY(std::abs(erwartet - 1.909) < 1e-3 && std::abs(sd - 0.0178) < 1e-3);

        Zufallsvorgaben v;
        v.ZufReihenAnz = n;
        v.FavGewaehlt = mengeAus({3, 17, 42});
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 20240101);
        pruefeReihen(v, e.reihen);
        double favSumme = 0, andereSumme = 0;
        for (int z = 1; z <= MaxZahl; ++z)
            (v.FavGewaehlt.enthaelt(static_cast<std::uint8_t>(z)) ? favSumme : andereSumme) +=
                e.reihen.NrCount()[static_cast<std::size_t>(z)];
        const double gemessen = (favSumme / fav) / (andereSumme / andere);
        QVERIFY2(std::abs(gemessen - erwartet) <= 3 * sd,
                 qPrintable(QStringLiteral("ratio %1, expected %2 +- %3").arg(gemessen).arg(erwartet).arg(3 * sd)));
    }

    void auswahl()
    {
        Zufallsauswahl a;
        using W = Zufallsauswahl::Wirkung;
        for (int n : {3, 17, 42, 8, 9})
            QCOMPARE(a.umschalten(100 + n), W::Gewaehlt);
        QCOMPARE(a.umschalten(106), W::ZuVieleBankzahlen);
        QCOMPARE(a.anzahl(Zufallsfeld::Bankzahlen), 5);
        // A number of another panel is never taken, even when a stored list asks for it.
        QCOMPARE(a.umschalten(203), W::Unveraendert);
        QCOMPARE(a.umschalten(317), W::Unveraendert);
        QCOMPARE(a.feldVon(17), 1);
        QCOMPARE(a.umschalten(117), W::Abgewaehlt);
        QCOMPARE(a.feldVon(17), 0);
        QCOMPARE(a.umschalten(317), W::Gewaehlt);
        QCOMPARE(a.umschalten(150), W::Unveraendert);
        QCOMPARE(a.umschalten(400 + 1), W::Unveraendert);

        // Bank numbers and quota killers together leave at least two numbers.
        Zufallsauswahl b;
        for (int n : {1, 2, 3})
            b.umschalten(100 + n);
        int killer = 0;
        for (int n = 4; n <= 49; ++n)
            if (b.umschalten(200 + n) == W::Gewaehlt)
                ++killer;
        QCOMPARE(killer, 45);
        QCOMPARE(b.umschalten(200 + 49), W::ZuVieleQuotenkiller);
        QCOMPARE(b.anzahl(Zufallsfeld::Quotenkiller), 45);
    }

    void zahlenlisten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("zahlen");
        QTest::newRow("stored") << QStringLiteral("3,17,42") << QList<int>{3, 17, 42};
        QTest::newRow("empty") << QString() << QList<int>{};
        QTest::newRow("order kept") << QStringLiteral("42,3") << QList<int>{42, 3};
        QTest::newRow("damaged") << QStringLiteral("3,,x,0,50, 7 ,-1") << QList<int>{3, 7};
    }
    void zahlenlisten()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, zahlen);
        QCOMPARE(ZahlenAusListe(text), zahlen);
    }

    void ordnungNachHaeufigkeit()
    {
        std::array<std::int32_t, MaxZahl + 1> zaehler{};
        for (int n = 1; n <= MaxZahl; ++n)
            zaehler[static_cast<std::size_t>(n)] = 10;
        zaehler[7] = 40; // a bank number: in every row
        zaehler[20] = 3;
        zaehler[5] = 3;
        zaehler[1] = 11;
        const std::array<int, MaxZahl> folge = NachHaeufigkeit(zaehler);
        QCOMPARE(folge[0], 5);
        QCOMPARE(folge[1], 20);
        QCOMPARE(folge[2], 2); // equal counts in ascending order
        QCOMPARE(folge[47], 1);
        QCOMPARE(folge[48], 7);
    }

    void tabelleFuerDasSpeichern()
    {
        Zufallsvorgaben v;
        v.ZufReihenAnz = 3;
        v.festeZusatzzahl = QStringLiteral("07");
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 5);
        const TextTabelle t = e.reihen.alsTabelle([](const QString &s) { return int(s.size()) * 6; });
        QCOMPARE(t.zeilen(), 4);
        QCOMPARE(t.spalten(), TippreihenSpalten);
        QCOMPARE(t.zelle(6, 0).trimmed(), QStringLiteral("ZZ"));
        for (int r = 1; r <= 3; ++r) {
            for (int s = 1; s <= 5; ++s)
                QCOMPARE(t.zelle(s, r), QString::number(e.reihen.zahl(r - 1, s - 1)));
            QCOMPARE(t.zelle(6, r), QStringLiteral("07"));
        }
    }
};

QTEST_GUILESS_MAIN(TestZufallsgenerator)
#include "tst_zufallsgenerator.moc"
