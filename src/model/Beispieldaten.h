// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"

#include <QDate>
#include <QString>
#include <QVector>

// Sample data for a first look at the program (start option --beispiel): a draw history and
// the sample ticket in a folder of their own, apart from the user's real data.

// Ten years of weekly draws up to `letzterZiehungstag`, oldest first: proper draws (five
// different numbers in ascending order, a Zusatzzahl), always the same numbers from a fixed seed.
QVector<TGewZahlen> Beispielhistorie(const QDate &letzterZiehungstag);

// Writes the sample history up to the latest draw day before `heute` and the sample ticket
// into `ordner`, made afresh at every start. Returns an error text, empty on success.
QString BeispieldatenAnlegen(const QString &ordner, const QDate &heute);
