// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "syndicate/Cent.h"

#include <QDate>
#include <QString>

#include <vector>

// The one rule by which every amount of a syndicate is split over its members: each gets
// floor(amount × shares ÷ total shares); the cents left over (fewer than the members) go one
// each to the largest remainders (amount × shares mod total shares), ties to the member who
// joined first, then by name in Unicode code points. The parts add up to the amount exactly.
struct Teilhaber
{
    int anteile = 1;
    QDate eintritt;
    QString name;
};

// The parts in the order of `teilhaber`; empty when there is nobody or no share to split by.
std::vector<Cent> Aufteilen(Cent betrag, const std::vector<Teilhaber> &teilhaber);

// Orders two texts by their Unicode code points (UTF-16 order differs above the surrogates).
bool VorInCodepunkten(const QString &a, const QString &b);
