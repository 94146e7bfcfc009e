// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnauswertung.h"
#include "evaluation/Gewinnchancen.h"
#include "statistics/Statistik.h"
#include "strategy/Strategietest.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

const QLocale deutsch(QLocale::German, QLocale::Germany);

// `anzahl` weekly draws from 1 January 2024, fair draws of a seeded engine of the test's own.
QVector<TGewZahlen> historie(int anzahl, std::uint32_t saat)
{
    std::mt19937 motor(saat);
    QVector<TGewZahlen> h;
    std::array<std::uint8_t, 49> alle{};
    for (int i = 0; i < 49; ++i)
        alle[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    for (int d = 0; d < anzahl; ++d) {
        std::shuffle(alle.begin(), alle.end(), motor);
        TGewZahlen z;
        z.datum = 45292.0 + 7 * d;
        std::copy(alle.begin(), alle.begin() + 5, z.GZ.begin());
        z.bonus = static_cast<std::uint8_t>(1 + motor() % 10);
        h.append(z);
    }
    return h;
}

Tippreihe reihe(std::array<std::uint8_t, 5> zahlen, std::uint8_t zz)
{
    return Tippreihe{zahlen, zz};
}

// Ten rows of a ticket, one of them damaged (a number out of range, a Zusatzzahl of 11).
QVector<Tippreihe> zehnReihen()
{
    return {reihe({1, 2, 3, 4, 5}, 1),      reihe({6, 13, 20, 27, 34}, 2),  reihe({7, 14, 21, 28, 35}, 3),
            reihe({8, 15, 22, 29, 36}, 4),  reihe({9, 16, 23, 30, 37}, 5),  reihe({10, 17, 24, 31, 38}, 6),
            reihe({11, 18, 25, 32, 39}, 7), reihe({12, 19, 26, 33, 40}, 8), reihe({41, 42, 43, 44, 45}, 9),
            reihe({46, 47, 48, 49, 50}, 11)};
}

Strategie schein(const QVector<Tippreihe> &reihen, int ges = 1, int meine = 1)
{
    Strategie s;
    s.art = Strategieart::Schein;
    s.datei = QStringLiteral("/tmp/test.qtt");
    s.reihen = reihen;
    s.antGes = ges;
    s.antMeine = meine;
    return s;
}

Strategie regel(Rangfolge rang, int k, int fenster, std::optional<Garantie> garantie = std::nullopt)
{
    Strategie s;
    s.art = Strategieart::Regel;
    s.rangfolge = rang;
    s.anzahl = k;
    s.fenster = fenster;
    s.garantie = garantie;
    return s;
}

Strategie zufall(int reihen)
{
    Strategie s;
    s.art = Strategieart::Zufall;
    s.vorgaben.ZufReihenAnz = reihen;
    return s;
}

Testauftrag auftrag(const QVector<TGewZahlen> &h, int von, int bis, std::vector<Strategie> strategien, int verlaeufe)
{
    Testauftrag a;
    a.ziehungen = h;
    a.von = von;
    a.bis = bis;
    a.strategien = std::move(strategien);
    a.verlaeufe = verlaeufe;
    a.startwert = 20240101;
    return a;
}

// The win of a row in a draw, in ten-thousandths, counted from the sets.
Betrag gewinnVon(const std::array<std::uint8_t, 5> &zahlen, std::uint8_t zz, Reihenwort ziehung)
{
    int treffer = 0;
    for (std::uint8_t n : zahlen)
        treffer += (ziehung >> n) & 1U;
    const int k = KlasseFuer(treffer, zz == (ziehung >> ZusatzzahlStelle));
    return k > 0 ? Gewinnklassen[static_cast<std::size_t>(k - 1)].Gewinn : 0;
}

std::vector<int> zahlenDerReihen(const std::vector<Reihenwort> &reihen)
{
    Reihenwort alle = 0;
    for (Reihenwort w : reihen)
        alle |= w & Spielzahlbits;
    std::vector<int> z;
    for (int n = 1; n <= 49; ++n)
        if ((alle >> n) & 1U)
            z.push_back(n);
    return z;
}

} // namespace

class TestStrategietest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void festerScheinGleichtDerAuswertung();
    void regelzahlenWieVonHandGezaehlt_data();
    void regelzahlenWieVonHandGezaehlt();
    void keinBlickInDieZukunft();
    void erwartungIstReihenMalErwartungMinusEinsatz();
    void bandWieNachgerechnet();
    void bandWieEineUnabhaengigeSimulation();
    void fuenfRichtigeMitZusatzzahlSindSelten();
    void platzierung_data();
    void platzierung();
    void reihenpreisInCent_data();
    void reihenpreisInCent();
    void unspielbaresWirdAbgelehnt_data();
    void unspielbaresWirdAbgelehnt();
    void einstellungenHinUndZurueck();
    void zufallsreihenWiederholbar();
};

void TestStrategietest::festerScheinGleichtDerAuswertung()
{
    const QVector<TGewZahlen> h = historie(400, 7);
    const QVector<Tippreihe> reihen = zehnReihen();
    const Testergebnis t = StrategienTesten(auftrag(h, 100, 399, {schein(reihen, 7, 3)}, 0));
    QVERIFY2(t.fehler.isEmpty(), qPrintable(t.fehler));
    QCOMPARE(t.strategien.size(), std::size_t{1});
    const Strategieergebnis &s = t.strategien.front();

    Zustand zustand;
    zustand.Ziehungen = h;
    zustand.Formateinstellungen = deutsch;
    zustand.Reihenpreis = 2.0F;
    const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 7, 3, 399, 100, true);
    QVERIFY(e.gesamt > 0);
    QCOMPARE(s.ziehungen, 300);
    QCOMPARE(s.reihen, e.paare);
    QCOMPARE(s.einsatzCent, e.paare * 200);
    QCOMPARE(s.gewinnCent * 100, e.gesamt);
    QCOMPARE(s.anteilCent * 100, e.gesamtAnteil);
    QCOMPARE(s.bilanzCent, s.gewinnCent - s.einsatzCent);
    QCOMPARE(s.ruecklauf, e.ruecklauf);
    for (std::size_t k = 0; k < s.klassen.size(); ++k)
        QCOMPARE(s.klassen[k], e.klassenAnzahl[k]);
    QCOMPARE(s.hoechsterCent * 100, e.hoechster);
    QCOMPARE(s.hoechsterZiehung, e.hoechsterZiehung + 100);

    // Draw by draw: the wins of each draw's block of the evaluation, and the longest run of
    // draws without one.
    std::vector<std::int64_t> jeZiehung(300, 0);
    for (const Ergebniszeile &z : e.zeilen)
        if (z.klasse > 0)
            jeZiehung[static_cast<std::size_t>(z.ziehung)] += Gewinnklassen[z.klasse - 1u].Gewinn / 100;
    int durst = 0;
    int laengste = 0;
    for (int j = 0; j < 300; ++j) {
        QCOMPARE(s.verlauf[static_cast<std::size_t>(j)].gewinnCent, jeZiehung[static_cast<std::size_t>(j)]);
        QCOMPARE(s.verlauf[static_cast<std::size_t>(j)].reihen, 10);
        durst = jeZiehung[static_cast<std::size_t>(j)] > 0 ? 0 : durst + 1;
        laengste = std::max(laengste, durst);
    }
    QCOMPARE(s.laengsteDurststrecke, laengste);
    QCOMPARE(s.verlauf.back().bilanzCent, s.bilanzCent);
}

void TestStrategietest::regelzahlenWieVonHandGezaehlt_data()
{
    QTest::addColumn<int>("rang");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<int>("fenster");
    QTest::newRow("häufigste 6 aus 10") << int(Rangfolge::Haeufigste) << 6 << 10;
    QTest::newRow("häufigste 12 aus allen") << int(Rangfolge::Haeufigste) << 12 << 0;
    QTest::newRow("seltenste 8 aus 25") << int(Rangfolge::Seltenste) << 8 << 25;
    QTest::newRow("seltenste 6 aus allen") << int(Rangfolge::Seltenste) << 6 << 0;
    QTest::newRow("ausgeblieben 7 aus 10") << int(Rangfolge::Ausgeblieben) << 7 << 10;
    QTest::newRow("ausgeblieben 10 aus allen") << int(Rangfolge::Ausgeblieben) << 10 << 0;
}

void TestStrategietest::regelzahlenWieVonHandGezaehlt()
{
    QFETCH(int, rang);
    QFETCH(int, anzahl);
    QFETCH(int, fenster);
    const QVector<TGewZahlen> h = historie(150, 11);
    const Strategie s = regel(static_cast<Rangfolge>(rang), anzahl, fenster);
    // From the first draw on, where nothing lies before it, to the last.
    const int von = 0;
    const int bis = 149;
    QString fehler;
    const Strategiereihen plan = Strategiereihen::vorbereiten(s, h, von, bis, 5, 0, nullptr, fehler);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    for (int d : {0, 1, 9, 10, 11, 57, 149}) {
        // By hand: per number its count and the draws since it came last in the window.
        const int lo = fenster > 0 ? std::max(0, d - fenster) : 0;
        std::vector<std::pair<long, int>> wertung; // (value, number): higher value first
        for (int n = 1; n <= 49; ++n) {
            int zahl = 0;
            int seit = d - lo;
            for (int i = d - 1; i >= lo; --i) {
                const auto &gz = h[i].GZ;
                if (std::find(gz.begin(), gz.end(), n) != gz.end()) {
                    if (zahl == 0)
                        seit = d - 1 - i;
                    ++zahl;
                }
            }
            const long wert = rang == int(Rangfolge::Haeufigste)   ? zahl
                              : rang == int(Rangfolge::Seltenste) ? -zahl
                                                                  : seit;
            wertung.push_back({-wert, n});
        }
        std::sort(wertung.begin(), wertung.end());
        std::vector<int> erwartet;
        for (int i = 0; i < anzahl; ++i)
            erwartet.push_back(wertung[static_cast<std::size_t>(i)].second);
        std::sort(erwartet.begin(), erwartet.end());
        QCOMPARE(plan.regelzahlen(d - von), erwartet);
        // The same numbers from the statistics of the program over the window.
        if (d > lo) {
            Zustand z;
            z.Ziehungen = h;
            StatistikStart(z);
            std::vector<int> statistik;
            if (rang == int(Rangfolge::Ausgeblieben)) {
                const auto aus = Ausgeblieben(z, lo, d - 1);
                for (int i = 0; i < anzahl; ++i)
                    statistik.push_back(aus[static_cast<std::size_t>(i)].zahl);
            } else {
                TeilStatistik(z, lo, d - 1);
                std::vector<int> zahlen(49);
                std::iota(zahlen.begin(), zahlen.end(), 1);
                const int vz = rang == int(Rangfolge::Haeufigste) ? -1 : 1;
                std::stable_sort(zahlen.begin(), zahlen.end(), [&](int a, int b) {
                    return vz * z.Haeufigkeiten[static_cast<std::size_t>(a)] < vz * z.Haeufigkeiten[static_cast<std::size_t>(b)];
                });
                statistik.assign(zahlen.begin(), zahlen.begin() + anzahl);
            }
            std::sort(statistik.begin(), statistik.end());
            QCOMPARE(statistik, erwartet);
        }
        // The full system of those numbers is what is played.
        std::vector<Reihenwort> reihen;
        plan.reihen(d - von, reihen);
        QCOMPARE(std::int64_t(reihen.size()), Binomialkoeffizient(anzahl, 5));
        QCOMPARE(zahlenDerReihen(reihen), erwartet);
        for (Reihenwort w : reihen)
            QCOMPARE(std::popcount(w & Spielzahlbits), 5);
    }
}

void TestStrategietest::keinBlickInDieZukunft()
{
    const QVector<TGewZahlen> h = historie(300, 3);
    Strategie kurz = regel(Rangfolge::Haeufigste, 10, 30, Garantie{3, 4});
    const std::vector<Strategie> strategien{regel(Rangfolge::Ausgeblieben, 8, 0), regel(Rangfolge::Seltenste, 7, 20),
                                            kurz, zufall(5)};
    const int von = 100;
    const int d = 180;
    const Testergebnis vorher = StrategienTesten(auftrag(h, von, 299, strategien, 0));
    QVERIFY2(vorher.fehler.isEmpty(), qPrintable(vorher.fehler));

    // Every draw after d changes.
    QVector<TGewZahlen> anders = historie(300, 99);
    for (int i = 0; i <= d; ++i)
        anders[i] = h[i];
    const Testergebnis nachher = StrategienTesten(auftrag(anders, von, 299, strategien, 0));
    bool spaeterAnders = false;
    for (std::size_t p = 0; p < strategien.size(); ++p) {
        QString f1, f2;
        const Strategiereihen a = Strategiereihen::vorbereiten(strategien[p], h, von, 299, 20240101, int(p), nullptr, f1);
        const Strategiereihen b = Strategiereihen::vorbereiten(strategien[p], anders, von, 299, 20240101, int(p), nullptr, f2);
        for (int j = 0; j <= d - von; ++j) {
            std::vector<Reihenwort> ra, rb;
            a.reihen(j, ra);
            b.reihen(j, rb);
            QVERIFY(ra == rb);
            const Ziehungsstand &x = vorher.strategien[p].verlauf[static_cast<std::size_t>(j)];
            const Ziehungsstand &y = nachher.strategien[p].verlauf[static_cast<std::size_t>(j)];
            QCOMPARE(x.gewinnCent, y.gewinnCent);
            QCOMPARE(x.bilanzCent, y.bilanzCent);
        }
        // The rules do look at the changed draws for the draws after them.
        if (strategien[p].art == Strategieart::Regel)
            for (int j = d - von + 2; j <= 299 - von && !spaeterAnders; ++j)
                spaeterAnders = a.regelzahlen(j) != b.regelzahlen(j);
    }
    QVERIFY(spaeterAnders);
}

void TestStrategietest::erwartungIstReihenMalErwartungMinusEinsatz()
{
    // The expected win of a proper row, counted here over every set of five winning numbers; the
    // Zusatzzahl matches in one outcome of ten.
    const Tippreihe r = reihe({3, 11, 19, 27, 44}, 4);
    Ganzzahl128Vz summe = 0;
    for (int a = 1; a <= 45; ++a)
        for (int b = a + 1; b <= 46; ++b)
            for (int c = b + 1; c <= 47; ++c)
                for (int dd = c + 1; dd <= 48; ++dd)
                    for (int e = dd + 1; e <= 49; ++e) {
                        int treffer = 0;
                        for (int n : {a, b, c, dd, e})
                            treffer += std::count(r.zahlen.begin(), r.zahlen.end(), n) > 0 ? 1 : 0;
                        for (bool passt : {true, false}) {
                            const int k = KlasseFuer(treffer, passt);
                            if (k > 0)
                                summe += Ganzzahl128Vz{Gewinnklassen[static_cast<std::size_t>(k - 1)].Gewinn} * (passt ? 1 : 9);
                        }
                    }
    QCOMPARE(static_cast<std::int64_t>(summe), ErwartungMalZiehungen());

    const QVector<TGewZahlen> h = historie(260, 5);
    QVector<Tippreihe> gute = zehnReihen();
    gute.removeLast();
    std::vector<Strategie> strategien{schein(gute), zufall(7), regel(Rangfolge::Haeufigste, 9, 52, Garantie{2, 3})};
    Testauftrag a = auftrag(h, 10, 259, strategien, 0);
    a.reihenpreis = 1.25F;
    const Testergebnis t = StrategienTesten(a);
    QVERIFY2(t.fehler.isEmpty(), qPrintable(t.fehler));
    QCOMPARE(t.preisCent, 125);
    for (const Strategieergebnis &s : t.strategien) {
        const Ganzzahl128Vz M = MoeglicheZiehungen;
        const Ganzzahl128Vz mal = Ganzzahl128Vz{s.reihen} * summe - Ganzzahl128Vz{s.reihen} * 125 * 100 * M;
        QCOMPARE(static_cast<std::int64_t>(s.erwartetMal), static_cast<std::int64_t>(mal));
        // Cents, halves away from zero: the balance is negative here.
        QVERIFY(mal < 0);
        const auto cent = static_cast<std::int64_t>((-mal * 2 + 100 * M) / (200 * M));
        QCOMPARE(s.erwartetCent, -cent);
        QCOMPARE(qRound64(s.erwartetVerlauf.back()), s.erwartetCent);
    }
}

void TestStrategietest::bandWieNachgerechnet()
{
    // The band and the share recounted with the same fair draws, by sets of numbers and plain
    // sorting, history by history; and the same whatever the number of threads.
    const QVector<TGewZahlen> h = historie(150, 21);
    const std::vector<Strategie> strategien{schein(zehnReihen()), regel(Rangfolge::Seltenste, 7, 15)};
    Testauftrag a = auftrag(h, 20, 149, strategien, 101);
    a.threads = 1;
    const Testergebnis eins = StrategienTesten(a);
    a.threads = 3;
    const Testergebnis drei = StrategienTesten(a);
    QVERIFY2(eins.fehler.isEmpty(), qPrintable(eins.fehler));
    const int D = 130;
    const int S = 101;
    for (std::size_t p = 0; p < strategien.size(); ++p) {
        QString fehler;
        const Strategiereihen plan = Strategiereihen::vorbereiten(strategien[p], h, 20, 149, a.startwert, int(p), nullptr, fehler);
        std::vector<std::vector<Betrag>> bilanz(static_cast<std::size_t>(D));
        for (int s = 0; s < S; ++s) {
            Fairziehungen fair(a.startwert, s);
            Betrag summe = 0;
            for (int j = 0; j < D; ++j) {
                const Reihenwort z = fair.naechste();
                std::vector<Reihenwort> reihen;
                plan.reihen(j, reihen);
                for (Reihenwort w : reihen) {
                    std::array<std::uint8_t, 5> zahlen{};
                    int i = 0;
                    for (int n = 1; n <= 49; ++n)
                        if ((w >> n) & 1U)
                            zahlen[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(n);
                    summe += gewinnVon(zahlen, static_cast<std::uint8_t>(w >> ZusatzzahlStelle), z) - 200 * 100;
                }
                bilanz[static_cast<std::size_t>(j)].push_back(summe);
            }
        }
        const Strategieergebnis &r = eins.strategien[p];
        for (int j = 0; j < D; ++j) {
            auto werte = bilanz[static_cast<std::size_t>(j)];
            std::sort(werte.begin(), werte.end());
            // ceil(0.05 * 101) = 6, ceil(0.95 * 101) = 96
            QCOMPARE(r.bandUnten[static_cast<std::size_t>(j)] * 100, werte[5]);
            QCOMPARE(r.bandOben[static_cast<std::size_t>(j)] * 100, werte[95]);
        }
        const auto &ende = bilanz.back();
        QCOMPARE(r.mindestensSoGut, int(std::count_if(ende.begin(), ende.end(), [&](Betrag b) {
                     return b >= r.bilanzCent * 100;
                 })));
        QVERIFY(r.bandUnten == drei.strategien[p].bandUnten);
        QVERIFY(r.bandOben == drei.strategien[p].bandOben);
        QCOMPARE(r.mindestensSoGut, drei.strategien[p].mindestensSoGut);
    }
}

void TestStrategietest::bandWieEineUnabhaengigeSimulation()
{
    // Fair draws of an engine of the test's own, 2,000 histories of 300 draws of the ten rows:
    // the band's ends at the last draw agree within a few euros, the medians of wins per draw
    // too, and the numbers and Zusatzzahlen of the test's fair draws are uniform.
    const int S = 2000;
    const int D = 300;
    const QVector<TGewZahlen> h = historie(D, 1);
    QVector<Tippreihe> reihen = zehnReihen();
    reihen.removeLast();
    const Testergebnis t = StrategienTesten(auftrag(h, 0, D - 1, {schein(reihen)}, S));
    QVERIFY2(t.fehler.isEmpty(), qPrintable(t.fehler));

    std::mt19937_64 motor(42);
    std::array<std::uint8_t, 49> alle{};
    for (int i = 0; i < 49; ++i)
        alle[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    std::vector<Betrag> ende;
    for (int s = 0; s < S; ++s) {
        Betrag summe = 0;
        for (int j = 0; j < D; ++j) {
            for (int i = 0; i < 5; ++i)
                std::swap(alle[static_cast<std::size_t>(i)],
                          alle[static_cast<std::size_t>(i + motor() % static_cast<std::uint64_t>(49 - i))]);
            Reihenwort z = Reihenwort{1 + motor() % 10} << ZusatzzahlStelle;
            for (int i = 0; i < 5; ++i)
                z |= Reihenwort{1} << alle[static_cast<std::size_t>(i)];
            for (const Tippreihe &r : reihen)
                summe += gewinnVon(r.zahlen, r.zusatzzahl, z) - 20000;
        }
        ende.push_back(summe / 100);
    }
    std::sort(ende.begin(), ende.end());
    const Strategieergebnis &r = t.strategien.front();
    const std::int64_t unten = ende[99]; // ceil(0.05 * 2000) = 100th
    const std::int64_t oben = ende[1899];
    qInfo() << "Band" << r.bandUnten.back() << r.bandOben.back() << "unabhängig" << unten << oben;
    const double breite = double(oben - unten);
    QVERIFY(std::abs(double(r.bandUnten.back() - unten)) < 0.1 * breite);
    QVERIFY(std::abs(double(r.bandOben.back() - oben)) < 0.1 * breite);

    std::array<int, 50> zahlen{};
    std::array<int, 11> zusatz{};
    const int N = 49000;
    Fairziehungen fair(7, 0);
    for (int i = 0; i < N; ++i) {
        const Reihenwort w = fair.naechste();
        QCOMPARE(std::popcount(w & Spielzahlbits), 5);
        QCOMPARE(w & ~Spielzahlbits & ((Reihenwort{1} << ZusatzzahlStelle) - 1), Reihenwort{0});
        for (int n = 1; n <= 49; ++n)
            zahlen[static_cast<std::size_t>(n)] += (w >> n) & 1U;
        const auto zz = static_cast<std::size_t>(w >> ZusatzzahlStelle);
        QVERIFY(zz >= 1 && zz <= 10);
        ++zusatz[zz];
    }
    // Chi-square with 48 and 9 degrees of freedom; the 0.1 % points are 84.0 and 27.9.
    double chi = 0;
    for (int n = 1; n <= 49; ++n)
        chi += std::pow(zahlen[static_cast<std::size_t>(n)] - 5000.0, 2) / 5000.0;
    QVERIFY2(chi < 84.0, qPrintable(QString::number(chi)));
    chi = 0;
    for (int z = 1; z <= 10; ++z)
        chi += std::pow(zusatz[static_cast<std::size_t>(z)] - 4900.0, 2) / 4900.0;
    QVERIFY2(chi < 27.9, qPrintable(QString::number(chi)));
}

void TestStrategietest::fuenfRichtigeMitZusatzzahlSindSelten()
{
    QVector<TGewZahlen> h = historie(1000, 77);
    QVector<Tippreihe> reihen = zehnReihen();
    reihen.removeLast();
    reihen.append(reihe({2, 9, 24, 33, 48}, 6));
    // Draw 640 brings the ninth row's five numbers and its Zusatzzahl.
    h[640].GZ = {48, 2, 33, 9, 24};
    h[640].bonus = 6;
    const Testergebnis t = StrategienTesten(auftrag(h, 0, 999, {schein(reihen)}, 1000));
    QVERIFY2(t.fehler.isEmpty(), qPrintable(t.fehler));
    const Strategieergebnis &r = t.strategien.front();
    QCOMPARE(r.klassen[0], 1);
    QCOMPARE(r.hoechsterZiehung, 640);
    QCOMPARE(r.hoechsterCent, 200'000'000);
    QVERIFY(r.mindestensSoGut * 100 < 1000);
    QCOMPARE(PlatzierungText(r.mindestensSoGut, r.verlaeufe),
             QStringLiteral("Ein mindestens so gutes Ergebnis hatten weniger als 1 % der zufälligen Verläufe."));
    // The balance lies far above the band and far above what is expected.
    QVERIFY(r.bilanzCent > r.bandOben.back());
    QVERIFY(r.bilanzCent > r.erwartetCent);
}

void TestStrategietest::platzierung_data()
{
    QTest::addColumn<int>("besser");
    QTest::addColumn<int>("verlaeufe");
    QTest::addColumn<QString>("text");
    QTest::newRow("keiner") << 0 << 1000 << QStringLiteral("weniger als 1 %");
    QTest::newRow("knapp unter 1 %") << 9 << 1000 << QStringLiteral("weniger als 1 %");
    QTest::newRow("genau 1 %") << 10 << 1000 << QStringLiteral("1 %");
    QTest::newRow("37 %") << 370 << 1000 << QStringLiteral("37 %");
    QTest::newRow("halb rundet auf") << 365 << 1000 << QStringLiteral("37 %");
    QTest::newRow("knapp darunter") << 364 << 1000 << QStringLiteral("36 %");
    QTest::newRow("genau 99 %") << 990 << 1000 << QStringLiteral("99 %");
    QTest::newRow("über 99 %") << 991 << 1000 << QStringLiteral("mehr als 99 %");
    QTest::newRow("alle") << 1000 << 1000 << QStringLiteral("mehr als 99 %");
    QTest::newRow("drei von sieben") << 3 << 7 << QStringLiteral("43 %");
}

void TestStrategietest::platzierung()
{
    QFETCH(int, besser);
    QFETCH(int, verlaeufe);
    QFETCH(QString, text);
    QCOMPARE(PlatzierungAnteil(besser, verlaeufe), text);
    QCOMPARE(PlatzierungText(besser, verlaeufe),
             QStringLiteral("Ein mindestens so gutes Ergebnis hatten %1 der zufälligen Verläufe.").arg(text));
}

void TestStrategietest::reihenpreisInCent_data()
{
    QTest::addColumn<float>("preis");
    QTest::addColumn<qint64>("cent");
    QTest::newRow("2,00") << 2.0F << qint64(200);
    QTest::newRow("1,20") << 1.2F << qint64(120);
    QTest::newRow("1,005 rundet auf") << 1.005F << qint64(101);
    QTest::newRow("1,004 rundet ab") << 1.004F << qint64(100);
    QTest::newRow("2,125") << 2.125F << qint64(213);
    QTest::newRow("0,999") << 0.999F << qint64(100);
    QTest::newRow("12,5") << 12.5F << qint64(1250);
    QTest::newRow("null") << 0.0F << qint64(0);
    QTest::newRow("negativ") << -1.0F << qint64(0);
    QTest::newRow("keine Zahl") << std::nanf("") << qint64(0);
}

void TestStrategietest::reihenpreisInCent()
{
    QFETCH(float, preis);
    QFETCH(qint64, cent);
    QCOMPARE(ReihenpreisCent(preis), cent);
}

void TestStrategietest::unspielbaresWirdAbgelehnt_data()
{
    QTest::addColumn<int>("fall");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("leerer Zeitraum") << 0 << QStringLiteral("Im gewählten Zeitraum liegt keine Ziehung");
    QTest::newRow("keine Strategie") << 1 << QStringLiteral("Es ist keine Strategie angelegt");
    QTest::newRow("leerer Schein") << 2 << QStringLiteral("enthält keine Tippreihe");
    QTest::newRow("keine Zufallsreihe möglich") << 3 << QStringLiteral("gibt es keine Tippreihe");
    QTest::newRow("Regel mit 13 Zahlen") << 4 << QStringLiteral("6 bis 12 Zahlen");
    QTest::newRow("Fenster zu klein") << 5 << QStringLiteral("mindestens 10 Ziehungen");
    QTest::newRow("System mit 5 Zahlen") << 6 << QStringLiteral("Zahlen");
    QTest::newRow("keine Ziehungen") << 7 << QStringLiteral("keine Ziehungen vorhanden");
}

void TestStrategietest::unspielbaresWirdAbgelehnt()
{
    QFETCH(int, fall);
    QFETCH(QString, meldung);
    const QVector<TGewZahlen> h = historie(50, 2);
    Testauftrag a = auftrag(h, 0, 49, {schein(zehnReihen())}, 10);
    switch (fall) {
    case 0: a.von = 30; a.bis = 20; break;
    case 1: a.strategien.clear(); break;
    case 2: a.strategien = {schein({})}; break;
    case 3: {
        Strategie s = zufall(3);
        for (std::uint8_t n : {45, 46, 47, 48, 49})
            s.vorgaben.BZGewaehlt.hinzu(n);
        s.vorgaben.filter.setze(Musterart::Summe, Musterbereich{100, 150});
        a.strategien.push_back(s);
        break;
    }
    case 4: a.strategien.push_back(regel(Rangfolge::Haeufigste, 13, 0)); break;
    case 5: a.strategien.push_back(regel(Rangfolge::Haeufigste, 8, 9)); break;
    case 6: {
        Strategie s;
        s.art = Strategieart::System;
        s.zahlen = {1, 2, 3, 4, 5};
        a.strategien.push_back(s);
        break;
    }
    case 7: a.ziehungen.clear(); break;
    }
    const Testergebnis t = StrategienTesten(a);
    QVERIFY2(t.fehler.contains(meldung), qPrintable(t.fehler));
    QVERIFY(t.strategien.empty());
}

void TestStrategietest::einstellungenHinUndZurueck()
{
    Strategie a = schein({});
    a.name = QStringLiteral("Mein; Schein \\ mit = Zeichen");
    a.datei = QStringLiteral("/home/x/Tipp;scheine/a=b.qtt");
    Strategie b;
    b.art = Strategieart::System;
    b.zahlen = {3, 7, 12, 19, 25, 31, 44};
    b.garantie = Garantie{3, 4};
    b.schritte = 5000;
    b.festeZusatzzahl = 7;
    Strategie c = zufall(12);
    c.vorgaben.BZGewaehlt.hinzu(7);
    c.vorgaben.KillGewaehlt.hinzu(13);
    c.vorgaben.FavGewaehlt.hinzu(42);
    c.vorgaben.filter.setze(Musterart::Summe, Musterbereich{100, 150});
    c.vorgaben.filter.setze(Musterart::Folge, Musterbereich{1, 2});
    Strategie d = regel(Rangfolge::Ausgeblieben, 11, 0, Garantie{2, 3});
    // Rows of an open tab, a damaged one among them, with their shares.
    Strategie e = schein(zehnReihen(), 5, 2);
    e.datei.clear();
    e.tab = QStringLiteral("System (nicht gespeichert)");
    for (const Strategie &s : {a, b, c, d, e}) {
        const QString zeile = EintraegeAlsZeile(StrategieAlsEintraege(s));
        const std::optional<Strategie> zurueck = StrategieAusEintraegen(EintraegeAusZeile(zeile));
        QVERIFY2(zurueck.has_value(), qPrintable(zeile));
        QCOMPARE(EintraegeAlsZeile(StrategieAlsEintraege(*zurueck)), zeile);
        QCOMPARE(zurueck->name, s.name);
        QCOMPARE(zurueck->datei, s.datei);
        QCOMPARE(zurueck->zahlen, s.zahlen);
        QVERIFY(zurueck->garantie == s.garantie);
        QVERIFY(zurueck->vorgaben.filter == s.vorgaben.filter);
        QVERIFY(zurueck->vorgaben.BZGewaehlt == s.vorgaben.BZGewaehlt);
        QCOMPARE(zurueck->fenster, s.fenster);
        QCOMPARE(zurueck->tab, s.tab);
        if (ReihenImSchein(s)) {
            QCOMPARE(zurueck->reihen.size(), s.reihen.size());
            for (qsizetype r = 0; r < s.reihen.size(); ++r) {
                QVERIFY(zurueck->reihen[r].zahlen == s.reihen[r].zahlen);
                QCOMPARE(zurueck->reihen[r].zusatzzahl, s.reihen[r].zusatzzahl);
            }
            QCOMPARE(zurueck->antGes, 5);
            QCOMPARE(zurueck->antMeine, 2);
        }
    }
    QVERIFY(!StrategieAusEintraegen(EintraegeAusZeile(QStringLiteral("art=unsinn;name=x"))));
    QVERIFY(!StrategieAusEintraegen(EintraegeAusZeile(QStringLiteral("art=regel;rang=haeufigste;anzahl=x"))));
    QVERIFY(!StrategieAusEintraegen(EintraegeAusZeile(QStringLiteral("art=system;garantie=3"))));
    QVERIFY(!StrategieAusEintraegen(EintraegeAusZeile(QStringLiteral("art=schein"))));
}

void TestStrategietest::zufallsreihenWiederholbar()
{
    // The same start value gives the same rows; a draw keeps its rows when the period changes;
    // another start value gives others. Every row obeys the generator's settings.
    const QVector<TGewZahlen> h = historie(60, 4);
    Strategie s = zufall(6);
    s.vorgaben.BZGewaehlt.hinzu(7);
    s.vorgaben.KillGewaehlt.hinzu(8);
    s.festeZusatzzahl = 3;
    QString f;
    const Strategiereihen a = Strategiereihen::vorbereiten(s, h, 10, 59, 1, 0, nullptr, f);
    const Strategiereihen b = Strategiereihen::vorbereiten(s, h, 30, 59, 1, 0, nullptr, f);
    const Strategiereihen c = Strategiereihen::vorbereiten(s, h, 10, 59, 2, 0, nullptr, f);
    std::vector<Reihenwort> ra, rb, rc;
    a.reihen(25, ra);
    b.reihen(5, rb);
    c.reihen(25, rc);
    QVERIFY(ra == rb);
    QVERIFY(ra != rc);
    QCOMPARE(ra.size(), std::size_t{6});
    for (Reihenwort w : ra) {
        QVERIFY((w >> 7) & 1U);
        QVERIFY(!((w >> 8) & 1U));
        QCOMPARE(int(w >> ZusatzzahlStelle), 3);
    }
}

QTEST_GUILESS_MAIN(TestStrategietest)
#include "tst_strategietest.moc"
