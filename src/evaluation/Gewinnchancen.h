// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Betrag.h"
#include "model/Records.h"
#include "model/Textzellen.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>

// The odds of the prize classes and the expected amount of a row, counted exactly: a draw takes
// 5 of the 49 numbers and 1 of the 10 Zusatzzahlen, every outcome equally likely.

// Outcomes of one draw: 49 over 5 sets of numbers times 10 Zusatzzahlen.
inline constexpr std::int64_t MoeglicheZiehungen = 1'906'884LL * 10;

// How many of the MoeglicheZiehungen outcomes put a row into each class (index 0 is class 1).
// `zahlen` is how many different numbers of 1..49 the row holds (5 for a proper row; a damaged
// row holds fewer); `mitZusatzzahl` says whether its Zusatzzahl lies in 1..10 and so can match.
std::array<std::int64_t, AnzahlGewinnklassen> GuenstigeZiehungen(int zahlen = 5, bool mitZusatzzahl = true);

// The expected amount of one such row in one draw, times MoeglicheZiehungen: the sum of every
// class's outcomes times its amount, in ten-thousandths. Exact; divide to get the amount.
std::int64_t ErwartungMalZiehungen(int zahlen = 5, bool mitZusatzzahl = true);

// "1 : 19.068.840": one win in so many draws, whole numbers without decimals, others with two.
// "-" when no outcome wins.
QString ChanceText(std::int64_t guenstige, const QLocale &locale);

// An expected amount in whole cents with the currency symbol, "0,10 €", as every amount the
// program shows (rounded half away from zero).
QString ErwartungText(double zehntausendstel, const QLocale &locale);

// The ten classes of a proper row as a grid for the n-over-k window: a header row ("Kl.",
// "Richtige", "Gewinn", "Chance", "Erwartung je Reihe"), one row per class with its amount, odds
// and share of the expected amount, and a last row "alle" with the odds of any win and the
// expected amount of the row. Column 0 holds the class number.
TextTabelle GewinnchancenTabelle(const QLocale &locale);
