// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Records.h"
#include "statistics/Anpassungstest.h"
#include "statistics/Muster.h"
#include "statistics/Musterstatistik.h"
#include "statistics/Zusatzzahlstatistik.h"

#include <QtTest>

#include <map>
#include <numeric>

Q_DECLARE_METATYPE(Musterart)

namespace {

TGewZahlen ziehung(std::array<std::uint8_t, 5> zahlen, std::uint8_t bonus = 1)
{
    TGewZahlen z;
    z.GZ = zahlen;
    z.bonus = bonus;
    return z;
}

// The patterns counted over all rows a second way: from the five numbers as integers, without
// bitmaps, so a slip in the bit tricks shows.
std::map<int, std::int64_t> bruteForce(Musterart art)
{
    std::map<int, std::int64_t> anzahl;
    for (int a = 1; a <= 45; ++a)
        for (int b = a + 1; b <= 46; ++b)
            for (int c = b + 1; c <= 47; ++c)
                for (int d = c + 1; d <= 48; ++d)
                    for (int e = d + 1; e <= 49; ++e) {
                        const int z[5] = {a, b, c, d, e};
                        int wert = 0;
                        switch (art) {
                        case Musterart::Summe:
                            wert = a + b + c + d + e;
                            break;
                        case Musterart::Gerade:
                            for (int n : z)
                                wert += n % 2 == 0;
                            break;
                        case Musterart::Klein:
                            for (int n : z)
                                wert += n <= 24;
                            break;
                        case Musterart::Folge: {
                            int lauf = 1;
                            wert = 1;
                            for (int i = 1; i < 5; ++i) {
                                lauf = z[i] == z[i - 1] + 1 ? lauf + 1 : 1;
                                wert = std::max(wert, lauf);
                            }
                            break;
                        }
                        case Musterart::Zehnergruppe: {
                            int gruppe[5] = {};
                            for (int n : z)
                                wert = std::max(wert, ++gruppe[n / 10]);
                            break;
                        }
                        }
                        ++anzahl[wert];
                    }
    return anzahl;
}

std::int64_t summe(const std::vector<std::int64_t> &v)
{
    return std::accumulate(v.begin(), v.end(), std::int64_t{0});
}

} // namespace

class TestMuster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void erwarteteVerteilungen_data()
    {
        QTest::addColumn<Musterart>("art");
        for (const Musterart art : AlleMusterarten)
            QTest::newRow(qPrintable(Musterschluessel(art))) << art;
    }
    void erwarteteVerteilungen()
    {
        QFETCH(Musterart, art);
        const std::vector<std::int64_t> &anzahl = ErwarteteAnzahlen(art);
        const Wertebereich bereich = WerteVon(art);
        QCOMPARE(static_cast<int>(anzahl.size()), bereich.anzahl());
        QCOMPARE(summe(anzahl), std::int64_t{1906884});
        std::map<int, std::int64_t> ohneNull;
        for (int w = bereich.von; w <= bereich.bis; ++w)
            if (anzahl[static_cast<std::size_t>(w - bereich.von)] != 0)
                ohneNull[w] = anzahl[static_cast<std::size_t>(w - bereich.von)];
        QCOMPARE(ohneNull, bruteForce(art));
    }

    void bekannteAnzahlen()
    {
        // Hypergeometric: k of the 24 even (or small) numbers and 5 - k of the other 25.
        const std::vector<std::int64_t> hyper{53130, 303600, 634800, 607200, 265650, 42504};
        QCOMPARE(ErwarteteAnzahlen(Musterart::Gerade), hyper);
        QCOMPARE(ErwarteteAnzahlen(Musterart::Klein), hyper);
        const std::vector<std::int64_t> &summen = ErwarteteAnzahlen(Musterart::Summe);
        // n -> 50 - n maps sum s to 250 - s.
        for (int s = 15; s <= 235; ++s)
            QCOMPARE(summen[static_cast<std::size_t>(s - 15)], summen[static_cast<std::size_t>(250 - s - 15)]);
        QCOMPARE(summen.front(), std::int64_t{1});
        QCOMPARE(ErwarteteAnzahlen(Musterart::Folge).back(), std::int64_t{45});
        QCOMPARE(ErwarteteAnzahlen(Musterart::Zehnergruppe).front(), std::int64_t{9 * 10 * 10 * 10 * 10});
    }

    void gammaUndP_data()
    {
        QTest::addColumn<double>("chi");
        QTest::addColumn<int>("df");
        QTest::addColumn<double>("p");
        // Closed forms: df 2 gives exp(-x/2), df 1 erfc(sqrt(x/2)), even df a finite Poisson sum.
        QTest::newRow("df2") << 4.0 << 2 << 0.1353352832366127;
        QTest::newRow("df1 5%") << 3.84 << 1 << 0.05004352124870509;
        QTest::newRow("df6") << 1.0 << 6 << 0.9856123220330293;
        QTest::newRow("df20") << 30.0 << 20 << 0.06985366069940976;
        QTest::newRow("null") << 0.0 << 4 << 1.0;
        QTest::newRow("weit draussen") << 400.0 << 3 << 0.0;
    }
    void gammaUndP()
    {
        QFETCH(double, chi);
        QFETCH(int, df);
        QFETCH(double, p);
        QVERIFY2(std::fabs(ChiQuadratP(chi, df) - p) < 1e-12, qPrintable(QString::number(ChiQuadratP(chi, df), 'g', 17)));
    }

    void chiQuadratMitZusammenlegen()
    {
        // Expected 2, 4 | 10 | 10 | 4, 3, 1: the left tail pools two values, the right three.
        const Anpassungstest t = ChiQuadratTest(0, {1, 3, 12, 7, 5, 2, 1}, {2, 4, 10, 10, 4, 3, 1});
        QCOMPARE(t.klassen.size(), std::size_t{4});
        QCOMPARE(t.klassen[0].von, 0);
        QCOMPARE(t.klassen[0].bis, 1);
        QCOMPARE(t.klassen[0].beobachtet, std::int64_t{4});
        QCOMPARE(t.klassen[3].von, 4);
        QCOMPARE(t.klassen[3].bis, 6);
        QCOMPARE(t.klassen[3].erwartet, 8.0);
        QCOMPARE(t.freiheitsgrade, 3);
        // (4-6)²/6 + (12-10)²/10 + (7-10)²/10 + 0
        QVERIFY(std::fabs(t.chiQuadrat - (4.0 / 6 + 0.4 + 0.9)) < 1e-12);
        // df 3: erfc(sqrt(x/2)) + sqrt(2x/pi) exp(-x/2)
        QVERIFY(std::fabs(*t.p - 0.5793539074051652) < 1e-12);
        QCOMPARE(Testsatz(t),
                 QStringLiteral("Eine mindestens so gro\u00DFe Abweichung kommt bei fairen Ziehungen in 58 % der F\u00E4lle vor."));
    }

    void zuWenigeZiehungen()
    {
        // Nine draws over three values never give two classes of five.
        const Anpassungstest t = ChiQuadratTest(1, {3, 3, 3}, {3, 3, 3});
        QCOMPARE(t.klassen.size(), std::size_t{1});
        QVERIFY(!t.p);
        QCOMPARE(Testsatz(t), QStringLiteral("Zu wenige Ziehungen f\u00FCr einen Test."));
        QVERIFY(!ChiQuadratTest(0, {}, {}).p);
    }

    void testsatz_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("anteil");
        QTest::newRow("37") << 0.3749 << QStringLiteral("37 %");
        QTest::newRow("aufgerundet") << 0.375 << QStringLiteral("38 %");
        QTest::newRow("genau 1") << 0.01 << QStringLiteral("1 %");
        QTest::newRow("darunter") << 0.0099 << QStringLiteral("weniger als 1 %");
        QTest::newRow("null") << 0.0 << QStringLiteral("weniger als 1 %");
    }
    void testsatz()
    {
        QFETCH(double, p);
        QFETCH(QString, anteil);
        Anpassungstest t;
        t.p = p;
        QCOMPARE(Testsatz(t), QStringLiteral("Eine mindestens so gro\u00DFe Abweichung kommt bei fairen Ziehungen in ") +
                                  anteil + QStringLiteral(" der F\u00E4lle vor."));
    }

    void beobachtetImZeitraum()
    {
        const QVector<TGewZahlen> h{ziehung({1, 2, 3, 4, 5}), ziehung({10, 20, 30, 40, 49}),
                                    ziehung({7, 7, 8, 9, 10}), // damaged: a number twice
                                    ziehung({2, 11, 12, 13, 48})};
        const Musterauswertung a = MusterAuswerten(h, 0, 3);
        QCOMPARE(a.ziehungen, 3);
        const auto beobachtet = [&a](Musterart art, int wert) {
            return a.von(art).werte[static_cast<std::size_t>(wert - WerteVon(art).von)].beobachtet;
        };
        QCOMPARE(beobachtet(Musterart::Summe, 15), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Summe, 149), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Summe, 86), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Gerade, 2), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Gerade, 3), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Gerade, 4), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Klein, 5), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Klein, 4), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Folge, 5), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Folge, 3), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Folge, 1), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Zehnergruppe, 5), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Zehnergruppe, 3), std::int64_t{1});
        QCOMPARE(beobachtet(Musterart::Zehnergruppe, 2), std::int64_t{1});
        for (const Musterart art : AlleMusterarten) {
            double erwartet = 0;
            for (const Musterzeile &z : a.von(art).werte)
                erwartet += z.erwartet;
            QVERIFY(std::fabs(erwartet - 3.0) < 1e-9);
            QVERIFY(!a.von(art).test.p);
        }
        // A period beyond the history is clamped to it.
        QCOMPARE(MusterAuswerten(h, 3, 99).ziehungen, 1);
        QCOMPARE(MusterAuswerten(h, 2, 1).ziehungen, 0);
    }

    void zusatzzahlen()
    {
        QVector<TGewZahlen> h;
        for (const int z : {3, 0, 3, 11, 7, 10, 3})
            h.append(ziehung({1, 2, 3, 4, 5}, static_cast<std::uint8_t>(z)));
        const Zusatzzahlauswertung a = Zusatzzahlen(h, 0, 5);
        QCOMPARE(a.ziehungen, 6);
        QCOMPARE(a.erwartet(), 0.6);
        QCOMPARE(a.zeilen[2], (Zusatzzahlzeile{3, 2, 3}));
        QCOMPARE(a.zeilen[6], (Zusatzzahlzeile{7, 1, 1}));
        QCOMPARE(a.zeilen[9], (Zusatzzahlzeile{10, 1, 0}));
        QCOMPARE(a.zeilen[0], (Zusatzzahlzeile{1, 0, 6}));
        int gezaehlt = 0;
        for (const Zusatzzahlzeile &z : a.zeilen)
            gezaehlt += z.anzahl;
        QCOMPARE(gezaehlt, 4); // 0 and 11 are left out
        QCOMPARE(Zusatzzahlen(h, 6, 6).zeilen[2], (Zusatzzahlzeile{3, 1, 0}));
    }
};

QTEST_GUILESS_MAIN(TestMuster)
#include "tst_muster.moc"
