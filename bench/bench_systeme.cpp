// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system search and what is counted for a system: how long the search needs to reach the
// best known sizes of C(n,5,4), how long the exact check of a 30-number system takes, and the
// chance tables of a 1,000-row and a 7,260-row system. Each search case runs once per start value; with
// --benchmark_repetitions=5 the median is over five start values.
#include "systems/System.h"
#include "systems/Systemchancen.h"
#include "systems/Systemsuche.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <random>

namespace {

// Best known sizes of C(n,5,4), n = 6..12.
constexpr std::array<int, 7> Bekannt{5, 9, 20, 30, 51, 66, 113};

void BM_SucheCn54(benchmark::State &state)
{
    static std::atomic<std::uint64_t> startwert{1};
    const int n = static_cast<int>(state.range(0));
    const int ziel = Bekannt[static_cast<std::size_t>(n - 6)];
    std::size_t erreicht = 0;
    std::int64_t schritte = 0;
    for (auto _ : state) {
        // At most 60 seconds: n = 11 and 12 may not get there.
        const Systemsuchergebnis e = SystemSuchen({n, {4, 4}, startwert++, 0, 60'000, ziel});
        erreicht = e.reihen.size();
        schritte = e.schritte;
    }
    state.counters["Reihen"] = static_cast<double>(erreicht);
    state.counters["Ziel"] = ziel;
    state.counters["Schritte"] = static_cast<double>(schritte);
}
BENCHMARK(BM_SucheCn54)->DenseRange(6, 12)->Iterations(1)->Unit(benchmark::kMillisecond);

// A 30-number system: the greedy start of "3 bei 4", checked whole.
void BM_PruefungDreissig(benchmark::State &state)
{
    const Garantie g{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    const std::vector<Reihenmaske> reihen = SystemSuchen({30, g, 1, 1, 0}).reihen;
    for (auto _ : state)
        benchmark::DoNotOptimize(UngedeckteMengen(30, reihen, g));
    state.counters["Reihen"] = static_cast<double>(reihen.size());
}
BENCHMARK(BM_PruefungDreissig)->Args({3, 4})->Args({4, 4})->Args({3, 5})->Unit(benchmark::kMillisecond);

// 1,000 different rows of 20 numbers, each with a Zusatzzahl of its own.
void BM_ChancenTausend(benchmark::State &state)
{
    std::vector<Reihenmaske> alle = Vollsystem(20);
    std::mt19937_64 motor(5);
    std::shuffle(alle.begin(), alle.end(), motor);
    alle.resize(1000);
    std::vector<std::uint8_t> zz(alle.size());
    for (auto &z : zz)
        z = static_cast<std::uint8_t>(motor() % 10 + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(SystemchancenBerechnen(20, alle, zz, 4));
}
BENCHMARK(BM_ChancenTausend)->Unit(benchmark::kMillisecond)->UseRealTime();

// The chance table of a 30-number "4 bei 4" system: the greedy start, 7,260 rows, each with a
// Zusatzzahl of its own; counted on every core, as the window and the command line do.
void BM_ChancenDreissigVierBeiVier(benchmark::State &state)
{
    const std::vector<Reihenmaske> reihen = SystemSuchen({30, {4, 4}, 1, 1, 0}).reihen;
    std::mt19937_64 motor(5);
    std::vector<std::uint8_t> zz(reihen.size());
    for (auto &z : zz)
        z = static_cast<std::uint8_t>(motor() % 10 + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(SystemchancenBerechnen(30, reihen, zz, 4));
    state.counters["Reihen"] = static_cast<double>(reihen.size());
}
BENCHMARK(BM_ChancenDreissigVierBeiVier)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
