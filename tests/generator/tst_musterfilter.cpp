// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Musterfilter.h"
#include "generator/Zufallsgenerator.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <set>

Q_DECLARE_METATYPE(Musterart)
Q_DECLARE_METATYPE(Musterfilter)
Q_DECLARE_METATYPE(Zahlenmenge)

namespace {

Zahlenmenge mengeAus(std::initializer_list<int> zahlen)
{
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzu(static_cast<std::uint8_t>(n));
    return m;
}

Musterfilter filterAus(const QString &summe, const QString &gerade, const QString &klein, const QString &folge,
                       const QString &zehner)
{
    Musterfilter f;
    const QString texte[] = {summe, gerade, klein, folge, zehner};
    for (const Musterart art : AlleMusterarten) {
        bool ok = false;
        f.setze(art, Musterfilter::lesen(art, texte[static_cast<int>(art)], &ok));
        Q_ASSERT(ok);
    }
    return f;
}

// The same count the slow way: every row from its five numbers, patterns from integers.
std::int64_t bruteForce(const Zahlenmenge &bank, const Zahlenmenge &kill, const Musterfilter &f)
{
    const auto innen = [&f](Musterart art, int w) {
        const auto &b = f.bereich(art);
        return !b || (w >= b->von && w <= b->bis);
    };
    std::int64_t anzahl = 0;
    for (int a = 1; a <= 45; ++a)
        for (int b = a + 1; b <= 46; ++b)
            for (int c = b + 1; c <= 47; ++c)
                for (int d = c + 1; d <= 48; ++d)
                    for (int e = d + 1; e <= 49; ++e) {
                        const int z[5] = {a, b, c, d, e};
                        int treffer = 0, gerade = 0, klein = 0, folge = 1, lauf = 1, zehner = 0;
                        int gruppe[5] = {};
                        bool getoetet = false;
                        for (int i = 0; i < 5; ++i) {
                            treffer += bank.enthaelt(static_cast<std::uint8_t>(z[i]));
                            getoetet |= kill.enthaelt(static_cast<std::uint8_t>(z[i]));
                            gerade += z[i] % 2 == 0;
                            klein += z[i] <= 24;
                            zehner = std::max(zehner, ++gruppe[z[i] / 10]);
                            if (i > 0) {
                                lauf = z[i] == z[i - 1] + 1 ? lauf + 1 : 1;
                                folge = std::max(folge, lauf);
                            }
                        }
                        anzahl += treffer == bank.anzahl() && !getoetet && innen(Musterart::Summe, a + b + c + d + e) &&
                                  innen(Musterart::Gerade, gerade) && innen(Musterart::Klein, klein) &&
                                  innen(Musterart::Folge, folge) && innen(Musterart::Zehnergruppe, zehner);
                    }
    return anzahl;
}

Zufallsvorgaben vorgaben(int anzahl, const Musterfilter &f, Zahlenmenge bank = {}, Zahlenmenge kill = {},
                         Zahlenmenge fav = {})
{
    Zufallsvorgaben v;
    v.ZufReihenAnz = anzahl;
    v.BZGewaehlt = bank;
    v.KillGewaehlt = kill;
    v.FavGewaehlt = fav;
    v.filter = f;
    return v;
}

Reihenbits bitsVon(const Zufallsreihen &reihen, int r)
{
    Reihenbits bits = 0;
    for (int s = 0; s < ZahlenProReihe; ++s)
        bits |= Reihenbits{1} << reihen.zahl(r, s);
    return bits;
}

// The chance that the pot's picks make the set, summed over every order of its numbers: each
// pick takes a number by its weight among those not yet taken (favourites weigh 2).
double potChance(std::array<int, 5> zahlen, const Zahlenmenge &fav)
{
    double summe = 0;
    std::sort(zahlen.begin(), zahlen.end());
    do {
        double p = 1;
        int gewicht = MaxZahl + fav.anzahl();
        for (int n : zahlen) {
            const int w = fav.enthaelt(static_cast<std::uint8_t>(n)) ? 2 : 1;
            p *= static_cast<double>(w) / gewicht;
            gewicht -= w;
        }
        summe += p;
    } while (std::next_permutation(zahlen.begin(), zahlen.end()));
    return summe;
}

} // namespace

class TestMusterfilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texte_data()
    {
        QTest::addColumn<Musterart>("art");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("zurueck"); // the text written back, empty when off
        QTest::newRow("summe") << Musterart::Summe << QStringLiteral("100-150") << true << QStringLiteral("100-150");
        QTest::newRow("summe blanks") << Musterart::Summe << QStringLiteral(" 100 - 150 ") << true
                                      << QStringLiteral("100-150");
        QTest::newRow("eine summe") << Musterart::Summe << QStringLiteral("120") << true << QStringLiteral("120-120");
        QTest::newRow("summe zu klein") << Musterart::Summe << QStringLiteral("14-20") << false << QString();
        QTest::newRow("verkehrt") << Musterart::Gerade << QStringLiteral("3-2") << false << QString();
        QTest::newRow("gerade") << Musterart::Gerade << QStringLiteral("2-3") << true << QStringLiteral("2-3");
        QTest::newRow("klein 6") << Musterart::Klein << QStringLiteral("0-6") << false << QString();
        QTest::newRow("folge") << Musterart::Folge << QStringLiteral("2") << true << QStringLiteral("2");
        QTest::newRow("folge 0") << Musterart::Folge << QStringLiteral("0") << false << QString();
        QTest::newRow("gruppe bereich") << Musterart::Zehnergruppe << QStringLiteral("1-2") << false << QString();
        QTest::newRow("leer") << Musterart::Summe << QString() << true << QString();
        QTest::newRow("text") << Musterart::Summe << QStringLiteral("viel") << false << QString();
    }
    void texte()
    {
        QFETCH(Musterart, art);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, zurueck);
        bool gelesen = false;
        Musterfilter f;
        f.setze(art, Musterfilter::lesen(art, text, &gelesen));
        QCOMPARE(gelesen, ok);
        QCOMPARE(f.text(art), zurueck);
        QCOMPARE(f.aktiv(), !zurueck.isEmpty());
    }

    void zaehlenWieBruteForce_data()
    {
        QTest::addColumn<Musterfilter>("filter");
        QTest::addColumn<Zahlenmenge>("bank");
        QTest::addColumn<Zahlenmenge>("kill");
        QTest::newRow("summe") << filterAus(QStringLiteral("100-150"), {}, {}, {}, {}) << Zahlenmenge{}
                               << Zahlenmenge{};
        QTest::newRow("gerade klein bank") << filterAus({}, QStringLiteral("2-3"), QStringLiteral("2-3"), {}, {})
                                           << mengeAus({7}) << mengeAus({1, 2, 3, 4, 5, 6, 8, 9, 10});
        QTest::newRow("folge gruppe") << filterAus({}, {}, {}, QStringLiteral("1"), QStringLiteral("2"))
                                      << mengeAus({3, 17}) << mengeAus({49});
        QTest::newRow("alle") << filterAus(QStringLiteral("90-160"), QStringLiteral("1-4"), QStringLiteral("2-3"),
                                           QStringLiteral("2"), QStringLiteral("2"))
                              << Zahlenmenge{} << mengeAus({13, 31});
        QTest::newRow("nichts") << filterAus(QStringLiteral("15-16"), QStringLiteral("5-5"), {}, {}, {})
                                << Zahlenmenge{} << Zahlenmenge{};
    }
    void zaehlenWieBruteForce()
    {
        QFETCH(Musterfilter, filter);
        QFETCH(Zahlenmenge, bank);
        QFETCH(Zahlenmenge, kill);
        const std::int64_t erwartet = bruteForce(bank, kill, filter);
        QCOMPARE(PassendeReihenZaehlen(bank.ersteWort(), kill.ersteWort(), filter), erwartet);
        QCOMPARE(MoeglicheReihen(vorgaben(1, filter, bank, kill)), erwartet);
        QCOMPARE(static_cast<std::int64_t>(PassendeReihen(bank.ersteWort(), kill.ersteWort(), filter).size()),
                 erwartet);
    }

    // Both ways of drawing: picks from the pot kept when they pass (many rows pass), and
    // picks among the passing rows (fewer than ten times the request).
    void laufMitFilter_data()
    {
        QTest::addColumn<Musterfilter>("filter");
        QTest::addColumn<int>("anzahl");
        QTest::newRow("aus dem Topf") << filterAus(QStringLiteral("100-150"), QStringLiteral("2-3"), {},
                                                   QStringLiteral("2"), {})
                                      << 2000;
        QTest::newRow("direkt") << filterAus(QStringLiteral("15-40"), {}, {}, {}, {}) << 500;
        QTest::newRow("jede passende") << filterAus(QStringLiteral("15-17"), {}, {}, {}, {}) << 4;
    }
    void laufMitFilter()
    {
        QFETCH(Musterfilter, filter);
        QFETCH(int, anzahl);
        const Zufallsvorgaben v = vorgaben(anzahl, filter, mengeAus({1}), mengeAus({40}), mengeAus({2, 3}));
        const Zufallsergebnis e = ZufallszahlenErmitteln(v, 7);
        QCOMPARE(e.ausgang, Zufallsergebnis::Ausgang::Fertig);
        QCOMPARE(e.reihen.anzahl(), anzahl);
        std::set<Reihenbits> gesehen;
        for (int r = 0; r < anzahl; ++r) {
            const Reihenbits bits = bitsVon(e.reihen, r);
            QVERIFY(filter.erfuellt(MusterVon(bits)));
            QVERIFY((bits & 2) && !(bits >> 40 & 1));
            QVERIFY(gesehen.insert(bits).second);
        }
        // The exact count decides: one row more than pass is refused.
        Zufallsvorgaben mehr = v;
        mehr.ZufReihenAnz = static_cast<std::int32_t>(MoeglicheReihen(v)) + 1;
        QCOMPARE(ZufallszahlenErmitteln(mehr, 7).ausgang, Zufallsergebnis::Ausgang::Abgelehnt);
    }

    // Without filters a seed gives the rows it always gave; a filter that lets every row pass
    // keeps the very same rows.
    void ohneFilterWieBisher()
    {
        const Zufallsergebnis e = ZufallszahlenErmitteln(vorgaben(3, {}), 42);
        const std::array<std::array<int, 5>, 3> bisher{{{3, 22, 32, 36, 38}, {7, 15, 27, 37, 45}, {5, 13, 20, 29, 30}}};
        for (int r = 0; r < 3; ++r)
            for (int s = 0; s < 5; ++s)
                QCOMPARE(int{e.reihen.zahl(r, s)}, bisher[static_cast<std::size_t>(r)][static_cast<std::size_t>(s)]);
        QCOMPARE(e.reihen.zusatzzahl(0), QStringLiteral("4"));

        const Zufallsvorgaben mitFilter = vorgaben(500, filterAus(QStringLiteral("15-235"), {}, {}, {}, {}));
        const Zufallsergebnis a = ZufallszahlenErmitteln(vorgaben(500, {}), 9);
        const Zufallsergebnis b = ZufallszahlenErmitteln(mitFilter, 9);
        for (int r = 0; r < 500; ++r)
            QCOMPARE(bitsVon(a.reihen, r), bitsVon(b.reihen, r));
    }

    // Picked directly among few passing rows, each row comes as often as the pot would make it.
    void direktMitDenGewichtenDesTopfes()
    {
        // Sums 15..17: {1,2,3,4,5}, {1,2,3,4,6}, {1,2,3,4,7}, {1,2,3,5,6}; 5 and 6 are favourites.
        const Zahlenmenge fav = mengeAus({5, 6});
        const std::array<std::array<int, 5>, 4> reihen{{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 4, 7}, {1, 2, 3, 5, 6}}};
        std::array<double, 4> chance{};
        double summe = 0;
        for (std::size_t i = 0; i < 4; ++i)
            summe += chance[i] = potChance(reihen[i], fav);
        std::map<Reihenbits, int> erste;
        const int laeufe = 400;
        const Zufallsvorgaben v = vorgaben(1, filterAus(QStringLiteral("15-17"), {}, {}, {}, {}), {}, {}, fav);
        for (int s = 0; s < laeufe; ++s)
            ++erste[bitsVon(ZufallszahlenErmitteln(v, static_cast<std::uint64_t>(s)).reihen, 0)];
        double chi = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            Reihenbits bits = 0;
            for (int n : reihen[i])
                bits |= Reihenbits{1} << n;
            const double e = laeufe * chance[i] / summe;
            chi += (erste[bits] - e) * (erste[bits] - e) / e;
        }
        // The chances are about 2 : 2 : 1 : 4; with equal weights chi would exceed 100.
        QVERIFY2(chi < 16.27, qPrintable(QString::number(chi))); // 0.1 % point of 3 degrees of freedom
    }
};

QTEST_GUILESS_MAIN(TestMusterfilter)
#include "tst_musterfilter.moc"
