// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnbericht.h"
#include "systems/Systembau.h"

#include <QDate>
#include <QLocale>

// A built system on paper: its numbers, guarantee and figures, the chance table and the list of
// its rows, laid out by the report printer of the program.
Gewinnbericht SystemberichtErstellen(const Systemergebnis &system, float reihenpreis, const QDate &heute,
                                     const QLocale &locale);
