// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole way from "Start" to the shown result in a ticket tab: a 1,000-row ticket
// evaluated over a run of 520 draws, the grids and labels filled and the tab painted.
//
//   bin/bench_tab --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "model/Ordner.h"
#include "model/Records.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/haupt/FrScheine.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"

#include "Fensterbenchmark.h"
#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

void StartBisAngezeigt(benchmark::State &state)
{
    const int ziehungen = static_cast<int>(state.range(0));
    QTemporaryDir ordner;
    qputenv("XDG_DATA_HOME", ordner.path().toUtf8());
    KeineMeldungen keine;

    Zustand zustand;
    OrdnerBestimmen(zustand, QCoreApplication::applicationDirPath());
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    std::mt19937 zufall(549);
    QByteArray historie;
    for (int i = 0; i < ziehungen; ++i) {
        TGewZahlen z;
        z.datum = 40000.0 + 7.0 * i;
        z.GZ = fuenfAus49(zufall);
        z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
        historie += z.alsBytes();
    }
    schreibe(zustand.gewinnreihendatei(), historie);
    const QByteArray schein = zufallsschein(zufall, 1000);
    const QString scheindatei = ordner.filePath(QStringLiteral("gross.qtt"));
    schreibe(scheindatei, schein);

    Befehle befehle(zustand);
    TFAuswertung fenster(zustand, befehle);
    fenster.show();
    QWidget *tab = fenster.tippauswertung()->DateienEinlesen(scheindatei);
    auto *rahmen = tab->findChild<TFFrScheineN *>();
    rahmen->findChild<QCheckBox *>(QStringLiteral("cbBack"))->setChecked(true);
    rahmen->findChild<QComboBox *>(QStringLiteral("combo2"))->setCurrentIndex(0);
    QApplication::processEvents();

    for (auto _ : state) {
        rahmen->BStartClick();
        rahmen->repaint(); // paints the tab, its grids and labels now
    }
    state.counters["Ziehungen"] = static_cast<double>(zustand.Ziehungen.size());
    state.counters["Ergebniszeilen"] =
        static_cast<double>(rahmen->findChild<QAbstractItemView *>(QStringLiteral("G3a"))->model()->rowCount());
}
BENCHMARK(StartBisAngezeigt)->Arg(520)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return FensterbenchmarksAusfuehren(argc, argv);
}
