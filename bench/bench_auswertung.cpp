// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Win evaluation of a 1,000-row ticket over a run of draws: the evaluation alone, the evaluation
// handing its blocks on without keeping them (as the command line writes them), the evaluation
// with every text of its result list, and two references on 32-byte sets: one counts the hits
// through a table of four-bit counts and builds no result rows, the other counts through a
// table of 256 byte counts and builds the same result as the evaluation.
//
// Measure in a Release build:
//   build-release/bin/bench_auswertung --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "evaluation/Gewinnauswertung.h"
#include "model/Datum.h"

#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <random>

namespace {

constexpr int AnzahlReihen = 1000;
constexpr int MeisteZiehungen = 2000;

struct Daten
{
    Zustand zustand;
    QVector<Tippreihe> reihen;
};

Daten &daten()
{
    static Daten d = [] {
        Daten neu;
        std::mt19937 zufall(20240101U);
        std::uniform_int_distribution<int> zz(1, MaxZusatzzahl);
        neu.zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
        for (int i = 0; i < MeisteZiehungen; ++i) {
            TGewZahlen z;
            z.datum = 45292.0 + 7.0 * i;
            z.GZ = fuenfAus49(zufall);
            z.bonus = static_cast<std::uint8_t>(zz(zufall));
            neu.zustand.Ziehungen.append(z);
        }
        for (int i = 0; i < AnzahlReihen; ++i)
            neu.reihen.append(Tippreihe{fuenfAus49(zufall), static_cast<std::uint8_t>(zz(zufall))});
        return neu;
    }();
    return d;
}

// The newest `anzahl` draws, as a tab evaluates a range ending with the newest draw.
Auswertungsergebnis auswerten(int anzahl)
{
    Daten &d = daten();
    return GewinnAuswertung(d.zustand, d.reihen, 3, 1, MeisteZiehungen - 1, MeisteZiehungen - anzahl, true);
}

void BM_Auswertung(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    std::size_t zeilen = 0;
    for (auto _ : state) {
        Auswertungsergebnis e = auswerten(anzahl);
        zeilen = e.zeilen.size();
        benchmark::DoNotOptimize(e);
    }
    state.counters["Paare"] = double(anzahl) * AnzahlReihen;
    state.counters["Ergebniszeilen"] = double(zeilen);
}

void BM_AuswertungBlockweise(benchmark::State &state)
{
    // Counts what it is handed, as a consumer that writes the rows out and keeps none.
    struct Zaehler : Ergebnisempfaenger
    {
        std::size_t zeilen = 0;
        void anfang(const Auswertungsergebnis &, std::size_t) override {}
        void block(const Auswertungsergebnis &, std::span<const Ergebniszeile> block) override
        {
            zeilen += block.size();
        }
    };
    const int anzahl = static_cast<int>(state.range(0));
    Daten &d = daten();
    std::size_t zeilen = 0;
    for (auto _ : state) {
        Zaehler zaehler;
        Auswertungsergebnis e = GewinnAuswertungBlockweise(d.zustand, d.reihen, 3, 1, MeisteZiehungen - 1,
                                                           MeisteZiehungen - anzahl, true, zaehler);
        zeilen = zaehler.zeilen;
        benchmark::DoNotOptimize(e);
    }
    state.counters["Ergebniszeilen"] = double(zeilen);
}

void BM_AuswertungMitTexten(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    const QLocale &locale = daten().zustand.Formateinstellungen;
    for (auto _ : state) {
        const Auswertungsergebnis e = auswerten(anzahl);
        qsizetype zeichen = 0;
        for (int z = 0; z < int(e.zeilen.size()); ++z)
            for (int s = 0; s < ErgebnisSpalten; ++s)
                zeichen += Ergebnistext(e, z, s).size();
        const Kennzahltexte t = KennzahlenTexte(e, locale);
        zeichen += t.gesamt.size() + t.ruecklauf.size();
        benchmark::DoNotOptimize(zeichen);
    }
}

// Hits counted as the byte-wise routine describes: AND the two 32-byte sets, then look up the low
// and high four bits of every byte. Classes are counted so that nothing is optimised away.
void BM_ReferenzBitanzahl(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    static constexpr std::uint8_t Halbbyte[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
    const Daten &d = daten();
    std::vector<Zahlenmenge> reihenmengen;
    for (const Tippreihe &r : d.reihen) {
        Zahlenmenge m;
        for (const std::uint8_t n : r.zahlen)
            m.hinzu(n);
        reihenmengen.push_back(m);
    }
    std::vector<Zahlenmenge> ziehungsmengen;
    for (int i = MeisteZiehungen - anzahl; i < MeisteZiehungen; ++i)
        ziehungsmengen.push_back(d.zustand.Ziehungen[i].menge());

    for (auto _ : state) {
        std::array<std::int64_t, AnzahlGewinnklassen + 1> klassen{};
        for (std::size_t z = 0; z < ziehungsmengen.size(); ++z) {
            const std::uint8_t *gz = ziehungsmengen[z].bytes();
            const std::uint8_t bonus = d.zustand.Ziehungen[MeisteZiehungen - anzahl + int(z)].bonus;
            for (std::size_t r = 0; r < reihenmengen.size(); ++r) {
                const std::uint8_t *wz = reihenmengen[r].bytes();
                int treffer = 0;
                for (std::size_t i = 0; i < Zahlenmenge::Groesse; ++i) {
                    const std::uint8_t b = gz[i] & wz[i];
                    treffer += Halbbyte[b & 0x0F] + Halbbyte[b >> 4];
                }
                ++klassen[std::size_t(KlasseFuer(treffer, d.reihen[qsizetype(r)].zusatzzahl == bonus))];
            }
        }
        benchmark::DoNotOptimize(klassen);
    }
}

// The same evaluation written plainly: each pair's 32-byte sets are intersected and counted byte
// by byte through a table of 256 counts, and every winning pair is appended to the result list
// as it comes. It builds the result the evaluation builds (checked before measuring), so the two
// differ only in how they count and collect.
Auswertungsergebnis referenzauswertung(const Zustand &zustand, const QVector<Tippreihe> &reihen, int antGes,
                                       int antMeine, int von, int bis)
{
    static const std::array<std::uint8_t, 256> Bytetabelle = [] {
        std::array<std::uint8_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[std::size_t(b)] = std::uint8_t(std::popcount(unsigned(b)));
        return t;
    }();
    Auswertungsergebnis e;
    e.antGes = antGes;
    e.antMeine = antMeine;
    const QLocale &locale = zustand.Formateinstellungen;
    const QString format = Datum::kurzesFormat(locale);
    for (int i = von; i <= bis; ++i) {
        const TGewZahlen &z = zustand.Ziehungen[i];
        const QString datum = locale.toString(Datum::zuDatum(z.datum), format).left(10);
        e.ziehungen.append(TGewAusw{z.datum, datum, z.menge(), z.bonus});
    }
    std::vector<Zahlenmenge> reihenmengen;
    for (const Tippreihe &r : reihen) {
        Zahlenmenge m;
        for (const std::uint8_t n : r.zahlen)
            m.hinzu(n);
        reihenmengen.push_back(m);
    }

    int besteKlasse = AnzahlGewinnklassen + 1;
    for (int d = 0; d < e.ziehungen.size(); ++d) {
        const std::uint8_t *gz = e.ziehungen[d].GZA.bytes();
        const std::uint8_t bonus = e.ziehungen[d].bonus;
        bool gewonnen = false;
        for (std::size_t r = 0; r < reihenmengen.size(); ++r) {
            const std::uint8_t *wz = reihenmengen[r].bytes();
            int treffer = 0;
            for (std::size_t i = 0; i < Zahlenmenge::Groesse; ++i)
                treffer += Bytetabelle[gz[i] & wz[i]];
            const int klasse = KlasseFuer(treffer, reihen[qsizetype(r)].zusatzzahl == bonus);
            if (klasse == 0)
                continue;
            e.zeilen.push_back(Ergebniszeile{d, std::int32_t(r + 1), std::uint8_t(klasse), !gewonnen});
            gewonnen = true;
            ++e.klassenAnzahl[std::size_t(klasse - 1)];
            if (klasse < besteKlasse) {
                besteKlasse = klasse;
                e.hoechsterPosition = int(e.zeilen.size());
                e.hoechsterDatum = e.ziehungen[d].SDatum;
            }
        }
        if (!gewonnen)
            e.zeilen.push_back(Ergebniszeile{d, 0, 0, true});
    }

    e.paare = std::int64_t(e.ziehungen.size()) * std::int64_t(reihen.size());
    for (std::size_t k = 0; k < std::size_t(AnzahlGewinnklassen); ++k) {
        e.gesamt += e.klassenAnzahl[k] * Gewinnklassen[k].Gewinn;
        e.gewinnTexte[k] = BetragZuText(Gewinnklassen[k].Gewinn, locale);
        e.anteilTexte[k] = BetragZuText(MeinAnteil(antGes, antMeine, Gewinnklassen[k].Gewinn), locale);
    }
    if (besteKlasse <= AnzahlGewinnklassen)
        e.hoechster = Gewinnklassen[std::size_t(besteKlasse - 1)].Gewinn;
    e.gesamtAnteil = MeinAnteil(antGes, antMeine, e.gesamt);
    const double prozent =
        double(e.gesamt) / double(BetragProEuro) / (double(e.paare) * double(zustand.Reihenpreis)) * 100.0;
    e.ruecklauf = Betrag(std::nearbyint(prozent * double(BetragProEuro)));
    return e;
}

bool gleich(const Auswertungsergebnis &a, const Auswertungsergebnis &b)
{
    const auto zeileGleich = [](const Ergebniszeile &x, const Ergebniszeile &y) {
        return x.ziehung == y.ziehung && x.reihe == y.reihe && x.klasse == y.klasse && x.blockanfang == y.blockanfang;
    };
    return std::equal(a.zeilen.begin(), a.zeilen.end(), b.zeilen.begin(), b.zeilen.end(), zeileGleich) &&
           a.klassenAnzahl == b.klassenAnzahl && a.gesamt == b.gesamt && a.gesamtAnteil == b.gesamtAnteil &&
           a.ruecklauf == b.ruecklauf && a.hoechster == b.hoechster && a.hoechsterPosition == b.hoechsterPosition &&
           a.hoechsterDatum == b.hoechsterDatum && a.ziehungen.size() == b.ziehungen.size() &&
           a.gewinnTexte == b.gewinnTexte && a.anteilTexte == b.anteilTexte;
}

void BM_ReferenzBytetabelle(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    Daten &d = daten();
    const int von = MeisteZiehungen - anzahl;
    if (!gleich(referenzauswertung(d.zustand, d.reihen, 3, 1, von, MeisteZiehungen - 1), auswerten(anzahl))) {
        state.SkipWithError("the reference builds another result than the evaluation");
        return;
    }
    for (auto _ : state) {
        Auswertungsergebnis e = referenzauswertung(d.zustand, d.reihen, 3, 1, von, MeisteZiehungen - 1);
        benchmark::DoNotOptimize(e);
    }
}

// The floor of the evaluation: the simplest loop that finds the same wins and keeps the same
// result rows. Rows and draws are 64-bit masks of their numbers (made before measuring), the
// hits a popcount, the class a table lookup; every pair is written to the next place of a list
// allocated once for every pair and the place kept only for a win, so no branch depends on
// chance; the class counts are kept as well. Checked against the evaluation first.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
__attribute__((target("popcnt")))
#endif
std::size_t bodenauswertung(const std::vector<std::uint64_t> &reihen, const std::vector<std::uint8_t> &reihenZZ,
                            const std::vector<std::uint64_t> &ziehungen, const std::vector<std::uint8_t> &ziehungsZZ,
                            Ergebniszeile *zeilen, std::array<std::int64_t, 11> &klassen)
{
    static constexpr std::uint8_t Klasse[12] = {0, 0, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    klassen = {};
    Ergebniszeile *aus = zeilen;
    for (std::size_t d = 0; d < ziehungen.size(); ++d) {
        Ergebniszeile *const anfang = aus;
        for (std::size_t r = 0; r < reihen.size(); ++r) {
            const std::uint8_t k =
                Klasse[2 * std::popcount(reihen[r] & ziehungen[d]) + (reihenZZ[r] == ziehungsZZ[d] ? 1 : 0)];
            *aus = Ergebniszeile{std::int32_t(d), std::int32_t(r + 1), k, false};
            aus += k != 0;
            ++klassen[k];
        }
        if (aus == anfang)
            *aus++ = Ergebniszeile{std::int32_t(d), 0, 0, false};
        anfang->blockanfang = true;
    }
    return std::size_t(aus - zeilen);
}

void BM_BodenPopcount(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    Daten &d = daten();
    std::vector<std::uint64_t> reihen, ziehungen;
    std::vector<std::uint8_t> reihenZZ, ziehungsZZ;
    for (const Tippreihe &r : d.reihen) {
        std::uint64_t maske = 0;
        for (const std::uint8_t n : r.zahlen)
            maske |= std::uint64_t{1} << n;
        reihen.push_back(maske);
        reihenZZ.push_back(r.zusatzzahl);
    }
    for (int i = MeisteZiehungen - anzahl; i < MeisteZiehungen; ++i) {
        ziehungen.push_back(d.zustand.Ziehungen[i].menge().ersteWort());
        ziehungsZZ.push_back(d.zustand.Ziehungen[i].bonus);
    }
    std::vector<Ergebniszeile> platz(ziehungen.size() * (reihen.size() + 1));
    std::array<std::int64_t, 11> klassen{};
    std::size_t anzahlZeilen = bodenauswertung(reihen, reihenZZ, ziehungen, ziehungsZZ, platz.data(), klassen);
    const std::span<const Ergebniszeile> zeilen(platz.data(), anzahlZeilen);
    const Auswertungsergebnis e = auswerten(anzahl);
    const auto zeileGleich = [](const Ergebniszeile &x, const Ergebniszeile &y) {
        return x.ziehung == y.ziehung && x.reihe == y.reihe && x.klasse == y.klasse && x.blockanfang == y.blockanfang;
    };
    if (!std::equal(zeilen.begin(), zeilen.end(), e.zeilen.begin(), e.zeilen.end(), zeileGleich) ||
        !std::equal(e.klassenAnzahl.begin(), e.klassenAnzahl.end(), klassen.begin() + 1)) {
        state.SkipWithError("the floor finds other wins than the evaluation");
        return;
    }
    for (auto _ : state) {
        anzahlZeilen = bodenauswertung(reihen, reihenZZ, ziehungen, ziehungsZZ, platz.data(), klassen);
        benchmark::DoNotOptimize(platz.data());
        benchmark::DoNotOptimize(klassen);
    }
    state.counters["Ergebniszeilen"] = double(anzahlZeilen);
}

} // namespace

BENCHMARK(BM_Auswertung)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AuswertungBlockweise)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AuswertungMitTexten)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BodenPopcount)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenzBitanzahl)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenzBytetabelle)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
