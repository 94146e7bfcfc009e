// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"

#include <array>
#include <cstdint>
#include <vector>

// Patterns of a row of five numbers and how often each value occurs among all rows.
//
// A row is given as a bitmap: number n is bit n of one 64-bit word, as in the first word of
// a Zahlenmenge.

enum class Musterart { Summe, Gerade, Klein, Folge, Zehnergruppe };
inline constexpr int Musterarten = 5;
inline constexpr std::array<Musterart, Musterarten> AlleMusterarten{
    Musterart::Summe, Musterart::Gerade, Musterart::Klein, Musterart::Folge, Musterart::Zehnergruppe};

// The highest number that counts as small.
inline constexpr int GroessteKleineZahl = 24;

struct Musterwerte
{
    int summe = 0;        // 15..235
    int gerade = 0;       // even numbers, 0..5
    int klein = 0;        // numbers of 1..24, 0..5
    int folge = 0;        // longest run of consecutive numbers, 1..5
    int zehnergruppe = 0; // most numbers in one of 1-9, 10-19, 20-29, 30-39, 40-49: 1..5

    int wert(Musterart art) const;
    bool operator==(const Musterwerte &) const = default;
};

// The values of a row of exactly five numbers of 1..49.
Musterwerte MusterVon(std::uint64_t reihe);

// The smallest and the largest value a pattern can take.
struct Wertebereich
{
    int von;
    int bis;
    int anzahl() const { return bis - von + 1; }
};
Wertebereich WerteVon(Musterart art);

// Every row of five numbers with its pattern values, built once on first use (about 23 MB,
// some tens of milliseconds) and shared read-only from then on, also across threads.
class Reihentafel
{
public:
    // The packed values: sum in bits 0-7, then three bits each for even, small, run and group.
    static int summe(std::uint32_t m) { return static_cast<int>(m & 0xFF); }
    static int gerade(std::uint32_t m) { return static_cast<int>((m >> 8) & 7); }
    static int klein(std::uint32_t m) { return static_cast<int>((m >> 11) & 7); }
    static int folge(std::uint32_t m) { return static_cast<int>((m >> 14) & 7); }
    static int zehnergruppe(std::uint32_t m) { return static_cast<int>((m >> 17) & 7); }
    static std::uint32_t packe(const Musterwerte &w);
    static Musterwerte entpacke(std::uint32_t m);

    std::vector<std::uint64_t> reihen; // the rows, ascending in lexicographic order
    std::vector<std::uint32_t> muster; // their packed values, same index

    static const Reihentafel &alle();
};

// How many of the 1,906,884 rows have each value of the pattern: index 0 is the value
// WerteVon(art).von. Counted once, on first use.
const std::vector<std::int64_t> &ErwarteteAnzahlen(Musterart art);
