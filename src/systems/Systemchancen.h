// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnchancen.h"
#include "model/Betrag.h"
#include "model/Records.h"
#include "model/Textzellen.h"
#include "systems/System.h"

#include <QLocale>

#include <array>
#include <atomic>
#include <functional>
#include <cstdint>
#include <optional>
#include <vector>

// What a system gives, counted exactly over every draw: all 1,906,884 sets of five winning
// numbers times the 10 Zusatzzahlen, each row with its own Zusatzzahl. Counts are outcomes out
// of MoeglicheZiehungen.
struct Systemchancen
{
    std::array<std::int64_t, AnzahlGewinnklassen> mindestensEine{}; // outcomes with a row in the class
    std::array<std::int64_t, AnzahlGewinnklassen> reihenSumme{};    // rows in the class, summed over outcomes
    std::int64_t gewinn = 0;            // outcomes with at least one winning row
    std::int64_t erwartungSumme = 0;    // amounts of all rows summed over outcomes, ten-thousandths
    std::int64_t garantieGreift = 0;    // of the 1,906,884 sets of winning numbers: those with at
                                        // least m numbers among the chosen ones
    int reihen = 0;
};

inline constexpr std::int64_t MoeglicheZahlenreihen = 1'906'884;

// Called now and then from the counting thread with the parts done of all.
using Systemchancenfortschritt = std::function<void(int erledigt, int gesamt)>;

// `zahlen` ascending, `zusatzzahlen` one per row (1..10), `wenn` the m of the guarantee (5 for
// a full system). Only the numbers a draw shares with the chosen ones matter, so it goes through
// every subset of at most five chosen numbers, each weighted by the ways to fill the draw with
// numbers outside them, and counts the rows by their hits 64 at a time: the rows are held as one
// bit set per chosen number, and the hits of every row as three bit planes. The subsets are
// shared among the cores. Empty when cancelled by `abbruch`.
std::optional<Systemchancen> SystemchancenZaehlen(int n, const std::vector<Reihenmaske> &reihen,
                                                  const std::vector<std::uint8_t> &zusatzzahlen, int wenn,
                                                  const std::atomic<bool> *abbruch,
                                                  const Systemchancenfortschritt &fortschritt = {});
inline Systemchancen SystemchancenBerechnen(int n, const std::vector<Reihenmaske> &reihen,
                                            const std::vector<std::uint8_t> &zusatzzahlen, int wenn)
{
    return *SystemchancenZaehlen(n, reihen, zusatzzahlen, wenn, nullptr);
}

// A probability as a number of 0..1.
inline double Wahrscheinlichkeit(std::int64_t guenstig, std::int64_t moeglich)
{
    return moeglich > 0 ? static_cast<double>(guenstig) / static_cast<double>(moeglich) : 0.0;
}

// The chance table as the odds table of the n-over-k window: a header row ("Kl.", "Richtige",
// "Gewinn", "Chance mind. eine Reihe", "Reihen im Mittel"), one row per class and a last row
// "alle" with the chance of any win and the rows that win on average.
TextTabelle SystemchancenTabelle(const Systemchancen &chancen, const QLocale &locale);

// "Reihen im Mittel": guenstig / moeglich to three significant digits, rounded half away from
// zero, in plain decimal notation with the locale's separators and without trailing zeros
// ("0,000000367", "0,754", "3,6", "454", "2.326"): a player cannot read "3,671E-07".
QString MittelText(std::int64_t guenstig, std::int64_t moeglich, const QLocale &locale);

// The expected amount per draw of the system in whole cents, rounded half away from zero.
std::int64_t ErwartungCent(const Systemchancen &chancen);

// The figures below the table, each a label text.
struct Systemkennzahlen
{
    QString erwartung;      // expected amount per draw, currency with two decimals
    QString einsatz;        // rows × price per row
    QString gewinnChance;   // "1 : 3,52"
    QString garantieGreift; // "1 : 1.234,56"
};
Systemkennzahlen SystemkennzahlenTexte(const Systemchancen &chancen, float reihenpreis, const QLocale &locale);

// The stake of so many rows, in ten-thousandths of a euro.
Betrag Systemeinsatz(std::int64_t reihen, float reihenpreis);
