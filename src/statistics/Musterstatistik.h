// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "statistics/Anpassungstest.h"
#include "statistics/Muster.h"

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <vector>

// The patterns of the draws of a period against what a fair draw predicts.
//
// Only proper draws count (five different numbers of 1..49); a draw from a damaged history
// file has no pattern and is left out, so `ziehungen` may be less than the period's length.
// Periods are index pairs von..bis into the history, clamped to it as in the other statistics.

struct Musterzeile
{
    int wert = 0;
    std::int64_t anzahlAlle = 0; // rows among all 1,906,884 with this value
    std::int64_t beobachtet = 0;
    double erwartet = 0.0; // ziehungen × anzahlAlle / 1,906,884
};

struct Musterergebnis
{
    Musterart art = Musterart::Summe;
    std::vector<Musterzeile> werte; // every value the pattern can take, ascending
    Anpassungstest test;
};

struct Musterauswertung
{
    int ziehungen = 0; // draws counted
    std::array<Musterergebnis, Musterarten> muster;

    const Musterergebnis &von(Musterart art) const { return muster[static_cast<std::size_t>(art)]; }
};

Musterauswertung MusterAuswerten(const QVector<TGewZahlen> &ziehungen, int von, int bis);

// "Summe der Zahlen", "Gerade Zahlen", …
QString Musterbezeichnung(Musterart art);
// The key of the pattern in JSON and in the settings: "summe", "gerade", …
QString Musterschluessel(Musterart art);
