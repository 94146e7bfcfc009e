// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line over long periods, run as the program it is: `auswerten` of a 1,000-row ticket
// over 100,000 draws as text and as JSON, a ticket of the largest size against one draw,
// `auswerten` over 2,000 draws and `zufall 1906884` (text
// and JSON) each beside its floor, and `statistik --kombis 4 --json` over 1,000 draws, with
// standard output going to /dev/null. A floor is the simplest program that writes the same output
// (for `auswerten` the very same bytes, checked before measuring; for `zufall` every row once in
// the same line format), started as this program with --boden-auswerten ORDNER SCHEIN or
// --boden-zufall, so it can be run by hand beside the command line as well. The counter "Spitze_MB" is the peak resident memory of the
// command-line process (wait4), as /usr/bin/time -v shows it; the time is the whole run.
//
//   build-release/bin/bench_befehlszeile
//
// With QUINTARO_BENCH_DATEN=ORDNER the data folders are written there and kept, so the same
// commands can be run by hand, e.g.
//   /usr/bin/time -v bin/quintaro-analyser-cli --daten ORDNER/100000 auswerten ORDNER/schein.qtt
//       --von 1900-01-01 --json > /dev/null      (one line)

#include "evaluation/Gewinnchancen.h"
#include "model/Dateien.h"
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

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

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

// The floors: the same output made by the simplest program, started as this program with
// "--boden-auswerten ORDNER SCHEIN" or "--boden-zufall", so that it is a process as well.

// A buffer of 64 KiB written out whenever it is full.
struct Puffer
{
    char daten[1 << 16];
    std::size_t voll = 0;
    void raus()
    {
        std::fwrite(daten, 1, voll, stdout);
        voll = 0;
    }
    void text(const char *t, std::size_t n)
    {
        if (voll + n > sizeof daten)
            raus();
        std::memcpy(daten + voll, t, n);
        voll += n;
    }
    void text(const std::string &t) { text(t.data(), t.size()); }
    void rechts(const std::string &t, std::size_t breite)
    {
        if (t.size() < breite)
            text(std::string(breite - t.size(), ' '));
        text(t);
    }
};

std::string tausender(long long wert)
{
    std::string ziffern = std::to_string(wert);
    for (int stelle = int(ziffern.size()) - 3; stelle > 0; stelle -= 3)
        ziffern.insert(std::size_t(stelle), 1, '.');
    return ziffern;
}

// Ten-thousandths of a euro as "2.000,00".
std::string betrag(long long zehntausendstel)
{
    const long long cent = zehntausendstel / 100;
    char rest[8];
    std::snprintf(rest, sizeof rest, ",%02lld", cent % 100);
    return tausender(cent / 100) + rest;
}

// Days since 30 December 1899 as "dd.MM.yyyy" (civil from days, proleptic Gregorian).
std::string datum(double tage)
{
    long long z = (long long)tage - 25569 + 719468; // to days since 1970-01-01, then shifted
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long tag = doy - (153 * mp + 2) / 5 + 1;
    const long long monat = mp < 10 ? mp + 3 : mp - 9;
    const long long jahr = yoe + era * 400 + (monat <= 2);
    char t[64];
    std::snprintf(t, sizeof t, "%02lld.%02lld.%04lld", tag, monat, jahr);
    return t;
}

std::string quote(long long wert) // ten-thousandths of a percent, as "12,34 %"
{
    const long long h = (wert + 50) / 100;
    char t[32];
    std::snprintf(t, sizeof t, "%lld,%02lld %%", h / 100, h % 100);
    return t;
}

std::vector<unsigned char> lies(const char *datei)
{
    std::vector<unsigned char> bytes;
    if (std::FILE *f = std::fopen(datei, "rb")) {
        unsigned char block[65536];
        for (std::size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
            bytes.insert(bytes.end(), block, block + n);
        std::fclose(f);
    }
    return bytes;
}

// `auswerten SCHEIN --von 1900-01-01` over every draw of the folder, as plain as it can be
// written: the files read whole, a popcount per pair, each line put together from its columns.
int bodenAuswerten(const char *ordner, const char *schein)
{
    const std::vector<unsigned char> s = lies(schein);
    const std::vector<unsigned char> g = lies((std::string(ordner) + "/GReihen.qtgz").c_str());
    const std::size_t reihen = s.size() / 10, ziehungen = g.size() / 16;
    if (reihen == 0 || ziehungen == 0)
        return 1;
    std::vector<unsigned long long> maske(reihen);
    std::vector<unsigned char> rzz(reihen);
    for (std::size_t r = 0; r < reihen; ++r) {
        for (int i = 0; i < 5; ++i)
            maske[r] |= 1ULL << s[10 * r + std::size_t(i)];
        rzz[r] = s[10 * r + 5];
    }
    const int ges = s[6] | s[7] << 8, meine = s[8] | s[9] << 8;
    static const long long Gewinn[11] = {0,      20000000000LL, 2000000000, 20000000, 2000000, 400000,
                                         200000, 120000,        60000,      20000,    5000};
    static const char *const Name[11] = {"", "5 + ZZ", "5", "4 + ZZ", "4", "3 + ZZ", "3", "2 + ZZ", "2", "1 + ZZ", "1"};
    static const char *const Kurz[11] = {"", "5+ZZ", "5", "4+ZZ", "4", "3+ZZ", "3", "2+ZZ", "2", "1+ZZ", "1"};
    static const unsigned char Klasse[12] = {0, 0, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    const auto anteil = [&](long long b) { return b / 100 / ges * meine * 100 + b / 100 % ges * meine / ges * 100; };
    std::vector<double> tag(ziehungen);
    std::vector<std::string> daten(ziehungen);
    for (std::size_t d = 0; d < ziehungen; ++d) {
        std::memcpy(&tag[d], &g[16 * d], 8);
        daten[d] = datum(tag[d]);
    }

    Puffer aus;
    const char *name = std::strrchr(schein, '/');
    aus.text("Tippschein: " + std::string(name ? name + 1 : schein) + " (" + std::to_string(reihen) +
             " Reihen, Anteile: " + std::to_string(meine) + " von " + std::to_string(ges) + ")\n");
    aus.text("Zeitraum: " + daten.front() + " bis " + daten.back() + " (" + std::to_string(ziehungen) +
             " Ziehungen)\n\n");
    // Columns: date, class, row, amount, share, as wide as their widest possible text.
    const std::size_t b0 = 10, b1 = 8, b2 = std::max<std::size_t>(8, std::to_string(reihen).size());
    const std::size_t b3 = std::max<std::size_t>(6, betrag(Gewinn[1]).size());
    const std::size_t b4 = std::max<std::size_t>(6, betrag(anteil(Gewinn[1])).size());
    aus.text("Datum" + std::string(b0 - 5 + 2, ' ') + "Richtige  ");
    aus.rechts("in Reihe", b2);
    aus.text("  ");
    aus.rechts("Gewinn", b3);
    aus.text("  ");
    aus.rechts("Anteil", b4);
    aus.text("\n");
    // A line is the date column (or blanks), the class, the row number and what the class gives.
    std::string vor[11], nach[11];
    for (int k = 1; k <= 10; ++k) {
        vor[k] = "  " + std::string(Name[k]) + std::string(b1 - std::strlen(Name[k]), ' ') + "  ";
        nach[k] = "  " + std::string(b3 - betrag(Gewinn[k]).size(), ' ') + betrag(Gewinn[k]) + "  " +
                  std::string(b4 - betrag(anteil(Gewinn[k])).size(), ' ') + betrag(anteil(Gewinn[k])) + "\n";
    }
    const std::string leer(b0, ' ');
    long long anzahl[11] = {}, gesamt = 0;
    int beste = 11;
    std::size_t besteZiehung = 0;
    for (std::size_t d = 0; d < ziehungen; ++d) {
        const unsigned long long w = (1ULL << g[16 * d + 8]) | (1ULL << g[16 * d + 9]) | (1ULL << g[16 * d + 10]) |
                                     (1ULL << g[16 * d + 11]) | (1ULL << g[16 * d + 12]);
        const unsigned char zz = g[16 * d + 13];
        bool erste = true;
        for (std::size_t r = 0; r < reihen; ++r) {
            const int k = Klasse[2 * std::popcount(maske[r] & w) + (rzz[r] == zz)];
            if (k == 0)
                continue;
            ++anzahl[k];
            if (k < beste) {
                beste = k;
                besteZiehung = d;
            }
            aus.text(erste ? daten[d] : leer);
            aus.text(vor[k]);
            char ziffern[24];
            char *p = ziffern + sizeof ziffern;
            for (std::size_t n = r + 1; n != 0; n /= 10)
                *--p = char('0' + n % 10);
            const std::size_t stellen = std::size_t(ziffern + sizeof ziffern - p);
            aus.text(leer.data(), b2 - stellen);
            aus.text(p, stellen);
            aus.text(nach[k]);
            erste = false;
        }
        if (erste)
            aus.text(daten[d] + "  ---" + std::string(b1 - 3 + 2 + b2 - 3, ' ') + "---" +
                     std::string(2 + b3 - 3, ' ') + "---\n");
    }
    std::string klassen = "\nGewinnklassen: ";
    for (int k = 1; k <= 10; ++k) {
        gesamt += anzahl[k] * Gewinn[k];
        klassen += std::string(Kurz[k]) + " " + (anzahl[k] ? std::to_string(anzahl[k]) : "-") + (k < 10 ? ", " : "\n");
    }
    aus.text(klassen);
    const std::string euro = "\xC2\xA0\xE2\x82\xAC";
    aus.text("Gesamtgewinn: " + betrag(gesamt) + euro + " (Anteil: " + betrag(anteil(gesamt)) + euro + ")\n");
    aus.text("H\xC3\xB6"
             "chstgewinn: " +
             betrag(beste <= 10 ? Gewinn[beste] : 0) + euro + (beste <= 10 ? " am " + daten[besteZiehung] : "") + "\n");
    const double paare = double(reihen) * double(ziehungen);
    const auto rate = [&](double summe) {
        return (long long)std::nearbyint(summe / 10000.0 / (paare * 2.0) * 100.0 * 10000.0);
    };
    long long erwartungJeZiehung = 0;
    for (std::size_t r = 0; r < reihen; ++r)
        erwartungJeZiehung += ErwartungMalZiehungen(std::popcount(maske[r]), rzz[r] >= 1 && rzz[r] <= 10);
    const double erwartet = double(erwartungJeZiehung) / double(MoeglicheZiehungen) * double(ziehungen);
    aus.text("R\xC3\xBC"
             "cklaufquote: " +
             quote(rate(double(gesamt))) + " (erwartet: " + quote(rate(erwartet)) + ")\n");
    aus.raus();
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// `zufall 1906884`: every row enumerated, shuffled by Fisher and Yates, a Zusatzzahl drawn for
// each, and the lines written as the command line writes them.
int bodenZufall()
{
    std::vector<unsigned long long> reihen;
    reihen.reserve(1906884);
    for (int a = 1; a <= 45; ++a)
        for (int b = a + 1; b <= 46; ++b)
            for (int c = b + 1; c <= 47; ++c)
                for (int d = c + 1; d <= 48; ++d)
                    for (int e = d + 1; e <= 49; ++e)
                        reihen.push_back(1ULL << a | 1ULL << b | 1ULL << c | 1ULL << d | 1ULL << e);
    std::mt19937_64 maschine(1);
    for (std::size_t i = reihen.size() - 1; i > 0; --i)
        std::swap(reihen[i], reihen[std::size_t((unsigned long long)(unsigned(maschine())) * (i + 1) >> 32)]);
    Puffer aus;
    for (unsigned long long reihe : reihen) {
        char zeile[24];
        int n = 0;
        for (; reihe != 0; reihe &= reihe - 1) {
            const int z = std::countr_zero(reihe);
            zeile[n++] = z >= 10 ? char('0' + z / 10) : ' ';
            zeile[n++] = char('0' + z % 10);
            zeile[n++] = ' ';
        }
        const int zz = 1 + int((unsigned long long)(unsigned(maschine())) * 10 >> 32);
        zeile[n++] = '|';
        zeile[n++] = ' ';
        if (zz == 10)
            zeile[n++] = '1';
        zeile[n++] = char('0' + zz % 10);
        zeile[n++] = '\n';
        aus.text(zeile, std::size_t(n));
    }
    aus.raus();
    return std::fflush(stdout) == 0 ? 0 : 1;
}

struct Lauf
{
    int status = -1;
    double spitzeMB = 0.0;
};

// This benchmark program itself, to start a floor as a process.
QByteArray dieserProzess()
{
    return QFile::encodeName(QCoreApplication::applicationFilePath());
}

// Runs the command line (or `programm`) with standard output to /dev/null, or to `ausgabe`, and
// returns its exit status and peak.
Lauf ausfuehren(const QStringList &argumente, const QByteArray &programm = QByteArrayLiteral(QUINTARO_CLI),
                const char *ausgabe = "/dev/null")
{
    std::vector<QByteArray> texte{programm};
    for (const QString &a : argumente)
        texte.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &t : texte)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    Lauf lauf;
    const pid_t kind = fork();
    if (kind == 0) {
        const int ziel = open(ausgabe, O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(ziel, STDOUT_FILENO);
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

void messen(benchmark::State &state, const QStringList &argumente,
            const QByteArray &programm = QByteArrayLiteral(QUINTARO_CLI))
{
    Lauf lauf;
    for (auto _ : state) {
        lauf = ausfuehren(argumente, programm);
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

// The text of `auswerten` beside its floor, which must write the very same bytes (checked first).
QStringList auswertenText(int ziehungen)
{
    return {QStringLiteral("--daten"),   historie(ziehungen),
            QStringLiteral("auswerten"), datenordner() + QStringLiteral("/schein.qtt"),
            QStringLiteral("--von"),     QStringLiteral("1900-01-01")};
}

void BM_BodenAuswerten(benchmark::State &state)
{
    const int ziehungen = static_cast<int>(state.range(0));
    const QStringList boden{QStringLiteral("--boden-auswerten"), historie(ziehungen),
                            datenordner() + QStringLiteral("/schein.qtt")};
    const QByteArray programm = QFile::encodeName(datenordner() + QStringLiteral("/programm.txt"));
    const QByteArray plain = QFile::encodeName(datenordner() + QStringLiteral("/boden.txt"));
    ausfuehren(auswertenText(ziehungen), QByteArrayLiteral(QUINTARO_CLI), programm.constData());
    ausfuehren(boden, dieserProzess(), plain.constData());
    QFile a(QFile::decodeName(programm)), b(QFile::decodeName(plain));
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll()) {
        state.SkipWithError("the floor writes other bytes than the command line");
        return;
    }
    messen(state, boden, dieserProzess());
}

void BM_Zufall(benchmark::State &state)
{
    QStringList argumente{QStringLiteral("zufall"), QStringLiteral("1906884"), QStringLiteral("--startwert"),
                          QStringLiteral("1")};
    if (state.range(0) != 0)
        argumente << QStringLiteral("--json");
    messen(state, argumente);
}

void BM_BodenZufall(benchmark::State &state)
{
    messen(state, {QStringLiteral("--boden-zufall")}, dieserProzess());
}

// A ticket of the largest size a ticket file may have (16 MiB: 1,677,721 rows) against the newest
// draw; the peak is what matters.
void BM_AuswertenGrosserSchein(benchmark::State &state)
{
    const QString ordner = historie(2000);
    const QString schein = datenordner() + QStringLiteral("/gross.qtt");
    if (!QFile::exists(schein)) {
        std::mt19937 zufall(16U);
        schreibe(schein, zufallsschein(zufall, int(MaxDatendateiGroesse / TNormalSchein::Groesse)));
    }
    QStringList argumente{QStringLiteral("--daten"), ordner, QStringLiteral("auswerten"), schein};
    if (state.range(0) != 0)
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
BENCHMARK(BM_Auswerten)
    ->ArgNames({"Ziehungen", "json"})
    ->Args({2000, 0})
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_BodenAuswerten)
    ->ArgNames({"Ziehungen"})
    ->Arg(2000)
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Zufall)
    ->ArgNames({"json"})
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_BodenZufall)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AuswertenGrosserSchein)
    ->ArgNames({"json"})
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_StatistikKombis)
    ->ArgNames({"Ziehungen", "k"})
    ->Args({1000, 4})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--boden-auswerten") == 0)
        return bodenAuswerten(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "--boden-zufall") == 0)
        return bodenZufall();
    QCoreApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
