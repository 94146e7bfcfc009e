// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "syndicate/Gemeinschaft.h"

#include <QDate>
#include <QString>
#include <QVector>

// Settling ("Abrechnen bis …"): for every draw the syndicate played up to a date and has not
// booked yet, one "Einsatz" (rows × price) and, when it won, one "Gewinn" by the program's own
// evaluation, each split over the members of that day. A draw corrected in the history since it
// was booked gets counter-entries and new entries; a draw not yet in the history is listed as
// not drawn and booked by a later settling.
struct Abrechnungsergebnis
{
    QString fehler;
    QVector<Eintrag> eintraege;  // booked, or with `vorschau` only planned (numbers 0)
    QVector<QDate> nichtGezogen; // played dates after the newest draw of the history
    int ziehungen = 0;           // draws booked (or to be booked)
    int korrigiert = 0;          // of them, draws booked anew after a correction
};

// `ziehungen` is the draw history (oldest first), `reihenpreisCent` the price of a row.
Abrechnungsergebnis Abrechnen(Gemeinschaft &gemeinschaft, const QVector<TGewZahlen> &ziehungen, const QDate &bis,
                              Cent reihenpreisCent, bool vorschau);

// Members whose balance is less than their parts of the stakes of the next `anzahl` played
// draws after the newest booked one (the dates the history has, then weekly on).
struct OffenerEinsatz
{
    QString name;
    Cent saldo = 0;
    Cent benoetigt = 0; // their parts of those stakes
};
QString OffeneEinsaetze(Gemeinschaft &gemeinschaft, const QVector<TGewZahlen> &ziehungen, Cent reihenpreisCent,
                        int anzahl, QVector<OffenerEinsatz> &offen);
