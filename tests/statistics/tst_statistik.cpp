// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Records.h"
#include "model/Zahlenmenge.h"
#include "model/Zustand.h"
#include "statistics/Statistik.h"

#include <QtTest>

#include <numeric>

namespace {
using Haeufigkeiten = std::array<std::int32_t, MaxZahl + 1>;

TGewZahlen ziehung(std::array<std::uint8_t, 5> zahlen, std::uint8_t bonus = 7)
{
    TGewZahlen z;
    z.GZ = zahlen;
    z.bonus = bonus;
    return z;
}

Zahlenmenge menge(std::initializer_list<int> zahlen)
{
    Zahlenmenge m;
    for (int n : zahlen)
        m.hinzu(static_cast<std::uint8_t>(n));
    return m;
}

// Three draws, oldest first, in which 1 is in every draw, 2 in two, 3..12 in one.
Zustand beispiel()
{
    Zustand z;
    z.Ziehungen = {ziehung({1, 2, 3, 4, 5}), ziehung({1, 6, 7, 8, 9}), ziehung({1, 2, 10, 11, 12})};
    return z;
}

// Counts as text "n:c" for every number with a non-zero count, so a failure shows the difference.
QString alsText(const Haeufigkeiten &h)
{
    QStringList teile;
    for (int n = 0; n <= MaxZahl; ++n) {
        if (h[static_cast<std::size_t>(n)] != 0)
            teile << QStringLiteral("%1:%2").arg(n).arg(h[static_cast<std::size_t>(n)]);
    }
    return teile.join(QLatin1Char(' '));
}

QString alsText(const std::array<Ausgebliebene, MaxZahl> &liste)
{
    QStringList teile;
    for (const Ausgebliebene &a : liste)
        teile << QStringLiteral("%1:%2").arg(a.zahl).arg(a.anzahl);
    return teile.join(QLatin1Char(' '));
}

// The numbers von..bis, each with the same count.
QString gruppe(int anzahl, int von, int bis)
{
    QStringList teile;
    for (int n = von; n <= bis; ++n)
        teile << QStringLiteral("%1:%2").arg(n).arg(anzahl);
    return teile.join(QLatin1Char(' '));
}

QString folge(std::initializer_list<QString> gruppen)
{
    QStringList teile;
    for (const QString &g : gruppen) {
        if (!g.isEmpty())
            teile << g;
    }
    return teile.join(QLatin1Char(' '));
}

const QString beispielGanz = folge({QStringLiteral("1:3 2:2"), gruppe(1, 3, 12)});
// Overdue list of the whole example: never drawn, then 3..5, 6..9, and the newest draw's numbers.
const QString beispielAusgeblieben =
    folge({gruppe(3, 13, 49), gruppe(2, 3, 5), gruppe(1, 6, 9), QStringLiteral("1:0 2:0"), gruppe(0, 10, 12)});
const QString beispielMitte = QStringLiteral("1:1 6:1 7:1 8:1 9:1");
} // namespace

class TestStatistik : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void statistikStartUeberGanzeHistorie()
    {
        Zustand z = beispiel();
        z.Haeufigkeiten.fill(99); // left over from an earlier run
        z.Ziehungsmengen = {menge({40}), menge({41}), menge({42}), menge({43})};
        StatistikStart(z);

        QCOMPARE(alsText(z.Haeufigkeiten), beispielGanz);
        QCOMPARE(z.Ziehungsmengen.size(), 3);
        QCOMPARE(z.Ziehungsmengen[0], menge({1, 2, 3, 4, 5}));
        QCOMPARE(z.Ziehungsmengen[1], menge({1, 6, 7, 8, 9}));
        QCOMPARE(z.Ziehungsmengen[2], menge({1, 2, 10, 11, 12}));
    }

    void leereHistorie()
    {
        Zustand z;
        z.Haeufigkeiten.fill(5);
        z.Ziehungsmengen = {menge({1, 2, 3, 4, 5})};
        StatistikStart(z);
        QCOMPARE(alsText(z.Haeufigkeiten), QString());
        QVERIFY(z.Ziehungsmengen.isEmpty());

        z.Haeufigkeiten.fill(5);
        TeilStatistik(z, 0, 0);
        QCOMPARE(alsText(z.Haeufigkeiten), QString());
        QCOMPARE(alsText(Ausgeblieben(z, 0, 0)), gruppe(0, 1, MaxZahl));
        QCOMPARE(alsText(Ausgeblieben(z, 0, -1)), gruppe(0, 1, MaxZahl));
    }

    void teilStatistik_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("whole history") << 0 << 2 << beispielGanz;
        QTest::newRow("middle draw only") << 1 << 1 << beispielMitte;
        QTest::newRow("newest two") << 1 << 2 << QStringLiteral("1:2 2:1 6:1 7:1 8:1 9:1 10:1 11:1 12:1");
        QTest::newRow("bis < von") << 2 << 0 << QString();
        QTest::newRow("clamped to the history") << -5 << 99 << beispielGanz;
        QTest::newRow("clamped at the end") << 1 << 3 << QStringLiteral("1:2 2:1 6:1 7:1 8:1 9:1 10:1 11:1 12:1");
        QTest::newRow("after the history") << 3 << 7 << QString();
        QTest::newRow("before the history") << -3 << -1 << QString();
    }
    void teilStatistik()
    {
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(QString, erwartet);
        Zustand z = beispiel();
        StatistikStart(z); // whole-history counts that must not leak into the period
        TeilStatistik(z, von, bis);
        QCOMPARE(alsText(z.Haeufigkeiten), erwartet);
        QCOMPARE(z.Haeufigkeiten[0], 0);
        // The sets stay those of the whole history.
        QCOMPARE(z.Ziehungsmengen.size(), 3);
        QCOMPARE(z.Ziehungsmengen[1], menge({1, 6, 7, 8, 9}));
    }

    void haeufigkeitsreihenfolge_data()
    {
        QTest::addColumn<QList<int>>("zaehler"); // counts of 1, 2, ...; the rest stays 0
        QTest::addColumn<QList<int>>("erwartet");

        QList<int> reihe;
        for (int n = 13; n <= 49; ++n)
            reihe << n;
        reihe << QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 2, 1};
        QTest::newRow("example history") << QList<int>{3, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << reihe;

        QList<int> aufsteigend(MaxZahl);
        std::iota(aufsteigend.begin(), aufsteigend.end(), 1);
        QTest::newRow("all equal") << QList<int>{} << aufsteigend;

        // Counts falling with the number: the order is the reverse of the numbers.
        QList<int> fallend;
        for (int n = 1; n <= MaxZahl; ++n)
            fallend << 100 - n;
        QList<int> rueckwaerts(aufsteigend.rbegin(), aufsteigend.rend());
        QTest::newRow("counts falling") << fallend << rueckwaerts;

        // Ties in the middle keep ascending numbers, whatever the neighbours.
        QList<int> gemischt{5, 0, 5, 0, 9};
        QList<int> erwartetGemischt{2, 4};
        for (int n = 6; n <= MaxZahl; ++n)
            erwartetGemischt << n;
        erwartetGemischt << 1 << 3 << 5;
        QTest::newRow("ties between gaps") << gemischt << erwartetGemischt;
    }
    void haeufigkeitsreihenfolge()
    {
        QFETCH(QList<int>, zaehler);
        QFETCH(QList<int>, erwartet);
        Haeufigkeiten h{};
        h[0] = -1000; // unused entry, must not take part
        for (qsizetype i = 0; i < zaehler.size(); ++i)
            h[static_cast<std::size_t>(i + 1)] = zaehler[i];
        const auto reihe = Haeufigkeitsreihenfolge(h);
        QCOMPARE(QList<int>(reihe.begin(), reihe.end()), erwartet);
    }

    void ausgeblieben_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("whole history") << 0 << 2 << beispielAusgeblieben;
        QTest::newRow("oldest two") << 0 << 1
                                    << folge({gruppe(2, 10, 49), gruppe(1, 2, 5), QStringLiteral("1:0"),
                                              gruppe(0, 6, 9)});
        QTest::newRow("middle draw only")
            << 1 << 1 << folge({gruppe(1, 2, 5), gruppe(1, 10, 49), QStringLiteral("1:0"), gruppe(0, 6, 9)});
        QTest::newRow("bis < von") << 2 << 1 << gruppe(0, 1, MaxZahl);
        QTest::newRow("clamped to the history") << -10 << 10 << beispielAusgeblieben;
        QTest::newRow("after the history") << 3 << 5 << gruppe(0, 1, MaxZahl);
    }
    void ausgeblieben()
    {
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(QString, erwartet);
        Zustand z = beispiel();
        StatistikStart(z);
        QCOMPARE(alsText(Ausgeblieben(z, von, bis)), erwartet);
    }

    // A draw whose set is not computed yet holds no number; the draws that have a set still use it.
    void ausgebliebenOhneMengen()
    {
        Zustand z = beispiel();
        QCOMPARE(alsText(Ausgeblieben(z, 0, 2)), gruppe(3, 1, MaxZahl));

        StatistikStart(z);
        z.Ziehungen.append(ziehung({20, 21, 22, 23, 24})); // history grew, sets not yet recomputed
        QCOMPARE(alsText(Ausgeblieben(z, 0, 3)), folge({gruppe(4, 13, 49), gruppe(3, 3, 5), gruppe(2, 6, 9),
                                                        QStringLiteral("1:1 2:1"), gruppe(1, 10, 12)}));
    }

    void korrigierteZiehung()
    {
        Zustand z = beispiel();
        StatistikStart(z);
        z.Ziehungen[1] = ziehung({20, 21, 22, 23, 24});
        StatistikStart(z);
        QCOMPARE(z.Ziehungsmengen[1], menge({20, 21, 22, 23, 24}));
        QCOMPARE(alsText(z.Haeufigkeiten),
                 folge({QStringLiteral("1:2 2:2"), gruppe(1, 3, 5), gruppe(1, 10, 12), gruppe(1, 20, 24)}));

        // A shorter history leaves no set behind.
        z.Ziehungen.removeLast();
        StatistikStart(z);
        QCOMPARE(z.Ziehungsmengen.size(), 2);
    }

    // A damaged draw counts its proper numbers, each once; only numbers outside 1..49 are left
    // out, and the Zusatzzahl takes no part at all.
    void beschaedigteZiehung_data()
    {
        QTest::addColumn<TGewZahlen>("kaputt");
        QTest::addColumn<QList<int>>("zahlen");
        const QList<int> vier{13, 14, 15, 16};
        const QList<int> fuenf{13, 14, 15, 16, 17};
        QTest::newRow("number 0") << ziehung({0, 13, 14, 15, 16}) << vier;
        QTest::newRow("number 50") << ziehung({13, 14, 15, 16, 50}) << vier;
        QTest::newRow("number 255") << ziehung({255, 13, 14, 15, 16}) << vier;
        QTest::newRow("duplicate") << ziehung({13, 13, 14, 15, 16}) << vier;
        QTest::newRow("all the same") << ziehung({13, 13, 13, 13, 13}) << QList<int>{13};
        QTest::newRow("nothing in range") << ziehung({0, 50, 60, 70, 255}) << QList<int>{};
        QTest::newRow("Zusatzzahl 0") << ziehung({13, 14, 15, 16, 17}, 0) << fuenf;
        QTest::newRow("Zusatzzahl 11") << ziehung({13, 14, 15, 16, 17}, 11) << fuenf;
    }
    void beschaedigteZiehung()
    {
        QFETCH(TGewZahlen, kaputt);
        QFETCH(QList<int>, zahlen);
        Zahlenmenge eigene;
        for (int n : zahlen)
            eigene.hinzu(static_cast<std::uint8_t>(n));

        Zustand z = beispiel();
        z.Ziehungen.insert(1, kaputt);
        z.Ziehungen.append(kaputt);
        StatistikStart(z);

        QCOMPARE(z.Ziehungsmengen.size(), 5);
        QCOMPARE(z.Ziehungsmengen[1], eigene);
        QCOMPARE(z.Ziehungsmengen[4], eigene);
        QCOMPARE(z.Ziehungsmengen[2], menge({1, 6, 7, 8, 9}));
        QCOMPARE(z.Ziehungsmengen[3], menge({1, 2, 10, 11, 12}));
        Haeufigkeiten erwartet{};
        for (const TGewZahlen &g : beispiel().Ziehungen)
            for (std::uint8_t n : g.GZ)
                ++erwartet[n];
        for (int n : zahlen)
            erwartet[static_cast<std::size_t>(n)] += 2;
        QCOMPARE(alsText(z.Haeufigkeiten), alsText(erwartet));

        TeilStatistik(z, 0, 4);
        QCOMPARE(alsText(z.Haeufigkeiten), alsText(erwartet));
        TeilStatistik(z, 4, 4);
        QStringList einmal;
        for (int n : zahlen)
            einmal << QStringLiteral("%1:1").arg(n);
        QCOMPARE(alsText(z.Haeufigkeiten), einmal.join(QLatin1Char(' ')));

        // The damaged newest draw holds its proper numbers; the draw before holds 1, 2, 10, 11, 12.
        QStringList zwei, eins, null;
        for (int n = 1; n <= MaxZahl; ++n) {
            if (zahlen.contains(n))
                null << QStringLiteral("%1:0").arg(n);
            else if (QList<int>{1, 2, 10, 11, 12}.contains(n))
                eins << QStringLiteral("%1:1").arg(n);
            else
                zwei << QStringLiteral("%1:2").arg(n);
        }
        QCOMPARE(alsText(Ausgeblieben(z, 3, 4)), (zwei + eins + null).join(QLatin1Char(' ')));
    }
};

QTEST_GUILESS_MAIN(TestStatistik)
#include "tst_statistik.moc"
