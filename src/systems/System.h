// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/Binomialkoeffizient.h"

#include "model/Spiel.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Systems: the player picks more numbers than a row holds, and the rows are made from them.
// A full system ("Vollsystem") is every 5-number row of the chosen numbers; an abbreviated
// system ("Kurzsystem") holds as few rows as the search finds that still keep a guarantee.

inline constexpr int MinSystemzahlen = 6;
inline constexpr int MaxSystemzahlen = 30;
inline constexpr int MaxVollsystemzahlen = 20;

// "t bei m": whenever at least `wenn` (m) of the five winning numbers are among the chosen
// numbers, at least one row holds `richtige` (t) of them.
struct Garantie
{
    int richtige = 3;
    int wenn = 4;
    bool operator==(const Garantie &) const = default;
};

// A row as a bit set over the chosen numbers: bit i stands for the i-th smallest of them.
using Reihenmaske = std::uint32_t;


// Why these numbers and this guarantee make no system (German message), empty when they do.
// Without a guarantee the full system is meant, which allows at most 20 numbers.
QString SystemPruefen(const std::vector<int> &zahlen, const std::optional<Garantie> &garantie);

// Every 5-subset of n numbers, in ascending order of its numbers.
std::vector<Reihenmaske> Vollsystem(int n);

// The exact check of a guarantee: goes through every m-subset of the n numbers and looks for a
// row holding t of them. Returns how many m-subsets no row serves (0: the guarantee holds); the
// first of them goes to `erste` when asked for.
std::int64_t UngedeckteMengen(int n, const std::vector<Reihenmaske> &reihen, Garantie garantie,
                              Reihenmaske *erste = nullptr);
inline bool GarantieHaelt(int n, const std::vector<Reihenmaske> &reihen, Garantie garantie)
{
    return UngedeckteMengen(n, reihen, garantie) == 0;
}

// How many m-subsets one row serves: those with at least t of its numbers.
std::int64_t MengenJeReihe(int n, Garantie garantie);

// A lower bound for the rows of any system with this guarantee.
// For t = m it is the Schönheim bound of the covering design C(n,5,t):
//   L(n) = ceil(n/5 * ceil((n-1)/4 * ... ceil((n-t+1)/(5-t+1)))).
// For t < m (a lotto design) it is the larger of two simple bounds from the lotto-design
// literature: the covering bound C(n,m) / (m-sets one row serves), and for t = 1 the bound
// ceil((n-m+1)/5), as at most m-1 numbers may stay outside every row.
std::int64_t Untergrenze(int n, Garantie garantie);

// "3 bei 4"
QString GarantieKurz(Garantie garantie);
// The guarantee in words for n chosen numbers; without a guarantee that of the full system.
QString GarantieText(int n, const std::optional<Garantie> &garantie);

// The numbers of a row from its bit set; `zahlen` are the chosen numbers in ascending order.
std::array<std::uint8_t, ZahlenProReihe> ReihenZahlen(const std::vector<int> &zahlen, Reihenmaske reihe);
