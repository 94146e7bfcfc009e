// The command line over long periods, run as the program it is: `auswerten` of a 1,000-row ticket
// over 100,000 draws as text and as JSON, and `statistik --kombis 4 --json` over 1,000 draws, with
// standard output going to /dev/null. The counter "Spitze_MB" is the peak resident memory of the
// command-line process (wait4), as /usr/bin/time -v shows it; the time is the whole run.
//
//   build-release/bin/bench_befehlszeile
//
// With QUINTARO_BENCH_DATEN=ORDNER the data folders are written there and kept, so the same
// commands can be run by hand, e.g.
//   /usr/bin/time -v bin/quintaro-analyser-cli --daten ORDNER/100000 auswerten ORDNER/schein.qtt
//       --von 1900-01-01 --json > /dev/null      (one line)

#include "model/Records.h"
#include "model/Spiel.h"

#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

namespace {

void schreibe(const QString &datei, const QByteArray &daten)
{
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly))
        f.write(daten);
}

// A folder for the data: a temporary one, or the one named by QUINTARO_BENCH_DATEN.
QString datenordner()
{
    static QTemporaryDir temporaer;
    static const QString ordner = qEnvironmentVariableIsEmpty("QUINTARO_BENCH_DATEN")
                                      ? temporaer.path()
                                      : QDir(qEnvironmentVariable("QUINTARO_BENCH_DATEN")).absolutePath();
    return ordner;
}

// A data folder with `anzahl` weekly draws, and beside the folders one ticket of 1,000 rows.
QString historie(int anzahl)
{
    const QString ordner = datenordner() + QStringLiteral("/%1/").arg(anzahl);
    if (!QFile::exists(ordner + Dateinamen::Gewinnreihen)) {
        QDir().mkpath(ordner);
        std::mt19937 zufall(static_cast<unsigned>(anzahl));
        QByteArray daten;
        daten.reserve(static_cast<qsizetype>(anzahl) * TGewZahlen::Groesse);
        for (int i = 0; i < anzahl; ++i) {
            TGewZahlen z;
            z.datum = 2.0 + 7.0 * i; // from 1 January 1900
            z.GZ = fuenfAus49(zufall);
            z.bonus = static_cast<std::uint8_t>(1 + zufall() % MaxZusatzzahl);
            daten += z.alsBytes();
        }
        schreibe(ordner + Dateinamen::Gewinnreihen, daten);
    }
    const QString schein = datenordner() + QStringLiteral("/schein.qtt");
    if (!QFile::exists(schein)) {
        std::mt19937 zufall(1000U);
        schreibe(schein, zufallsschein(zufall, 1000));
    }
    return ordner;
}

struct Lauf
{
    int status = -1;
    double spitzeMB = 0.0;
};

// Runs the command line with standard output to /dev/null and returns its exit status and peak.
Lauf ausfuehren(const QStringList &argumente)
{
    std::vector<QByteArray> texte{QByteArrayLiteral(QUINTARO_CLI)};
    for (const QString &a : argumente)
        texte.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &t : texte)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    Lauf lauf;
    const pid_t kind = fork();
    if (kind == 0) {
        const int leer = open("/dev/null", O_WRONLY);
        dup2(leer, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (kind < 0)
        return lauf;
    int status = 0;
    rusage verbrauch{};
    if (wait4(kind, &status, 0, &verbrauch) == kind && WIFEXITED(status))
        lauf.status = WEXITSTATUS(status);
    lauf.spitzeMB = static_cast<double>(verbrauch.ru_maxrss) / 1024.0;
    return lauf;
}

void messen(benchmark::State &state, const QStringList &argumente)
{
    Lauf lauf;
    for (auto _ : state) {
        lauf = ausfuehren(argumente);
        if (lauf.status != 0) {
            state.SkipWithError("the command line did not end with status 0");
            return;
        }
    }
    state.counters["Spitze_MB"] = lauf.spitzeMB;
}

void BM_Auswerten(benchmark::State &state)
{
    const int ziehungen = static_cast<int>(state.range(0));
    const bool json = state.range(1) != 0;
    const QString ordner = historie(ziehungen);
    QStringList argumente{QStringLiteral("--daten"),   ordner,
                          QStringLiteral("auswerten"), datenordner() + QStringLiteral("/schein.qtt"),
                          QStringLiteral("--von"),     QStringLiteral("1900-01-01")};
    if (json)
        argumente << QStringLiteral("--json");
    messen(state, argumente);
}

void BM_StatistikKombis(benchmark::State &state)
{
    const QString ordner = historie(static_cast<int>(state.range(0)));
    messen(state, {QStringLiteral("--daten"), ordner, QStringLiteral("statistik"), QStringLiteral("--kombis"),
                   QString::number(state.range(1)), QStringLiteral("--json")});
}

} // namespace

BENCHMARK(BM_Auswerten)
    ->ArgNames({"Ziehungen", "json"})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_StatistikKombis)
    ->ArgNames({"Ziehungen", "k"})
    ->Args({1000, 4})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
