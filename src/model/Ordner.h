#pragma once

#include <QString>

struct Zustand;

// Computes the folders and file paths of the run: Programmordner, Tempdatei, Datenordner
// (created when missing) and Hilfedatei, and removes the leftovers of interrupted saves from
// the data folder (ResteEntfernen). Returns an error text when the data folder
// cannot be created, empty otherwise.
QString OrdnerBestimmen(Zustand &zustand, const QString &programmordner);

// The per-user data folder, "Quintaro Analyser" under the user's data location.
QString StandardDatenordner();
