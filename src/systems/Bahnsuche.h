// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "systems/System.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// The search among systems that a permutation of the numbers maps onto themselves. Such a system
// is a union of orbits of rows under the cyclic group the permutation generates, and it keeps
// its guarantee when one m-set of each orbit of m-sets is served: the problem shrinks by about
// the order of the group. Many of the smallest known systems are of this kind (the projective
// plane of order 4 is one orbit of 21 rows under a cycle of its 21 points). The search is the
// annealing of Systemsuche over orbits: orbits in, orbits out, the count of unserved orbits of
// m-sets as its cost, and a system one orbit smaller each time nothing is left unserved.

// A permutation by its cycles: "19" moves the numbers 1..19 in one cycle and fixes the rest,
// "10x2" moves 1..10 and 11..20 in two cycles of ten, "6x3.2" three cycles of six and one of two.
struct Zyklen
{
    std::vector<int> laengen; // in order from the number 1 on; the numbers after them stay fixed

    static std::optional<Zyklen> lesen(const QString &text);
    QString text() const;
    int zahlen() const; // numbers moved
    // The image of each of the n numbers (0-based).
    std::vector<int> permutation(int n) const;
};

struct Bahnsuchvorgaben
{
    int n = 0;
    Garantie garantie;
    Zyklen zyklen;
    std::uint64_t startwert = 0;
    // Moves of the annealing; the same start value and budget give the same system.
    std::int64_t schritte = 0;
    // A tabu search in place of the annealing: every move makes the best exchange for a random
    // unserved orbit, and the orbits it moved stay where they are for a few moves.
    bool tabu = false;
};

// The smallest complete system found, as rows sorted by their masks; empty when cancelled
// before the first one.
std::vector<Reihenmaske> BahnenSuchen(const Bahnsuchvorgaben &vorgaben, const std::atomic<bool> *abbruch = nullptr);
