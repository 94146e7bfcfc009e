// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The one way a whole new draw history takes the place of the history file (download, import of
// draws, the command line's import) and the draw entry's save. Whatever comes in, no stored date
// disappears unless the user agreed to lose exactly that date, and a replaced history is kept as
// a dated copy in the folder `Sicherungen` of the data folder first.
namespace Sicherungen {
inline const QString Ordner = QStringLiteral("Sicherungen");
// The newest copies kept; older ones are removed when a new one is made.
inline constexpr int Behalten = 10;
// The dated copies in the data folder, oldest first, as full paths.
QStringList Liste(const QString &datenordner);
} // namespace Sicherungen

// What a new history would drop from the stored one.
struct Historienvergleich
{
    QString fehler;                // the stored history could not be read: nothing may replace it
    int fehlend = 0;               // stored draws whose date the new history lacks
    QVector<double> fehlendeDaten; // their dates, each once, in the order of the stored file
    double neuestesFehlendes = 0;  // the newest of them (0 when none is a number)
};

// Sets `neu` (file bytes) against the stored history.
Historienvergleich HistorieVergleichen(const QVector<TGewZahlen> &bisher, const QVector<TGewZahlen> &neu);
// The same against the history file in `datenordner` (none: nothing is lost).
Historienvergleich HistorieVergleichen(const QString &datenordner, const QByteArray &neu);

// Puts a new history in place of the draw history file in `datenordner`. Refused when the stored
// file can't be read or when the new one lacks a stored date that is not among `darfFehlen`
// (the dates the user agreed to lose), and when it would hold more than MaxZiehungen draws, so
// that the history stays readable. Otherwise the stored file is kept first: as the backup
// unless a backup exists already, and as a dated copy in `Sicherungen` (unless the newest copy
// holds the same), then the new one replaces it in one step; a history the same as the stored
// one changes nothing. On any error the history file is left exactly as it was. Returns a German
// description of the cause, empty on success.
QString GZUebernehmen(const QString &datenordner, const QByteArray &daten, const QVector<double> &darfFehlen = {});

// The draw entry's save: the whole history with one draw added or changed. It may drop no stored
// date nor pass MaxZiehungen, and keeps no copy (it changes one draw, which the user sees on screen).
QString GZEintragSpeichern(const QString &datenordner, const QVector<TGewZahlen> &ziehungen);
