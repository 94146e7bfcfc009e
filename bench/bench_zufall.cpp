#include "generator/Reihenpruefung.h"
#include "generator/Zufallsgenerator.h"
#include "model/Tippscheindatei.h"

#include <benchmark/benchmark.h>

// Generation of random rows: every possible row, a large run, and the duplicate test by bit
// field against the comparison with every accepted row. Run one alone under /usr/bin/time -v
// for its peak memory, e.g. --benchmark_filter='BM_Zufall/1906884$'.

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
