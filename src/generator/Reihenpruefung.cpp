// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Reihenpruefung.h"

namespace {
struct Binomialtafel
{
    // (v over j) for v = 0..48 and j = 1..5.
    std::array<std::array<std::int32_t, ZahlenProReihe + 1>, MaxZahl> wert{};
    constexpr Binomialtafel()
    {
        for (int v = 0; v < MaxZahl; ++v) {
            wert[v][0] = 1;
            for (int j = 1; j <= ZahlenProReihe; ++j)
                wert[v][j] = v == 0 ? 0 : wert[v - 1][j - 1] + wert[v - 1][j];
        }
    }
};
constexpr Binomialtafel Tafel;
static_assert(Tafel.wert[48][5] + Tafel.wert[48][4] == AlleReihen);
} // namespace

std::int32_t ReihenIndex(Reihenbits reihe)
{
    std::int32_t index = 0;
    int j = 1;
    for (Reihenbits rest = reihe; rest != 0 && j <= ZahlenProReihe; rest &= rest - 1, ++j) {
        // Number n is bit n, and counts from 0 as n - 1.
        const int v = std::countr_zero(rest) - 1;
        index += Tafel.wert[static_cast<std::size_t>(v)][static_cast<std::size_t>(j)];
    }
    return index;
}
