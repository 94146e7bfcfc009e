// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The strategy test: the band of 1,000 fair histories over 1,000 draws of a 10-row ticket; four
// strategies of about 10 rows over 2,000 draws with 1,000 fair histories; and a statistics rule's
// rows for every draw of a 100,000-draw history without fair histories. The whole test each
// time, walk through the real history included. Argument: threads (0: every core).
#include "strategy/Strategietest.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

QVector<TGewZahlen> strategieHistorie(int anzahl)
{
    std::mt19937 motor(5);
    std::array<std::uint8_t, 49> alle{};
    for (int i = 0; i < 49; ++i)
        alle[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i + 1);
    QVector<TGewZahlen> h;
    h.reserve(anzahl);
    for (int d = 0; d < anzahl; ++d) {
        std::shuffle(alle.begin(), alle.end(), motor);
        TGewZahlen z;
        z.datum = 10000.0 + 7 * d;
        std::copy(alle.begin(), alle.begin() + 5, z.GZ.begin());
        z.bonus = static_cast<std::uint8_t>(1 + motor() % 10);
        h.append(z);
    }
    return h;
}

Strategie zehnReihen()
{
    Strategie s;
    s.art = Strategieart::Schein;
    for (int r = 0; r < 10; ++r) {
        Tippreihe t;
        for (int i = 0; i < 5; ++i)
            t.zahlen[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(1 + (r * 5 + i * 7) % 49);
        t.zusatzzahl = static_cast<std::uint8_t>(1 + r);
        s.reihen.append(t);
    }
    return s;
}

Strategie regel(int k, std::optional<Garantie> g)
{
    Strategie s;
    s.art = Strategieart::Regel;
    s.rangfolge = Rangfolge::Haeufigste;
    s.anzahl = k;
    s.fenster = 50;
    s.garantie = g;
    return s;
}

void laufen(benchmark::State &state, const Testauftrag &a)
{
    std::int64_t reihen = 0;
    for (auto _ : state) {
        const Testergebnis e = StrategienTesten(a);
        if (!e.fehler.isEmpty())
            state.SkipWithError(e.fehler.toUtf8().constData());
        reihen = 0;
        for (const Strategieergebnis &r : e.strategien)
            reihen += r.reihen;
        benchmark::DoNotOptimize(e.strategien.data());
    }
    state.counters["ReihenJeZiehung"] = static_cast<double>(reihen) / (a.bis - a.von + 1);
}

void BM_BandTausendMalTausend(benchmark::State &state)
{
    Testauftrag a;
    a.ziehungen = strategieHistorie(1000);
    a.von = 0;
    a.bis = 999;
    a.strategien = {zehnReihen()};
    a.verlaeufe = 1000;
    a.startwert = 1;
    a.threads = static_cast<int>(state.range(0));
    laufen(state, a);
}
BENCHMARK(BM_BandTausendMalTausend)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VierStrategien(benchmark::State &state)
{
    Testauftrag a;
    a.ziehungen = strategieHistorie(2100);
    a.von = 100;
    a.bis = 2099;
    Strategie system;
    system.art = Strategieart::System;
    // Nine numbers "4 bei 5" and a rule of eleven "3 bei 4" play 9 rows each, the ticket and the
    // generator 10: 38 rows a draw, the counter says so.
    system.zahlen = {3, 8, 15, 21, 29, 36, 40, 44, 47};
    system.garantie = Garantie{4, 5};
    Strategie zufall;
    zufall.art = Strategieart::Zufall;
    zufall.vorgaben.ZufReihenAnz = 10;
    a.strategien = {zehnReihen(), system, zufall, regel(11, Garantie{3, 4})};
    a.verlaeufe = 1000;
    a.startwert = 2;
    a.threads = static_cast<int>(state.range(0));
    laufen(state, a);
}
BENCHMARK(BM_VierStrategien)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RegelHunderttausend(benchmark::State &state)
{
    Testauftrag a;
    a.ziehungen = strategieHistorie(100'000);
    a.von = 0;
    a.bis = 99'999;
    a.strategien = {regel(static_cast<int>(state.range(1)), std::nullopt)};
    a.verlaeufe = 0;
    a.startwert = 3;
    a.threads = static_cast<int>(state.range(0));
    laufen(state, a);
}
BENCHMARK(BM_RegelHunderttausend)
    ->Args({0, 8})
    ->Args({0, 12})
    ->Args({1, 12})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
