// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct Zustand;

// The per-user data folder, "Quintaro Analyser" under the user's data location.
QString StandardDatenordner();
// The folder of the sample data, under the user's cache folder and apart from the real data.
QString Beispielordner();

// Computes the folders and file paths of the run: Programmordner, Tempdatei, Datenordner
// (`datenordner`, created when missing) and Hilfedatei, and removes the leftovers of
// interrupted saves from the data folder (ResteEntfernen). Returns an error text when the data
// folder cannot be created, empty otherwise.
QString OrdnerBestimmen(Zustand &zustand, const QString &programmordner,
                        const QString &datenordner = StandardDatenordner());
