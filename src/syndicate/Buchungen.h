// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "syndicate/Gemeinschaftsdatei.h"
#include "syndicate/Kasse.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

// What the syndicate's own routines share: reading members and entries, splitting an amount over
// the members of a day, and writing an entry with its parts.
namespace Buchungen {

QString iso(const QDate &tag);
QDate ausIso(const QString &text);
// "15.01.2024": the form of dates inside the texts of entries, the same for every member.
QString tagText(const QDate &tag);

QString mitgliederLesen(const Gemeinschaftsdatei &datei, QVector<Mitglied> &mitglieder);
QString scheineLesen(const Gemeinschaftsdatei &datei, QVector<Schein> &scheine);
QString abgerechnetBis(const Gemeinschaftsdatei &datei, QDate &bis);
// The entries of the ledger; with `nurNr` only that one.
QString eintraegeLesen(const Gemeinschaftsdatei &datei, QVector<Eintrag> &eintraege, qint64 nurNr = 0);

// The parts of `betrag` for the members of `tag` by their shares of that day. Refuses a day
// without members.
QString teilen(const QVector<Mitglied> &mitglieder, const QDate &tag, Cent betrag, QVector<Teil> &teile);

// Appends the entry and its parts; sets its number and booking time. Only inside a change.
QString schreiben(const Gemeinschaftsdatei &datei, Eintrag &eintrag);

// The "Storno" of `eintrag`, dated `tag`: its amount and parts, counting against its kind.
Eintrag gegenbuchung(const Eintrag &eintrag, const QDate &tag, const QString &text);

QString keineMitgliederText(const QDate &tag);

} // namespace Buchungen
