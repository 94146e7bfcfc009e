// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

// Wide enough for n over k with every n of two digits: 99 over 49 has 29 digits.
__extension__ typedef unsigned __int128 Ganzzahl128;

// The number of k-element subsets of an n-element set: 1 for k = 0 or k = n, 0 for k > n and
// for negative arguments. Exact whenever the result fits a signed 64-bit integer, and no step
// overflows then; a larger result gives the largest 64-bit value, which still compares as
// "more than any request".
std::int64_t Binomialkoeffizient(std::int32_t n, std::int32_t k);

// The same count exactly, or nullopt when it does not fit 128 bits.
std::optional<Ganzzahl128> BinomialkoeffizientExakt(std::int32_t n, std::int32_t k);

// A whole number in decimal, its digits grouped in threes by the locale's thousands separator
// and without decimals (49 over 5 in German: 1.906.884).
QString MitTausendern(Ganzzahl128 wert, const QLocale &locale);
