// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Zahlenmenge.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

// A row while it is drawn: the bits 1..49 of one word, as in the first word of a Zahlenmenge.
using Reihenbits = std::uint64_t;


// The row's place among all rows of five numbers, 0 .. AlleReihen - 1: with its numbers
// a < b < c < d < e counted from 0, the sum (a over 1) + (b over 2) + ... + (e over 5).
// Different rows get different places, so one bit per place tells whether a row came before.
std::int32_t ReihenIndex(Reihenbits reihe);

// Remembers the rows of one run, one bit per possible row (233 KB, taken at the first test, so a
// run that draws its rows directly never needs it); each test is a few instructions whatever the
// number of rows accepted.
class Reihenbitfeld
{
public:
    // True, and the row is remembered, when it did not come before.
    bool neu(Reihenbits reihe)
    {
        if (m_bits.empty())
            m_bits.resize((AlleReihen + 63) / 64);
        const auto index = static_cast<std::uint32_t>(ReihenIndex(reihe));
        std::uint64_t &wort = m_bits[index >> 6];
        const std::uint64_t bit = std::uint64_t{1} << (index & 63);
        if (wort & bit)
            return false;
        wort |= bit;
        return true;
    }

private:
    std::vector<std::uint64_t> m_bits;
};

// The same answer by comparing the row with every row accepted so far, as whole number sets.
// Its cost grows with the square of the rows; it stays as the yardstick of the bit field.
class Reihenliste
{
public:
    explicit Reihenliste(std::int32_t erwartet) { m_reihen.reserve(static_cast<std::size_t>(erwartet)); }

    bool neu(Reihenbits reihe)
    {
        Zahlenmenge menge;
        for (Reihenbits rest = reihe; rest != 0; rest &= rest - 1)
            menge.hinzu(static_cast<std::uint8_t>(std::countr_zero(rest)));
        for (const Zahlenmenge &alt : m_reihen)
            if (alt == menge)
                return false;
        m_reihen.push_back(menge);
        return true;
    }

private:
    std::vector<Zahlenmenge> m_reihen;
};
