// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole way from "Start" to the shown result in a ticket tab: a 1,000-row ticket
// evaluated over a run of 520 draws, the grids and labels filled and the tab painted.
// GroessterSchein opens a ticket of the largest size a ticket file may have (16 MiB,
// 1,677,721 rows) in a new tab, evaluates it against one draw and closes the tab again;
// ZweiMillionenZellen fills a grid with the ticket entry's largest workbook, two million cells
// of 64 different characters each. Their "SpitzeMB" is the peak resident size of the process:
// run each alone to read it as that case's cost.
//
//   bin/bench_tab --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   bin/bench_tab --benchmark_filter=GroessterSchein --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "model/Dateien.h"
#include "model/Ordner.h"
#include "model/Records.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/haupt/FrScheine.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/gemeinsam/TextTabellenModell.h"

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

#include <sys/resource.h>

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

double spitzeMB()
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return static_cast<double>(nutzung.ru_maxrss) / 1024.0;
}

void GroessterSchein(benchmark::State &state)
{
    QTemporaryDir ordner;
    qputenv("XDG_DATA_HOME", ordner.path().toUtf8());
    KeineMeldungen keine;

    Zustand zustand;
    OrdnerBestimmen(zustand, QCoreApplication::applicationDirPath());
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    std::mt19937 zufall(549);
    QByteArray historie;
    for (int i = 0; i < 520; ++i) {
        TGewZahlen z;
        z.datum = 40000.0 + 7.0 * i;
        z.GZ = fuenfAus49(zufall);
        z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
        historie += z.alsBytes();
    }
    schreibe(zustand.gewinnreihendatei(), historie);
    const int reihen = static_cast<int>(MaxDatendateiGroesse / TNormalSchein::Groesse);
    const QString scheindatei = ordner.filePath(QStringLiteral("gross.qtt"));
    schreibe(scheindatei, zufallsschein(zufall, reihen));

    Befehle befehle(zustand);
    TFAuswertung fenster(zustand, befehle);
    fenster.show();
    QApplication::processEvents();
    int ergebniszeilen = 0;
    qsizetype tabellenbytes = 0;
    for (auto _ : state) {
        QWidget *tab = fenster.tippauswertung()->DateienEinlesen(scheindatei);
        auto *rahmen = tab->findChild<TFFrScheineN *>();
        rahmen->BStartClick();
        rahmen->repaint();
        ergebniszeilen = rahmen->findChild<QAbstractItemView *>(QStringLiteral("G3a"))->model()->rowCount();
        tabellenbytes = qobject_cast<TextTabellenModell *>(
                            rahmen->findChild<QAbstractItemView *>(QStringLiteral("G3"))->model())
                            ->tabelle()
                            .gespeicherteBytes();
        fenster.tippauswertung()->BKr1Click();
    }
    state.counters["Reihen"] = reihen;
    state.counters["Ergebniszeilen"] = ergebniszeilen;
    state.counters["TabelleMB"] = static_cast<double>(tabellenbytes) / (1024.0 * 1024.0);
    state.counters["SpitzeMB"] = spitzeMB();
}
BENCHMARK(GroessterSchein)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void ZweiMillionenZellen(benchmark::State &state)
{
    constexpr int Spalten = 8;
    constexpr int Zeilen = 250'000;
    qsizetype bytes = 0;
    for (auto _ : state) {
        TextTabelle t(Spalten + 1, Zeilen + 1);
        for (int r = 1; r <= Zeilen; ++r)
            for (int c = 1; c <= Spalten; ++c) {
                // 64 characters, different in every cell.
                QString text = QStringLiteral("%1-%2-").arg(r).arg(c);
                text += QString(64 - text.size(), QLatin1Char('x'));
                t.setzeZelle(c, r, text);
            }
        bytes = t.gespeicherteBytes();
        benchmark::DoNotOptimize(t.zelle(Spalten, Zeilen));
    }
    state.counters["TabelleMB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["SpitzeMB"] = spitzeMB();
}
BENCHMARK(ZweiMillionenZellen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return FensterbenchmarksAusfuehren(argc, argv);
}
