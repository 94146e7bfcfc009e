// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generator/Musterfilter.h"
#include "generator/Reihenpruefung.h"
#include "generator/Zufallsreihen.h"
#include "model/Spiel.h"
#include "model/Zahlenmenge.h"

#include <QString>

#include <cstdint>
#include <functional>

// What the user asked for: the number of rows, the three panels and the Zusatzzahl.
struct Zufallsvorgaben
{
    std::int32_t ZufReihenAnz = 0;
    Zahlenmenge BZGewaehlt;   // in every row, at most five
    Zahlenmenge KillGewaehlt; // in no row
    Zahlenmenge FavGewaehlt;  // drawn with double weight
    QString festeZusatzzahl;  // as typed ("07"); empty: a drawn Zusatzzahl per row
    Musterfilter filter;      // patterns every row must have; off by default
};

inline const QString MeldungAnzahlUngueltig =
    QStringLiteral("Die Anzahl der Tippreihen muss zwischen 1 und 2.147.483.647 liegen.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");

// Number of distinct rows that hold every bank number, no quota killer and pass the filter.
std::int64_t MoeglicheReihen(const Zufallsvorgaben &vorgaben);

// Why the run cannot start: too few distinct rows for the request, or no row asked for.
// Empty when it can.
QString ZufallPruefen(const Zufallsvorgaben &vorgaben);

// A fresh start value for the random engine, from the system's entropy source and the clock.
std::uint64_t NeuerStartwert();

// Called now and then from the drawing loop with the rows accepted so far; false cancels.
using Zwischenstand = std::function<bool(std::int32_t angenommen)>;

struct Zufallsergebnis
{
    enum class Ausgang { Fertig, Abgelehnt, Abgebrochen };
    Ausgang ausgang = Ausgang::Abgelehnt;
    QString meldung;      // the refusal
    Zufallsreihen reihen; // the rows when finished
};

// Draws ZufReihenAnz distinct rows. A pot holds every number that is neither a bank number nor
// a quota killer, favourites twice; each row starts with the bank numbers and takes uniform
// picks from the pot until it has five numbers, a pick that hits a number already in the row
// being picked again. A row equal to an earlier one as a set is thrown away, and so is a row
// the filter does not let pass. When fewer than ten times the requested rows pass (with or without
// a filter), the rows are drawn from the passing rows directly instead, each with the chance the
// pot gives it, so neither a narrow filter nor a request of nearly every row leaves the loop
// searching among duplicates. Then every row
// gets its Zusatzzahl: the fixed text, or a uniform draw of 1..10. The engine is seeded with
// `startwert`, so a run can be repeated.
Zufallsergebnis ZufallszahlenErmitteln(const Zufallsvorgaben &vorgaben, std::uint64_t startwert,
                                       const Zwischenstand &zwischenstand = {});

// The same run with the duplicate test of one's choice (Reihenbitfeld or Reihenliste); both
// give the very same rows from the same start value.
template <class Pruefung>
Zufallsergebnis ZufallszahlenErmittelnMit(Pruefung &pruefung, const Zufallsvorgaben &vorgaben, std::uint64_t startwert,
                                          const Zwischenstand &zwischenstand = {});
