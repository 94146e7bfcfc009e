// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small files that unpack to gigabytes, nest a million levels deep, repeat a long text or expand
// blanks and entities without end, CSV files of millions of empty lines or fields, and a CSV file
// of 600,000 draws, read as the ticket entry ("Eingabe") and as the draw import ("Import") read
// them (tests/feindliche-mappen.py makes them at the start):
//
//   bin/bench_feindliche_mappen --benchmark_filter='Eingabe/leere-zellen.xlsx$'
//
// Each benchmark reports the peak resident memory of the process so far ("Spitze_MB"); run one
// file per process, as above, for the peak of that file alone. The goal is at most 300 MB and
// 5 seconds per file (0.5 seconds for leere-zellen.xlsx).

#include "entry/Arbeitsmappe.h"
#include "entry/Gewinnreihendatei.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

QTemporaryDir &dateien()
{
    static QTemporaryDir ordner;
    return ordner;
}

void spitzeMelden(benchmark::State &state)
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    state.counters["Spitze_MB"] = double(nutzung.ru_maxrss) / 1024.0;
}

// As the ticket entry reads it: a workbook or a CSV file of tip rows into its table.
void Eingabe(benchmark::State &state, const char *name)
{
    const QString datei = dateien().filePath(QString::fromLatin1(name));
    const bool csv = datei.endsWith(QLatin1String(".csv"));
    for (auto _ : state) {
        TextTabelle tabelle(7, 51);
        if (csv)
            benchmark::DoNotOptimize(CSVEinlesen(tabelle, datei));
        else
            benchmark::DoNotOptimize(ExcelEinlesen(tabelle, datei, QLocale(QLocale::German)));
    }
    spitzeMelden(state);
}

// As the draw import reads it, set against an empty history.
void Import(benchmark::State &state, const char *name)
{
    const QString datei = dateien().filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const Gewinnreihenimport import = GewinnreihenLesen(datei, {}, QLocale(QLocale::German));
        benchmark::DoNotOptimize(GewinnreihenUebernehmen({}, import, true));
    }
    spitzeMelden(state);
}

const char *const Dateien[] = {
    "tief-span.ods",     "tief-gruppen.ods",      "leere-zellen.xlsx", "zeilen.xlsx",     "bombe.xlsx",
    "luege-klein.xlsx",  "luege-kommentare.xlsx", "luege-gross.xlsx",      "leerzeichen.ods",   "leerzeichen-gross.ods",
    "langer-text.ods",   "langer-text.xlsx",      "entitaeten.ods",    "leerzeilen.csv",  "felder.csv",
    "ziehungen-600000.csv"};

void anmelden()
{
    for (const char *name : Dateien) {
        benchmark::RegisterBenchmark((std::string("Eingabe/") + name).c_str(), Eingabe, name)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Import/") + name).c_str(), Import, name)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication anwendung(argc, argv);
    QProcess skript;
    skript.setProcessChannelMode(QProcess::ForwardedChannels);
    // The script beside the sources, found from this file or from the build folder in the sources.
    QString pfad = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../tests/feindliche-mappen.py");
    if (!QFileInfo::exists(pfad))
        pfad = QCoreApplication::applicationDirPath() + QStringLiteral("/../../tests/feindliche-mappen.py");
    skript.start(QStringLiteral("python3"), {pfad, dateien().path()});
    if (!skript.waitForFinished(600000) || skript.exitCode() != 0)
        return 1;
    anmelden();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
