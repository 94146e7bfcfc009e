// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "systems/System.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The table of systems the program's own searches found in long runs, shipped with it
// (systems/tabelle/systemtabelle.txt, made by scripts/systemtabelle.sh). An entry holds the rows
// over the numbers 1..n; the chosen numbers take their places in ascending order, so bit i of a
// row stands for the i-th smallest chosen number, as in every system. Each entry says how it was
// found, so the script repeats it: the search over orbits under the cyclic group of `zyklen`
// ("-" for none, "T19" for the tabu search over the orbits of a cycle of 19) with `startwert`
// and `schritte`, then the plain search from that system with the same start value and
// `nachschritte`.
struct Tabelleneintrag
{
    int n = 0;
    Garantie garantie;
    QString zyklen;
    std::uint64_t startwert = 0;
    std::int64_t schritte = 0;
    std::int64_t nachschritte = 0;
    std::vector<Reihenmaske> reihen;
};

// One line of the table file: "n t:m zyklen startwert schritte nachschritte reihen | abcde …",
// every row as the letters of its numbers (a = 1 … t = 20 … D = 30).
QString Tabellenzeile(const Tabelleneintrag &eintrag);
// Reads a line; empty with `fehler` set when it is damaged.
std::optional<Tabelleneintrag> TabellenzeileLesen(const QString &zeile, QString *fehler = nullptr);

// Every entry of the shipped table as read, unchecked.
const std::vector<Tabelleneintrag> &Systemtabelle();

// The smallest known system for n numbers and this guarantee, after its exact check: the table's
// entry, or where that has fewer rows one glued together from known systems over parts of the
// numbers (systems/Systemzerlegung.h; `zyklen` then reads "Z11:3+9:3") or a known system for
// more numbers without its last ones ("K25": from the one for 25). None when there is none that
// passes the check (a table entry never replaces the check).
std::optional<Tabelleneintrag> BekanntesSystem(int n, Garantie garantie);
