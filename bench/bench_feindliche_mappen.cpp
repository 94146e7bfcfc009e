// Small files that unpack to gigabytes or nest a million levels deep, and a CSV file of 600,000
// draws, read as the import reads them (tests/feindliche-mappen.py makes them at the start):
//
//   bin/bench_feindliche_mappen --benchmark_filter=leere-zellen
//
// Each benchmark reports the peak resident memory of the process so far ("Spitze_MB"); run one
// file per process, as above, for the peak of that file alone. The goal is at most 300 MB and
// 5 seconds per file.

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
    state.counters[QStringLiteral("Spitze_MB").toStdString()] = double(nutzung.ru_maxrss) / 1024.0;
}

void MappeLesen(benchmark::State &state, const char *name)
{
    const QString datei = dateien().filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        TextTabelle tabelle(7, 51);
        benchmark::DoNotOptimize(ExcelEinlesen(tabelle, datei, QLocale(QLocale::German)));
    }
    spitzeMelden(state);
}

void CSVLesen(benchmark::State &state)
{
    const QString datei = dateien().filePath(QStringLiteral("ziehungen-600000.csv"));
    for (auto _ : state) {
        const Gewinnreihenimport import = GewinnreihenLesen(datei, {}, QLocale(QLocale::German));
        if (import.neue.size() != 600000)
            state.SkipWithError("not all draws read");
        benchmark::DoNotOptimize(GewinnreihenUebernehmen({}, import, true));
    }
    spitzeMelden(state);
}

BENCHMARK_CAPTURE(MappeLesen, tief-span, "tief-span.ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MappeLesen, tief-gruppen, "tief-gruppen.ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MappeLesen, leere-zellen, "leere-zellen.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MappeLesen, zeilen, "zeilen.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MappeLesen, bombe, "bombe.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK(CSVLesen)->Unit(benchmark::kMillisecond);

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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
