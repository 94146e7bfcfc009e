// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The statistics window on a 5,000-draw history: built and shown (period lists, counts,
// overdue grid, pair lists, charts), and the quadruple lists of all draws counted and put
// into their grids. Peak memory with the window open and both quadruple lists filled:
//
//   bin/bench_statistikfenster --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   /usr/bin/time -v bin/bench_statistikfenster --benchmark_filter=Vierer
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "model/Zustand.h"
#include "statistics/Statistik.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/statistik/Favoritenseite.h"
#include "ui/statistik/FrStatistik.h"
#include "ui/statistik/StatistikFenster.h"

#include "Fensterbenchmark.h"
#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

constexpr int AnzahlZiehungen = 5000;

Zustand &zustand()
{
    static Zustand z = [] {
        Zustand neu;
        neu.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
        neu.Ziehungen = zufallsziehungen(AnzahlZiehungen);
        StatistikStart(neu);
        return neu;
    }();
    return z;
}

void FensterAufbauen(benchmark::State &state)
{
    Befehle befehle(zustand());
    delete new TFStatistik(zustand(), befehle); // fonts and styles load once per program
    for (auto _ : state) {
        auto *fenster = new TFStatistik(zustand(), befehle);
        fenster->show();
        state.PauseTiming();
        delete fenster;
        state.ResumeTiming();
    }
}
BENCHMARK(FensterAufbauen)->Unit(benchmark::kMillisecond)->UseRealTime();

void ViererInModelle(benchmark::State &state)
{
    Befehle befehle(zustand());
    TFStatistik fenster(zustand(), befehle);
    fenster.show();
    QApplication::processEvents();
    for (auto _ : state)
        fenster.frame()->BStart2Click();
    state.counters["Zeilen"] = static_cast<double>(fenster.frame()->vierer()->haeufigste()->model()->rowCount() +
                                                   fenster.frame()->vierer()->seltenste()->model()->rowCount());
}
BENCHMARK(ViererInModelle)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return FensterbenchmarksAusfuehren(argc, argv);
}
