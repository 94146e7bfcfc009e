// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// No data file the program reads (draw history, ticket, settings, a download) may be larger:
// a bigger file is refused with a message and left untouched.
inline constexpr qint64 MaxDatendateiGroesse = 16 * 1024 * 1024;

// Writes `daten` as the whole new content of `pfad`: into a temporary file beside it first
// ("NAME.XXXXXX", six letters), flushed to the disk, then renamed into its place, so the file
// is either the complete new one or the old one. Returns a German description of the cause
// when it failed (the temporary file is removed then), empty on success.
QString DateiErsetzen(const QString &pfad, const QByteArray &daten);

struct Dateiinhalt
{
    enum class Status { Gelesen, Fehlt, Fehler };
    Status status = Status::Fehlt;
    QByteArray daten;     // the bytes read, also those before an error
    QString fehler;       // German description of the cause
    bool zuGross = false; // refused for its size (status Fehler, no bytes)
};

// Reads the whole regular file `pfad`. A folder, a device or a pipe in its place is refused
// instead of read (a pipe would block, a device never end), and so is a file larger than
// `hoechstens` bytes.
Dateiinhalt DateiLesen(const QString &pfad, qint64 hoechstens = MaxDatendateiGroesse);

// German description of a system error number (errno) of a file operation.
QString SystemfehlerText(int fehlernummer);

// German message for a failed read or write of a data file: what failed, an empty line,
// and the description of the cause.
QString DateiFehlerText(const QString &datei, const QString &systemtext, bool schreiben);

// The temporary files that interrupted writes of the program's data files (draw history,
// settings, tickets) left in `datenordner`, and those of dated copies in its folder
// "Sicherungen" (named "Sicherungen/NAME" in the result), when their last change lies at least
// `mindestalterSekunden` back: a younger one may be the save of a second running instance.
// Returns the names removed.
QStringList ResteEntfernen(const QString &datenordner, qint64 mindestalterSekunden = 10 * 60);
