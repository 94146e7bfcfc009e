// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Counting the combinations of a 5,000-draw history: the counting by subsets against the
// intersection of every combination with every draw, each with the search for the largest
// and smallest count, and the two ranked lists made from the counts on their own.
//
//   bin/bench_kombistatistik --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// The intersections take seconds for quadruples; they run once per repetition.

#include "model/Zustand.h"
#include "statistics/Kombistatistik.h"
#include "statistics/Statistik.h"

#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int AnzahlZiehungen = 5000;

const QVector<Zahlenmenge> &mengen()
{
    static const QVector<Zahlenmenge> m = [] {
        Zustand z;
        z.Ziehungen = zufallsziehungen(AnzahlZiehungen);
        StatistikStart(z);
        return z.Ziehungsmengen;
    }();
    return m;
}

using Zaehlweise = void (*)(Kombitabelle &, const QVector<Zahlenmenge> &, int, int);

void Zaehlen(benchmark::State &state, Zaehlweise zaehle)
{
    Kombitabelle tabelle = KombisErzeugen(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        zaehle(tabelle, mengen(), 0, AnzahlZiehungen - 1);
        benchmark::DoNotOptimize(AnzahlspanneVon(tabelle));
    }
    state.counters["Kombis"] = static_cast<double>(tabelle.eintraege.size());
}
BENCHMARK_CAPTURE(Zaehlen, Teilmengen, &KombisZaehlen)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Zaehlen, Schnitte, &KombisZaehlenDurchSchnitte)
    ->Arg(3)
    ->Arg(4)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Both ranked lists of the counted table: over all draws a list is about a hundred rows,
// over a few draws almost the whole table.
void Ranglisten(benchmark::State &state)
{
    const int bis = static_cast<int>(state.range(0));
    Kombitabelle tabelle = KombisErzeugen(4);
    KombisZaehlen(tabelle, mengen(), 0, bis - 1);
    std::size_t zeilen = 0;
    for (auto _ : state) {
        Rangliste haeufigste = HaeufigsteKombis(tabelle);
        Rangliste seltenste = SeltensteKombis(tabelle);
        zeilen = haeufigste.size() + seltenste.size();
        benchmark::DoNotOptimize(haeufigste.data());
        benchmark::DoNotOptimize(seltenste.data());
    }
    state.counters["Zeilen"] = static_cast<double>(zeilen);
}
BENCHMARK(Ranglisten)->Arg(AnzahlZiehungen)->Arg(8)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
