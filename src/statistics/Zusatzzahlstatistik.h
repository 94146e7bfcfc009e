// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "model/Spiel.h"

#include <QVector>

#include <array>

// How often each Zusatzzahl 1..10 was drawn in a period and for how many draws it has been
// missing, counted back from the newest draw of the period (a Zusatzzahl not drawn in the
// period: the period's length). A stored Zusatzzahl outside 1..10 counts for none of them.
// The period von..bis is clamped to the history.

struct Zusatzzahlzeile
{
    int zahl = 0;
    int anzahl = 0;
    int ausgeblieben = 0;

    bool operator==(const Zusatzzahlzeile &) const = default;
};

struct Zusatzzahlauswertung
{
    int ziehungen = 0; // length of the period
    std::array<Zusatzzahlzeile, MaxZusatzzahl> zeilen; // by Zusatzzahl, 1 first

    double erwartet() const { return ziehungen / static_cast<double>(MaxZusatzzahl); }
};

Zusatzzahlauswertung Zusatzzahlen(const QVector<TGewZahlen> &ziehungen, int von, int bis);
