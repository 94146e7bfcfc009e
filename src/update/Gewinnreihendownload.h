// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Gewinnreihenschutz.h"
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
// longer than a data file may be, every record a possible draw with five different numbers, and
// the dates strictly ascending. Returns why not, empty when it can.
QString GZPruefen(const QByteArray &daten);

// The most recent day with the given weekday (1 Sunday, 2 Monday, ..., 7 Saturday). Today counts
// only once more than 6/7 of it has passed (after 20:34:17), before that the search starts
// yesterday.
QDate LetzterZiehungstag(int wochentag, const QDateTime &jetzt);
// The same in the short date format.
QString LetzterZiehungstag(int wochentag, const QDateTime &jetzt, const QLocale &locale);
