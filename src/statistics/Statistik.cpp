// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/Statistik.h"

#include <algorithm>
#include <bit>

namespace {

struct Zeitraum
{
    int von;
    int bis;
    bool leer() const { return bis < von; }
    int laenge() const { return leer() ? 0 : bis - von + 1; }
};

// Keeps the period inside the history, so no index ever leaves Ziehungen.
Zeitraum begrenzt(const Zustand &zustand, int von, int bis)
{
    const int letzter = static_cast<int>(zustand.Ziehungen.size()) - 1;
    return {std::max(von, 0), std::min(bis, letzter)};
}

// Numbers 1..49 are bits 1..49 of the bitmap's first 64-bit word.
constexpr std::uint64_t AlleZahlen = ((std::uint64_t{1} << MaxZahl) - 1) << 1;

// Counts each member of a draw's set once. The set holds only 1..49, so every index is in range.
void zaehle(std::array<std::int32_t, MaxZahl + 1> &haeufigkeiten, const Zahlenmenge &menge)
{
    for (std::uint64_t rest = menge.ersteWort() & AlleZahlen; rest != 0; rest &= rest - 1)
        ++haeufigkeiten[static_cast<std::size_t>(std::countr_zero(rest))];
}

} // namespace

void StatistikStart(Zustand &zustand)
{
    zustand.Haeufigkeiten.fill(0);
    const auto anzahl = zustand.Ziehungen.size();
    // A fresh vector: no set of an earlier run survives.
    zustand.Ziehungsmengen = QVector<Zahlenmenge>(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i) {
        zustand.Ziehungsmengen[i] = zustand.Ziehungen.at(i).menge();
        zaehle(zustand.Haeufigkeiten, zustand.Ziehungsmengen.at(i));
    }
}

void TeilStatistik(Zustand &zustand, int von, int bis)
{
    zustand.Haeufigkeiten.fill(0);
    const Zeitraum z = begrenzt(zustand, von, bis);
    for (int i = z.von; i <= z.bis; ++i)
        zaehle(zustand.Haeufigkeiten, zustand.Ziehungen.at(i).menge());
}

std::array<int, MaxZahl> Haeufigkeitsreihenfolge(const std::array<std::int32_t, MaxZahl + 1> &haeufigkeiten)
{
    std::array<int, MaxZahl> reihe{};
    for (int p = 0; p < MaxZahl; ++p)
        reihe[static_cast<std::size_t>(p)] = p + 1;
    // Count, then number: a strict total order, so the result is the same as placing the
    // numbers count by count, each count in ascending numerical order.
    std::sort(reihe.begin(), reihe.end(), [&haeufigkeiten](int a, int b) {
        const auto ha = haeufigkeiten[static_cast<std::size_t>(a)];
        const auto hb = haeufigkeiten[static_cast<std::size_t>(b)];
        return ha != hb ? ha < hb : a < b;
    });
    return reihe;
}

std::array<Ausgebliebene, MaxZahl> Ausgeblieben(const Zustand &zustand, int von, int bis)
{
    const Zeitraum z = begrenzt(zustand, von, bis);
    const auto vorhandeneMengen = zustand.Ziehungsmengen.size();

    // Every number not seen in the period counts the whole period.
    std::array<Ausgebliebene, MaxZahl> liste{};
    for (int n = 1; n <= MaxZahl; ++n)
        liste[static_cast<std::size_t>(n - 1)] = {n, z.laenge()};

    // One walk back from the newest draw of the period; each number takes the distance of
    // the first draw that holds it. The walk ends once every number has been seen.
    std::uint64_t offen = AlleZahlen;
    for (int i = z.bis; i >= z.von && offen != 0; --i) {
        if (i >= vorhandeneMengen)
            continue;
        std::uint64_t neu = zustand.Ziehungsmengen.at(i).ersteWort() & offen;
        offen &= ~neu;
        while (neu != 0) {
            const int n = std::countr_zero(neu);
            liste[static_cast<std::size_t>(n - 1)].anzahl = z.bis - i;
            neu &= neu - 1;
        }
    }

    // Longest missing first, then number: the same order as collecting count by count downwards.
    std::sort(liste.begin(), liste.end(), [](const Ausgebliebene &a, const Ausgebliebene &b) {
        return a.anzahl != b.anzahl ? a.anzahl > b.anzahl : a.zahl < b.zahl;
    });
    return liste;
}
