// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Dateien.h"
#include "model/Records.h"

#include <QString>
#include <QVector>

// The draw history file: plain 16-byte records, oldest draw first, no header.
enum class Ladestatus { Fehlt, Geladen, Fehler };

struct Ladeergebnis
{
    Ladestatus status = Ladestatus::Fehlt;
    QVector<TGewZahlen> ziehungen; // the whole records read, also after an error
    QString fehler;                // German description of the cause
};

// The most draws a history may hold: the reader reads no larger file, so no writer may make
// one (16 MiB, 1.048.576 draws).
inline constexpr qsizetype MaxZiehungen = MaxDatendateiGroesse / TGewZahlen::Groesse;
inline constexpr qint64 MaxGewinnreihenGroesse = MaxZiehungen * TGewZahlen::Groesse;

// Empty when a history file of `bytes` bytes can be read again; otherwise the German refusal
// that names the draws it would hold and the limit.
QString GZGrenzePruefen(qint64 bytes);

// Reads every whole record of the file; a trailing piece shorter than a record is ignored.
// A file beyond the size cap is refused (status Fehler, no draws) and left as it is.
Ladeergebnis GZEinlesen(const QString &datei);

// Writes every draw; the file is replaced only when the whole history was written.
// Returns the system's description of the error, empty on success.
QString GZSpeichern(const QString &datei, const QVector<TGewZahlen> &ziehungen);

// Keeps a copy of the history file under the backup name before a download replaces it; an
// existing backup is never replaced, and the history file never leaves its own name. Returns the
// system's description of the error, empty when the copy was made or none was needed.
QString GZSichern(const QString &datenordner);
// Moves the backup back after a failed download; never replaces an existing history file.
void GZZurueckholen(const QString &datenordner);
