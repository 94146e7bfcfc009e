// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Textzellen.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The ticket file ("*.qtt"): plain 10-byte TNormalSchein records, one per tip row, no header.
// The ticket's shares are written into every record and read from the first one.

// Reads the ticket file at `pfad` into a tip-row grid whose header row is prepared, and the two
// share texts. Row k receives the k-th record; the grid ends up with records + 1 rows. An empty
// file leaves only the header row and keeps the share texts as they were.
//
// A file whose total shares are 0 is shown with total shares "1": the ticket was played as a
// whole, and nothing downstream ever divides by zero. Values outside the game's ranges are shown
// as they are.
//
// Returns the German error text on failure, empty on success. After an error in the middle of
// the file the grid holds the whole rows read until then (row count consistent); when the file
// cannot be read at all (missing, a folder in its place, beyond the size cap), grid and share
// texts stay untouched.
QString ScheinEinlesen(TextTabelle &tabelle, QString &antGes, QString &antMeine, const QString &pfad,
                       const Textmesser &textbreite);

// The share count in a share field: an empty field counts as 1; nullopt when the text is not a
// whole number that fits the file's 16-bit field.
std::optional<int> AnteilAusText(const QString &text);

// True when cell (1, 1), the first number of the first row, is empty: nothing to save.
bool ScheinLeer(const TextTabelle &tabelle);

inline const QString MeldungTabelleLeer = QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu speichern.") +
                                          Absatz + QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungAnteileZuNiedrig =
    QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger als die Ihrigen sein.") + Absatz +
    QStringLiteral("Der Speichervorgang wird abgebrochen.");

struct Scheindaten
{
    QString fehler;   // German message when the grid or the shares cannot be saved
    QByteArray bytes; // the complete file content when `fehler` is empty
};

// Checks the grid and the share texts and builds the file content: one record per grid row
// 1..last, the same shares in every record. Refuses an empty grid, total shares below own
// shares, and any cell that is not a whole number fitting its byte (0..255) or a share that does
// not fit 16 bits. Nothing is cut silently.
Scheindaten ScheinZuBytes(const TextTabelle &tabelle, const QString &antGes, const QString &antMeine);

// Checks, builds and writes the ticket file atomically: the file at `pfad` is replaced only by a
// completely written new one, so a refused or failed save leaves an existing file as it was.
// Returns the German message on failure, empty on success.
QString ScheinDateiSchreiben(const TextTabelle &tabelle, const QString &antGes, const QString &antMeine,
                             const QString &pfad);
