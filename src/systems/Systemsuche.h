// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "systems/System.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// The search for an abbreviated system: a greedy start, then simulated annealing in the manner
// of the published covering-design searches. The number of rows is held fixed while the
// annealing lowers the count of m-sets no row serves; a move takes a random unserved m-set and
// a row that holds t-1 of its numbers, and exchanges one of the row's other numbers for one of
// the set's, so the row serves it. A worse state is taken with the Metropolis chance
// exp(-worse/temperature); the temperature cools geometrically and is raised again when frozen.
// Each time no m-set is left unserved the system is complete: it is kept as the best so far,
// the row serving fewest sets alone is dropped, and the annealing goes on with one row less,
// until the lower bound is reached or the steps run out.

struct Systemsuchvorgaben
{
    int n = 0;
    Garantie garantie;
    std::uint64_t startwert = 0;
    // Moves of the annealing the search may make; 0 for no limit (then a clock or a cancel
    // must end it). The same start value and budget give the same system.
    std::int64_t schritte = 0;
    // Milliseconds after which the search stops early; 0 for no clock.
    std::int64_t millisekunden = 0;
    // The search ends once it has a system of at most this many rows; 0: the lower bound.
    std::int64_t ziel = 0;
    // Rows to start from instead of the greedy start (which completes them when they fall
    // short): a system from the table or from the search over orbits, to be made smaller.
    std::vector<Reihenmaske> startreihen{};
};

struct Systemsuchergebnis
{
    std::vector<Reihenmaske> reihen; // the best complete system found, sorted
    std::int64_t schritte = 0;       // moves made: this budget with the same start value repeats it
    bool abgebrochen = false;        // cancelled by the flag
};

// Called now and then with the rows of the best system so far and the moves made.
using Systemsuchfortschritt = std::function<void(int reihen, std::int64_t schritte)>;

Systemsuchergebnis SystemSuchen(const Systemsuchvorgaben &vorgaben, const std::atomic<bool> *abbruch = nullptr,
                          const Systemsuchfortschritt &fortschritt = {});
