#include "model/Zustand.h"
#include "statistics/Statistik.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

constexpr int AnzahlZiehungen = 5000;

// A history of random valid draws, the same on every run.
Zustand zufallsHistorie()
{
    std::mt19937 zufall(549);
    std::array<std::uint8_t, MaxZahl> topf{};
    std::iota(topf.begin(), topf.end(), std::uint8_t{1});
    std::uniform_int_distribution<int> zusatz(1, MaxZusatzzahl);

    Zustand z;
    z.Ziehungen.reserve(AnzahlZiehungen);
    for (int i = 0; i < AnzahlZiehungen; ++i) {
        // Partial Fisher-Yates: the first five places become five different numbers.
        for (std::size_t k = 0; k < ZahlenProReihe; ++k) {
            std::uniform_int_distribution<std::size_t> platz(k, topf.size() - 1);
            std::swap(topf[k], topf[platz(zufall)]);
        }
        TGewZahlen ziehung;
        std::copy_n(topf.begin(), ZahlenProReihe, ziehung.GZ.begin());
        ziehung.bonus = static_cast<std::uint8_t>(zusatz(zufall));
        ziehung.datum = 36000.0 + 7.0 * i;
        z.Ziehungen.append(ziehung);
    }
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
