// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Zustand.h"
#include "statistics/Statistik.h"

#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int AnzahlZiehungen = 5000;

Zustand zufallsHistorie()
{
    Zustand z;
    z.Ziehungen = zufallsziehungen(AnzahlZiehungen);
    return z;
}

void BM_StatistikStart(benchmark::State &state)
{
    Zustand z = zufallsHistorie();
    for (auto _ : state) {
        StatistikStart(z);
        benchmark::DoNotOptimize(z.Haeufigkeiten.data());
        benchmark::DoNotOptimize(z.Ziehungsmengen.constData());
    }
    state.SetItemsProcessed(state.iterations() * AnzahlZiehungen);
}
BENCHMARK(BM_StatistikStart);

void BM_TeilStatistik(benchmark::State &state)
{
    Zustand z = zufallsHistorie();
    for (auto _ : state) {
        TeilStatistik(z, 0, AnzahlZiehungen - 1);
        benchmark::DoNotOptimize(z.Haeufigkeiten.data());
    }
    state.SetItemsProcessed(state.iterations() * AnzahlZiehungen);
}
BENCHMARK(BM_TeilStatistik);

void BM_Ausgeblieben(benchmark::State &state)
{
    Zustand z = zufallsHistorie();
    StatistikStart(z);
    for (auto _ : state) {
        auto liste = Ausgeblieben(z, 0, AnzahlZiehungen - 1);
        benchmark::DoNotOptimize(liste.data());
    }
}
BENCHMARK(BM_Ausgeblieben);

} // namespace

BENCHMARK_MAIN();
