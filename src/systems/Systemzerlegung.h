// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "systems/System.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// Systems glued together from systems over parts of the numbers. The numbers 1..n are split into
// consecutive parts, and each part gets a system of its own with the guarantee "t bei m_i". When
// at least m of the winning numbers are among the n, some part holds m_i of them as long as the
// m_i - 1 add up to less than m (otherwise every part could hold m_i - 1 and no more), and that
// part's system has a row with t of them. So "3 bei 5" over 20 numbers is "3 bei 3" over 11
// numbers and over the other 9: 20 + 12 rows, where a search over all 20 finds nearer 40.

struct Zerlegungsteil
{
    int zahlen = 0; // how many numbers the part has
    int wenn = 0;   // the m of the part's guarantee "t bei m"
    bool operator==(const Zerlegungsteil &) const = default;
};

// Whether parts with these guarantees give `garantie` over n numbers.
bool ZerlegungGibt(int n, Garantie garantie, const std::vector<Zerlegungsteil> &teile);

// "11:3+9:3": numbers and m of each part.
QString Zerlegungstext(const std::vector<Zerlegungsteil> &teile);

// The parts' systems placed one after another: bit j of part i's rows stands for the j-th
// number after the numbers of the parts before it.
std::vector<Reihenmaske> ZerlegungZusammensetzen(const std::vector<Zerlegungsteil> &teile,
                                                 const std::vector<std::vector<Reihenmaske>> &systeme);

// Rows of the smallest system known for so many numbers and this guarantee; none when none is.
using Systemgroesse = std::function<std::optional<int>(int zahlen, Garantie garantie)>;

// The split into at least two parts of at least six numbers with the fewest rows in all, by the
// sizes `groesse` knows; none when no split has a system for each of its parts.
std::optional<std::vector<Zerlegungsteil>> BesteZerlegung(int n, Garantie garantie, const Systemgroesse &groesse);
