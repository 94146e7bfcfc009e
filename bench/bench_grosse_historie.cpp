// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A history of 1,000,000 draws (the most the size cap lets through) with three remembered
// tickets: the start of the main window (settings read, history loaded into every date list
// and the table, statistics base computed, the three tabs opened, everything painted once),
// and the first opening of the draw list.
//
//   bin/bench_grosse_historie --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// The counter "Spitze_MB" is the peak resident memory of the whole process so far (getrusage);
// /usr/bin/time -v on the same command gives it from outside. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.

#include "model/Einstellungen.h"
#include "model/Ordner.h"
#include "model/Records.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/haupt/Hauptfenster.h"
#include "ui/haupt/Tippauswertung.h"

#include "Fensterbenchmark.h"
#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <random>
#include <sys/resource.h>

namespace {

double spitzeMB()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

// A data folder with `anzahl` draws and three remembered tickets of 100 rows each.
Zustand datenordnerAnlegen(const QTemporaryDir &ordner, int anzahl)
{
    qputenv("XDG_DATA_HOME", ordner.path().toUtf8());
    Zustand vorlage;
    OrdnerBestimmen(vorlage, QCoreApplication::applicationDirPath());
    std::mt19937 zufall(549);
    QByteArray historie;
    historie.reserve(static_cast<qsizetype>(anzahl) * TGewZahlen::Groesse);
    for (int i = 0; i < anzahl; ++i) {
        TGewZahlen z;
        z.datum = 2.0 + 7.0 * (i % 400000); // dates stay within the calendar
        z.GZ = fuenfAus49(zufall);
        z.bonus = static_cast<std::uint8_t>(1 + zufall() % 10);
        historie += z.alsBytes();
    }
    schreibe(vorlage.gewinnreihendatei(), historie);
    historie.clear();
    historie.squeeze();

    Einstellungen einstellungen(vorlage.einstellungsdatei());
    einstellungen.SchreibeZahl(QStringLiteral("Spielscheine"), QStringLiteral("Dateienanzahl"), 3);
    for (int t = 1; t <= 3; ++t) {
        const QString datei = ordner.filePath(QStringLiteral("schein%1.qtt").arg(t));
        schreibe(datei, zufallsschein(zufall, 100));
        einstellungen.SchreibeText(QStringLiteral("Spielscheine"), QStringLiteral("Datei%1").arg(t), datei);
    }
    vorlage.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    return vorlage;
}

void StartMitGrosserHistorie(benchmark::State &state)
{
    QTemporaryDir ordner;
    const Zustand vorlage = datenordnerAnlegen(ordner, static_cast<int>(state.range(0)));
    KeineMeldungen keine;

    int tabs = 0;
    qsizetype geladen = 0;
    for (auto _ : state) {
        Zustand zustand = vorlage;
        Befehle befehle(zustand);
        TFAuswertung fenster(zustand, befehle);
        fenster.show();
        QApplication::processEvents(); // the first showing opens the three tickets
        fenster.repaint();
        tabs = fenster.tippauswertung()->PC1()->count();
        geladen = zustand.Ziehungen.size();
    }
    state.counters["Ziehungen"] = static_cast<double>(geladen);
    state.counters["Tabs"] = tabs;
    state.counters["Spitze_MB"] = spitzeMB();
}
BENCHMARK(StartMitGrosserHistorie)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The first opening of the main window's draw list with every draw in it, in a fresh window.
void DatumslisteAufklappen(benchmark::State &state)
{
    QTemporaryDir ordner;
    const Zustand vorlage = datenordnerAnlegen(ordner, static_cast<int>(state.range(0)));
    KeineMeldungen keine;
    for (auto _ : state) {
        state.PauseTiming();
        Zustand zustand = vorlage;
        Befehle befehle(zustand);
        TFAuswertung fenster(zustand, befehle);
        fenster.show();
        QApplication::processEvents();
        auto *liste = fenster.findChild<QComboBox *>(QStringLiteral("Combo1"));
        state.ResumeTiming();
        liste->showPopup();
        QApplication::processEvents(); // the list is laid out and painted
        liste->hidePopup();
    }
}
BENCHMARK(DatumslisteAufklappen)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return FensterbenchmarksAusfuehren(argc, argv);
}
