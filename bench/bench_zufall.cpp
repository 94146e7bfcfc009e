// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Reihenpruefung.h"
#include "generator/Zufallsgenerator.h"
#include "model/Tippscheindatei.h"

#include <benchmark/benchmark.h>

#include <random>

// Generation of random rows: every possible row beside its floor (enumerate every row, shuffle),
// a large run, and the duplicate test by bit field against the comparison with every accepted
// row. Run one alone under /usr/bin/time -v for its peak memory, e.g.
// --benchmark_filter='BM_Zufall/1906884$'.

namespace {

Zufallsvorgaben ohneVorgaben(std::int32_t reihen)
{
    Zufallsvorgaben v;
    v.ZufReihenAnz = reihen;
    return v;
}

void BM_Zufall(benchmark::State &state)
{
    const Zufallsvorgaben v = ohneVorgaben(static_cast<std::int32_t>(state.range(0)));
    std::uint64_t start = 1;
    for (auto _ : state) {
        Zufallsergebnis e = ZufallszahlenErmitteln(v, start++);
        benchmark::DoNotOptimize(e.reihen.NrCount());
    }
}
BENCHMARK(BM_Zufall)->Arg(100000)->Arg(AlleReihen)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// The floor of a run of every row: all rows of five numbers enumerated as 64-bit masks, then put
// in random order by Fisher and Yates, with the generator's engine and a multiply for each pick.
void BM_BodenAlleReihen(benchmark::State &state)
{
    std::uint64_t start = 1;
    for (auto _ : state) {
        std::vector<std::uint64_t> reihen;
        reihen.reserve(AlleReihen);
        for (int a = 1; a <= 45; ++a)
            for (int b = a + 1; b <= 46; ++b)
                for (int c = b + 1; c <= 47; ++c)
                    for (int d = c + 1; d <= 48; ++d)
                        for (int e = d + 1; e <= 49; ++e)
                            reihen.push_back((std::uint64_t{1} << a) | (std::uint64_t{1} << b) |
                                             (std::uint64_t{1} << c) | (std::uint64_t{1} << d) |
                                             (std::uint64_t{1} << e));
        std::mt19937_64 maschine(start++);
        for (std::size_t i = reihen.size() - 1; i > 0; --i) {
            const std::size_t j =
                static_cast<std::size_t>((std::uint64_t{static_cast<std::uint32_t>(maschine())} * (i + 1)) >> 32);
            std::swap(reihen[i], reihen[j]);
        }
        benchmark::DoNotOptimize(reihen.data());
    }
}
BENCHMARK(BM_BodenAlleReihen)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// The same run of 20,000 rows from the same start value, once per duplicate test.
template <class Pruefung> Pruefung neuePruefung(std::int32_t reihen)
{
    if constexpr (std::is_same_v<Pruefung, Reihenliste>)
        return Reihenliste(reihen);
    else
        return Reihenbitfeld();
}

template <class Pruefung> void BM_Doublettentest(benchmark::State &state)
{
    const Zufallsvorgaben v = ohneVorgaben(20000);
    for (auto _ : state) {
        Pruefung pruefung = neuePruefung<Pruefung>(v.ZufReihenAnz);
        Zufallsergebnis e = ZufallszahlenErmittelnMit(pruefung, v, 549);
        benchmark::DoNotOptimize(e.reihen.NrCount());
    }
}
BENCHMARK(BM_Doublettentest<Reihenbitfeld>)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Doublettentest<Reihenliste>)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

// Saving every row as a ticket: the rows become a tip-row table, the table the file's bytes.
void BM_AlleReihenAlsSchein(benchmark::State &state)
{
    const Zufallsergebnis e = ZufallszahlenErmitteln(ohneVorgaben(AlleReihen), 7);
    for (auto _ : state) {
        const TextTabelle t = e.reihen.alsTabelle([](const QString &s) { return int(s.size()) * 6; });
        Scheindaten d = ScheinZuBytes(t, QStringLiteral("1"), QStringLiteral("1"));
        benchmark::DoNotOptimize(d.bytes.size());
    }
}
BENCHMARK(BM_AlleReihenAlsSchein)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
