// Win evaluation of a 1,000-row ticket over a run of draws: the evaluation alone, the evaluation
// with every text of its result list, and a reference that counts the hits byte by byte through
// a table of four-bit counts on 32-byte sets.
//
//   bin/bench_auswertung --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "evaluation/Gewinnauswertung.h"

#include "Zufallsdaten.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

constexpr int AnzahlReihen = 1000;
constexpr int MeisteZiehungen = 2000;

struct Daten
{
    Zustand zustand;
    QVector<Tippreihe> reihen;
};

Daten &daten()
{
    static Daten d = [] {
        Daten neu;
        std::mt19937 zufall(20240101U);
        std::uniform_int_distribution<int> zz(1, MaxZusatzzahl);
        neu.zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
        for (int i = 0; i < MeisteZiehungen; ++i) {
            TGewZahlen z;
            z.datum = 45292.0 + 7.0 * i;
            z.GZ = fuenfAus49(zufall);
            z.bonus = static_cast<std::uint8_t>(zz(zufall));
            neu.zustand.Ziehungen.append(z);
        }
        for (int i = 0; i < AnzahlReihen; ++i)
            neu.reihen.append(Tippreihe{fuenfAus49(zufall), static_cast<std::uint8_t>(zz(zufall))});
        return neu;
    }();
    return d;
}

// The newest `anzahl` draws, as a tab evaluates a range ending with the newest draw.
Auswertungsergebnis auswerten(int anzahl)
{
    Daten &d = daten();
    return GewinnAuswertung(d.zustand, d.reihen, 3, 1, MeisteZiehungen - 1, MeisteZiehungen - anzahl, true);
}

void BM_Auswertung(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    std::size_t zeilen = 0;
    for (auto _ : state) {
        Auswertungsergebnis e = auswerten(anzahl);
        zeilen = e.zeilen.size();
        benchmark::DoNotOptimize(e);
    }
    state.counters["Paare"] = double(anzahl) * AnzahlReihen;
    state.counters["Ergebniszeilen"] = double(zeilen);
}

void BM_AuswertungMitTexten(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    const QLocale &locale = daten().zustand.Formateinstellungen;
    for (auto _ : state) {
        const Auswertungsergebnis e = auswerten(anzahl);
        qsizetype zeichen = 0;
        for (int z = 0; z < int(e.zeilen.size()); ++z)
            for (int s = 0; s < ErgebnisSpalten; ++s)
                zeichen += Ergebnistext(e, z, s).size();
        const Kennzahltexte t = KennzahlenTexte(e, locale);
        zeichen += t.gesamt.size() + t.ruecklauf.size();
        benchmark::DoNotOptimize(zeichen);
    }
}

// Hits counted as the byte-wise routine describes: AND the two 32-byte sets, then look up the low
// and high four bits of every byte. Classes are counted so that nothing is optimised away.
void BM_ReferenzBitanzahl(benchmark::State &state)
{
    const int anzahl = static_cast<int>(state.range(0));
    static constexpr std::uint8_t Halbbyte[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
    const Daten &d = daten();
    std::vector<Zahlenmenge> reihenmengen;
    for (const Tippreihe &r : d.reihen) {
        Zahlenmenge m;
        for (const std::uint8_t n : r.zahlen)
            m.hinzu(n);
        reihenmengen.push_back(m);
    }
    std::vector<Zahlenmenge> ziehungsmengen;
    for (int i = MeisteZiehungen - anzahl; i < MeisteZiehungen; ++i)
        ziehungsmengen.push_back(d.zustand.Ziehungen[i].menge());

    for (auto _ : state) {
        std::array<std::int64_t, AnzahlGewinnklassen + 1> klassen{};
        for (std::size_t z = 0; z < ziehungsmengen.size(); ++z) {
            const std::uint8_t *gz = ziehungsmengen[z].bytes();
            const std::uint8_t bonus = d.zustand.Ziehungen[MeisteZiehungen - anzahl + int(z)].bonus;
            for (std::size_t r = 0; r < reihenmengen.size(); ++r) {
                const std::uint8_t *wz = reihenmengen[r].bytes();
                int treffer = 0;
                for (std::size_t i = 0; i < Zahlenmenge::Groesse; ++i) {
                    const std::uint8_t b = gz[i] & wz[i];
                    treffer += Halbbyte[b & 0x0F] + Halbbyte[b >> 4];
                }
                ++klassen[std::size_t(KlasseFuer(treffer, d.reihen[qsizetype(r)].zusatzzahl == bonus))];
            }
        }
        benchmark::DoNotOptimize(klassen);
    }
}

} // namespace

BENCHMARK(BM_Auswertung)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AuswertungMitTexten)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenzBitanzahl)->Arg(2000)->Arg(520)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
