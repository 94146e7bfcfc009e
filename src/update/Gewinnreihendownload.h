#pragma once

#include "model/Records.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// A record that can be a draw at all: five numbers of 1..49, a Zusatzzahl of 1..10 and a whole
// calendar day. Odd but possible records (numbers out of order or twice, any fill) pass.
bool KannZiehungSein(const TGewZahlen &ziehung);

// Whether a downloaded body can be a draw history: at least one record, whole records only, no
// longer than a data file may be, and every record a possible draw. Returns why not, empty when
// it can.
QString GZPruefen(const QByteArray &daten);

// Puts a checked history in place of the draw history file in `datenordner`: the old file is kept
// as the backup first unless a backup exists already, then the new one replaces it in one step.
// On any error the history file is left exactly as it was. Returns the system's description of
// the error, empty on success.
QString GZUebernehmen(const QString &datenordner, const QByteArray &daten);

// The most recent day with the given weekday (1 Sunday, 2 Monday, ..., 7 Saturday). Today counts
// only once more than 6/7 of it has passed (after 20:34:17), before that the search starts
// yesterday.
QDate LetzterZiehungstag(int wochentag, const QDateTime &jetzt);
// The same in the short date format.
QString LetzterZiehungstag(int wochentag, const QDateTime &jetzt, const QLocale &locale);
