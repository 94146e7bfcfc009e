// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The patterns: the live count of rows the generator window shows while the player changes
// bank numbers, killers and filters (it must stay well under 50 ms), the first count, which
// also builds the table of all rows, and the pattern tab of the statistics window for a
// 5,000-draw history (observed counts, tests, grid and chart of one pattern).
//
//   bin/bench_muster --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "generator/Zufallsgenerator.h"
#include "statistics/Musterstatistik.h"
#include "ui/statistik/Musterseite.h"

#include "Fensterbenchmark.h"
#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QComboBox>

namespace {

Zufallsvorgaben vorgaben(bool mitBank)
{
    Zufallsvorgaben v;
    v.ZufReihenAnz = 12;
    if (mitBank) {
        v.BZGewaehlt.hinzu(7);
        for (std::uint8_t n : {1, 2, 3})
            v.KillGewaehlt.hinzu(n);
    }
    bool ok = false;
    v.filter.setze(Musterart::Summe, Musterfilter::lesen(Musterart::Summe, QStringLiteral("100-150"), &ok));
    v.filter.setze(Musterart::Gerade, Musterfilter::lesen(Musterart::Gerade, QStringLiteral("2-3"), &ok));
    v.filter.setze(Musterart::Folge, Musterfilter::lesen(Musterart::Folge, QStringLiteral("2"), &ok));
    return v;
}

// Registered first: the first count of the program builds the table of all rows.
void ErsteZaehlung(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MoeglicheReihen(vorgaben(false)));
}
BENCHMARK(ErsteZaehlung)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void MoeglicheReihenZaehlen(benchmark::State &state)
{
    const Zufallsvorgaben v = vorgaben(state.range(0) != 0);
    std::int64_t anzahl = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(anzahl = MoeglicheReihen(v));
    state.counters["Reihen"] = static_cast<double>(anzahl);
}
BENCHMARK(MoeglicheReihenZaehlen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void Musterseite5000(benchmark::State &state)
{
    const QVector<TGewZahlen> ziehungen = zufallsziehungen(5000);
    ErwarteteAnzahlen(Musterart::Summe); // counted once per program
    Musterseite seite(QLocale(QLocale::German, QLocale::Germany), nullptr);
    seite.show();
    for (auto _ : state) {
        seite.zeige(MusterAuswerten(ziehungen, 0, static_cast<int>(ziehungen.size()) - 1));
        QApplication::processEvents();
    }
}
BENCHMARK(Musterseite5000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return FensterbenchmarksAusfuehren(argc, argv);
}
