// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Zustand.h"

#include <array>
#include <cstdint>

// Frequency and overdue statistics over the draw history. Pure computation on the state
// object; the Zusatzzahl takes no part in any of it.
//
// Every draw counts by its set of numbers (TGewZahlen::menge()): a draw from a damaged or
// old history file (a number outside 1..49, a number twice, a Zusatzzahl outside 1..10)
// still counts its numbers of 1..49, each once; only numbers outside 1..49 are left out.
// Ziehungsmengen holds one set per draw, so its indexes stay aligned with Ziehungen.
//
// Periods are index pairs von..bis into Ziehungen, both inclusive. Indexes outside the
// history are clamped to 0..N-1 (N = number of draws) before use, so the period is always
// the part of von..bis that lies within the history; when nothing remains (bis < von after
// clamping, or an empty history) the period is empty and every count is 0.

// Recomputes Haeufigkeiten over the whole history and rebuilds Ziehungsmengen from scratch,
// one set per draw. Run it after every change of Ziehungen.
void StatistikStart(Zustand &zustand);

// Recomputes Haeufigkeiten over the draws von..bis, read from Ziehungen (not from the sets).
void TeilStatistik(Zustand &zustand, int von, int bis);

// The 49 numbers ordered by their count, ascending: index 0 holds the least frequent number,
// numbers of equal count stand in ascending numerical order. Entry 0 of haeufigkeiten is unused.
std::array<int, MaxZahl> Haeufigkeitsreihenfolge(const std::array<std::int32_t, MaxZahl + 1> &haeufigkeiten);

struct Ausgebliebene
{
    int zahl;
    int anzahl; // draws of the period after the number's last appearance in it

    bool operator==(const Ausgebliebene &) const = default;
};

// How long each number has been missing within von..bis, counted back from bis, in display
// order: the longest missing first, equal counts in ascending numerical order. A number not
// drawn in the period gets the length of the period. Membership is read from Ziehungsmengen;
// a draw whose set is missing there (not computed yet) is treated as containing no number.
std::array<Ausgebliebene, MaxZahl> Ausgeblieben(const Zustand &zustand, int von, int bis);
