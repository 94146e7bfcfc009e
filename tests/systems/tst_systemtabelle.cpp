// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Bahnsuche.h"
#include "systems/Systembau.h"
#include "systems/Systemtabelle.h"
#include "systems/Systemzerlegung.h"

#include <QFile>
#include <QtTest>

#include <algorithm>
#include <bit>
#include <random>

namespace {

// The guarantee over the real numbers, checked by an odometer over the positions of the chosen
// numbers and rows as sets of numbers of 1..49, independent of the program's bit sets.
bool haeltUeberZahlen(const std::vector<int> &zahlen, const std::vector<std::uint64_t> &zeilen, Garantie g)
{
    const int n = static_cast<int>(zahlen.size());
    std::vector<int> stelle(static_cast<std::size_t>(g.wenn));
    for (int i = 0; i < g.wenn; ++i)
        stelle[static_cast<std::size_t>(i)] = i;
    while (true) {
        std::uint64_t menge = 0;
        for (int i : stelle)
            menge |= std::uint64_t{1} << zahlen[static_cast<std::size_t>(i)];
        if (std::none_of(zeilen.begin(), zeilen.end(),
                         [&](std::uint64_t z) { return std::popcount(z & menge) >= g.richtige; }))
            return false;
        int i = g.wenn - 1;
        while (i >= 0 && stelle[static_cast<std::size_t>(i)] == n - g.wenn + i)
            --i;
        if (i < 0)
            return true;
        ++stelle[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < g.wenn; ++j)
            stelle[static_cast<std::size_t>(j)] = stelle[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace

class TestSystemtabelle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every line of the shipped file reads, and every system in it keeps its guarantee.
    void jederEintragGeprueft()
    {
        QFile datei(QStringLiteral(":/systeme/systemtabelle.txt"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        int zeilen = 0;
        for (const QByteArray &zeile : datei.readAll().split('\n')) {
            if (zeile.trimmed().isEmpty() || zeile.startsWith('#'))
                continue;
            ++zeilen;
            QString fehler;
            QVERIFY2(TabellenzeileLesen(QString::fromUtf8(zeile), &fehler), qPrintable(fehler));
        }
        const std::vector<Tabelleneintrag> &tabelle = Systemtabelle();
        QCOMPARE(static_cast<int>(tabelle.size()), zeilen);
        for (const Tabelleneintrag &e : tabelle) {
            const QString name = QStringLiteral("%1 Zahlen, %2").arg(e.n).arg(GarantieKurz(e.garantie));
            QVERIFY2(UngedeckteMengen(e.n, e.reihen, e.garantie) == 0, qPrintable(name));
            QVERIFY2(static_cast<std::int64_t>(e.reihen.size()) >= Untergrenze(e.n, e.garantie), qPrintable(name));
            std::vector<Reihenmaske> sortiert = e.reihen;
            std::sort(sortiert.begin(), sortiert.end());
            QVERIFY2(std::adjacent_find(sortiert.begin(), sortiert.end()) == sortiert.end(), qPrintable(name));
        }
    }

    // The table is never larger than what the search reached in 10 seconds before it existed
    // (start value 1, one core); where the published tables know a smaller size, the table
    // may stay above it, and the help page says so.
    void nieGroesserAlsZehnSekunden_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        QTest::addColumn<int>("vorher");
        const int vorher[][6] = {
            // 2:2 3:3  4:4 3:4 3:5 4:5
            {10, 34, 166, 16, 8, 50},   // 13
            {12, 43, 235, 20, 11, 81},  // 14
            {13, 59, 358, 26, 13, 120}, // 15
            {15, 73, 442, 33, 16, 158}, // 16
            {16, 88, 564, 41, 19, 213}, // 17
            {18, 104, 739, 50, 24, 280},  // 18
            {19, 125, 956, 60, 32, 366},  // 19
            {21, 146, 1228, 73, 39, 480}, // 20
        };
        const Garantie garantien[] = {{2, 2}, {3, 3}, {4, 4}, {3, 4}, {3, 5}, {4, 5}};
        for (int n = 13; n <= 20; ++n)
            for (int i = 0; i < 6; ++i)
                QTest::addRow("%d Zahlen, %d bei %d", n, garantien[i].richtige, garantien[i].wenn)
                    << n << garantien[i].richtige << garantien[i].wenn << vorher[n - 13][i];
    }
    void nieGroesserAlsZehnSekunden()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        QFETCH(int, vorher);
        const std::optional<Tabelleneintrag> e = BekanntesSystem(n, {richtige, wenn});
        QVERIFY(e);
        QVERIFY2(static_cast<int>(e->reihen.size()) <= vorher, qPrintable(QString::number(e->reihen.size())));
    }

    // Chosen numbers take the places of 1..n in order: the table's system over them keeps the
    // guarantee, checked over the numbers themselves, and the search starts from it.
    void aufGewaehlteZahlen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        QTest::newRow("17 Zahlen, 3 bei 3") << 17 << 3 << 3;
        QTest::newRow("20 Zahlen, 4 bei 5") << 20 << 4 << 5;
        QTest::newRow("15 Zahlen, 4 bei 4") << 15 << 4 << 4;
        QTest::newRow("12 Zahlen, 2 bei 4") << 12 << 2 << 4;
    }
    void aufGewaehlteZahlen()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        const Garantie g{richtige, wenn};
        std::vector<int> alle(49);
        std::iota(alle.begin(), alle.end(), 1);
        std::mt19937_64 motor(static_cast<std::uint64_t>(n * 100 + richtige * 10 + wenn));
        std::shuffle(alle.begin(), alle.end(), motor);
        Systemwunsch wunsch;
        wunsch.zahlen.assign(alle.begin(), alle.begin() + n); // in no order
        wunsch.garantie = g;
        wunsch.startwert = 5;
        wunsch.schritte = 1;
        const Systemergebnis s = SystemBauen(wunsch);
        QVERIFY2(s.fehler.isEmpty(), qPrintable(s.fehler));
        const std::optional<Tabelleneintrag> e = BekanntesSystem(n, g);
        QVERIFY(e);
        QCOMPARE(s.ausTabelle, static_cast<std::int64_t>(e->reihen.size()));
        QVERIFY(s.anzahl() <= static_cast<int>(e->reihen.size()));
        std::vector<std::uint64_t> zeilen;
        for (int r = 0; r < s.anzahl(); ++r) {
            std::uint64_t z = 0;
            for (std::uint8_t x : s.reihe(r)) {
                QVERIFY(std::find(wunsch.zahlen.begin(), wunsch.zahlen.end(), x) != wunsch.zahlen.end());
                z |= std::uint64_t{1} << x;
            }
            QCOMPARE(std::popcount(z), 5);
            zeilen.push_back(z);
        }
        QVERIFY(haeltUeberZahlen(s.zahlen, zeilen, g));
    }

    // The planes and the Steiner system come out of the search over orbits of a cycle of their
    // points at their known sizes: 21 rows over 21 numbers (the projective plane of order 4),
    // 30 over 25 (the affine plane of order 5, a cycle of 24 around one point), 68 over 17
    // (every three numbers in exactly one row).
    void konstruktionen_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<QString>("zyklen");
        QTest::addColumn<int>("reihen");
        QTest::newRow("PG(2,4)") << 21 << 2 << QStringLiteral("21") << 21;
        QTest::newRow("AG(2,5)") << 25 << 2 << QStringLiteral("24") << 30;
        QTest::newRow("S(3,5,17)") << 17 << 3 << QStringLiteral("17") << 68;
    }
    void konstruktionen()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(QString, zyklen);
        QFETCH(int, reihen);
        const Garantie g{richtige, richtige};
        const std::vector<Reihenmaske> system = BahnenSuchen({n, g, *Zyklen::lesen(zyklen), 1, 300'000});
        QCOMPARE(static_cast<int>(system.size()), reihen);
        std::vector<int> zahlen(static_cast<std::size_t>(n));
        std::iota(zahlen.begin(), zahlen.end(), 1);
        std::vector<std::uint64_t> zeilen;
        for (Reihenmaske r : system)
            zeilen.push_back(std::uint64_t{r} << 1);
        QVERIFY(haeltUeberZahlen(zahlen, zeilen, g));
        // A design: every t-set in exactly one row.
        std::int64_t paare = 0;
        for (Reihenmaske r : system)
            paare += Binomialkoeffizient(std::popcount(r), richtige);
        QCOMPARE(paare, Binomialkoeffizient(n, richtige));
    }

    // Parts give the guarantee when some part must hold its m of the winning numbers.
    void zerlegungGibt_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("richtige");
        QTest::addColumn<int>("wenn");
        QTest::addColumn<QString>("teile");
        QTest::addColumn<bool>("gibt");
        QTest::newRow("3 bei 5 aus 3 bei 3 und 3 bei 3") << 20 << 3 << 5 << QStringLiteral("11:3+9:3") << true;
        QTest::newRow("3 bei 4: zwei Teile halten je zwei") << 20 << 3 << 4 << QStringLiteral("10:3+10:3") << false;
        QTest::newRow("2 bei 5 aus drei Teilen") << 18 << 2 << 5 << QStringLiteral("6:2+6:2+6:2") << true;
        QTest::newRow("2 bei 5 aus 2 bei 3 und 2 bei 2") << 20 << 2 << 5 << QStringLiteral("10:3+10:2") << true;
        QTest::newRow("2 bei 4 aus 2 bei 3 und 2 bei 3") << 20 << 2 << 4 << QStringLiteral("10:3+10:3") << false;
        QTest::newRow("Teile zu wenige Zahlen") << 20 << 3 << 5 << QStringLiteral("11:3+8:3") << false;
        QTest::newRow("Teil unter sechs Zahlen") << 20 << 3 << 5 << QStringLiteral("15:3+5:3") << false;
        QTest::newRow("Teil mit m unter t") << 20 << 3 << 5 << QStringLiteral("10:2+10:3") << false;
    }
    void zerlegungGibt()
    {
        QFETCH(int, n);
        QFETCH(int, richtige);
        QFETCH(int, wenn);
        QFETCH(QString, teile);
        QFETCH(bool, gibt);
        std::vector<Zerlegungsteil> zerlegung;
        for (const QString &teil : teile.split(QLatin1Char('+')))
            zerlegung.push_back({teil.section(QLatin1Char(':'), 0, 0).toInt(), teil.section(QLatin1Char(':'), 1, 1).toInt()});
        QCOMPARE(Zerlegungstext(zerlegung), teile);
        QCOMPARE(ZerlegungGibt(n, {richtige, wenn}, zerlegung), gibt);
    }

    // Every system the program knows, from the table, glued together from its parts or cut down
    // from more numbers, keeps its guarantee, checked over the numbers by the odometer. A made
    // one is smaller than the table's entry, where the table has none (above 20 numbers) the
    // parts give one, and no system has more rows than a known one for more numbers.
    void jedesBekannteSystemHaelt()
    {
        int gemacht = 0;
        for (int wenn = 1; wenn <= 5; ++wenn)
            for (int richtige = 1; richtige <= wenn && richtige < 5; ++richtige) {
                std::size_t vorige = 0;
                for (int n = MaxSystemzahlen; n >= MinSystemzahlen; --n) {
                    const Garantie g{richtige, wenn};
                    const std::optional<Tabelleneintrag> e = BekanntesSystem(n, g);
                    const QString name = QStringLiteral("%1 Zahlen, %2").arg(n).arg(GarantieKurz(g));
                    const bool teilbar = richtige == 1 || (richtige == 2 && wenn >= 3) || (richtige == 3 && wenn == 5);
                    QVERIFY2(e || (n > 20 && !teilbar), qPrintable(name));
                    if (!e)
                        continue;
                    QCOMPARE(e->n, n);
                    QVERIFY(e->garantie == g);
                    QVERIFY2(vorige == 0 || e->reihen.size() <= vorige, qPrintable(name));
                    vorige = e->reihen.size();
                    std::vector<int> zahlen(static_cast<std::size_t>(n));
                    std::iota(zahlen.begin(), zahlen.end(), 1);
                    std::vector<std::uint64_t> zeilen;
                    for (Reihenmaske r : e->reihen) {
                        QCOMPARE(std::popcount(r), 5);
                        QVERIFY(r < (Reihenmaske{1} << n));
                        zeilen.push_back(std::uint64_t{r} << 1);
                    }
                    QVERIFY2(haeltUeberZahlen(zahlen, zeilen, g), qPrintable(name));
                    if (e->zyklen.startsWith(QLatin1Char('Z')) || e->zyklen.startsWith(QLatin1Char('K'))) {
                        ++gemacht;
                        for (const Tabelleneintrag &t : Systemtabelle())
                            if (t.n == n && t.garantie == g)
                                QVERIFY2(e->reihen.size() < t.reihen.size(), qPrintable(name));
                    }
                }
            }
        QVERIFY(gemacht > 0);
    }

    // Made systems at the best known sizes: "3 bei 5" over 20 numbers glued from "3 bei 3" over
    // 11 and over 9 numbers (32 rows), "2 bei 2" over 24 numbers from the affine plane over 25
    // without one point (30 rows).
    void gemachtAufBekannterGroesse()
    {
        const std::optional<Tabelleneintrag> ebene = BekanntesSystem(24, {2, 2});
        QVERIFY(ebene);
        QCOMPARE(ebene->zyklen, QStringLiteral("K25"));
        QCOMPARE(static_cast<int>(ebene->reihen.size()), 30);
        const std::optional<Tabelleneintrag> e = BekanntesSystem(20, {3, 5});
        QVERIFY(e);
        QCOMPARE(e->zyklen, QStringLiteral("Z11:3+9:3"));
        QCOMPARE(static_cast<int>(e->reihen.size()), 32);
        Systemwunsch wunsch;
        wunsch.zahlen = {44, 3, 17, 29, 8, 41, 12, 36, 1, 25, 49, 20, 7, 33, 15, 28, 39, 10, 22, 46};
        wunsch.garantie = Garantie{3, 5};
        wunsch.startwert = 1;
        wunsch.schritte = 1;
        const Systemergebnis s = SystemBauen(wunsch);
        QVERIFY2(s.fehler.isEmpty(), qPrintable(s.fehler));
        QCOMPARE(s.ausTabelle, 32);
        QVERIFY(s.anzahl() <= 32);
        std::vector<std::uint64_t> zeilen;
        for (int r = 0; r < s.anzahl(); ++r) {
            std::uint64_t z = 0;
            for (std::uint8_t x : s.reihe(r))
                z |= std::uint64_t{1} << x;
            zeilen.push_back(z);
        }
        QVERIFY(haeltUeberZahlen(s.zahlen, zeilen, {3, 5}));
    }

    // A line that is damaged never becomes a system.
    void kaputteZeilen_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::newRow("ohne Strich") << QStringLiteral("6 2:2 - 1 10 0 3 abcde abcdf bcdef");
        QTest::newRow("zu wenige Angaben") << QStringLiteral("6 2:2 - 1 10 3 | abcde abcdf bcdef");
        QTest::newRow("Zahl fehlt") << QStringLiteral("6 2:2 - x 10 0 3 | abcde abcdf bcdef");
        QTest::newRow("falsche Anzahl") << QStringLiteral("6 2:2 - 1 10 0 4 | abcde abcdf bcdef");
        QTest::newRow("Buchstabe zu gross") << QStringLiteral("6 2:2 - 1 10 0 3 | abcde abcdg bcdef");
        QTest::newRow("vier Zahlen") << QStringLiteral("6 2:2 - 1 10 0 3 | abcd abcdf bcdef");
        QTest::newRow("Zahl doppelt") << QStringLiteral("6 2:2 - 1 10 0 3 | abcdd abcdf bcdef");
        QTest::newRow("fremdes Zeichen") << QStringLiteral("6 2:2 - 1 10 0 3 | abcd\u00E9 abcdf bcdef");
        QTest::newRow("5 bei 5") << QStringLiteral("6 5:5 - 1 10 0 1 | abcde");
        QTest::newRow("zu viele Zahlen") << QStringLiteral("31 2:2 - 1 10 0 1 | abcde");
    }
    void kaputteZeilen()
    {
        QFETCH(QString, zeile);
        QString fehler;
        QVERIFY(!TabellenzeileLesen(zeile, &fehler));
        QVERIFY(!fehler.isEmpty());
    }

    void zeileHinUndZurueck()
    {
        const Tabelleneintrag e{30, {3, 3}, QStringLiteral("10x3"), 77, 123, 45, {0x1F, 0x3E000000, 0x2A8001}};
        const QString zeile = Tabellenzeile(e);
        QCOMPARE(zeile, QStringLiteral("30 3:3 10x3 77 123 45 3 | abcde zABCD aprtv"));
        const std::optional<Tabelleneintrag> wieder = TabellenzeileLesen(zeile);
        QVERIFY(wieder);
        QCOMPARE(wieder->reihen, e.reihen);
        QCOMPARE(wieder->zyklen, e.zyklen);
        QCOMPARE(wieder->startwert, e.startwert);
        QCOMPARE(wieder->nachschritte, e.nachschritte);
        QCOMPARE(Zyklen::lesen(QStringLiteral("6x3.2"))->text(), QStringLiteral("6x3.2"));
        QCOMPARE(Zyklen::lesen(QStringLiteral("3x2"))->permutation(7), (std::vector<int>{1, 2, 0, 4, 5, 3, 6}));
        QVERIFY(!Zyklen::lesen(QStringLiteral("1")));
        QVERIFY(!Zyklen::lesen(QStringLiteral("16x2")));
    }
};

QTEST_GUILESS_MAIN(TestSystemtabelle)
#include "tst_systemtabelle.moc"
