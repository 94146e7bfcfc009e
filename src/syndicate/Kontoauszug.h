// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnbericht.h"
#include "syndicate/Gemeinschaft.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

// A member's statement for a period: the balance at its start and end, every entry that moved
// the member's balance with the member's part, and the member's parts of every win. And the
// overview of all members for the organiser. Both as reports the shared print routine lays out.

struct Auszugszeile
{
    Eintrag eintrag;
    Cent teil = 0;  // the member's part, signed as it moves the balance
    Cent saldo = 0; // the balance after it
};

struct Kontoauszug
{
    QString gemeinschaft;
    QString mitglied;
    int anteile = 0; // on the last day of the period
    QDate von;
    QDate bis;
    Cent anfang = 0; // balance before the first day
    Cent ende = 0;   // balance after the last day
    QVector<Auszugszeile> zeilen;
    QVector<Auszugszeile> gewinne; // the "Gewinn" entries of the period (and their cancellations)
};

// Reads the statement of the member named `mitglied` for von..bis (both days included).
QString KontoauszugLesen(const Gemeinschaft &gemeinschaft, const QString &mitglied, const QDate &von, const QDate &bis,
                         Kontoauszug &auszug);

Gewinnbericht KontoauszugBericht(const Kontoauszug &auszug, const QDate &heute, const QLocale &locale);

// Every member's account on `stichtag`, with the syndicate's cash.
Gewinnbericht UebersichtBericht(const QString &gemeinschaft, const Kontenstand &stand, const QDate &stichtag,
                                const QDate &heute, const QLocale &locale);
