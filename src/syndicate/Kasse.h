// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnauswertung.h"
#include "syndicate/Cent.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

// The records of a syndicate as the program reads them from its file.

// The kinds of ledger entries, by the way they move a member's balance.
enum class Art { Einzahlung, Einsatz, Gewinn, Auszahlung, Ausgabe, Storno };
inline constexpr int Artenanzahl = 6;

QString ArtText(Art art);
std::optional<Art> ArtAusText(const QString &text);
// +1 for what raises a balance (paid in, winnings), -1 for what lowers it.
int ArtVorzeichen(Art art);

struct Mitglied
{
    qint64 id = 0;
    QString name;
    QString email;
    QString notiz;
    QDate eintritt;
    QDate austritt; // invalid while the member stays
    // The shares, each valid from its date on; sorted by date, the first on the joining date.
    QVector<std::pair<QDate, int>> anteile;

    // A member takes part in the draws on or after joining and before leaving.
    bool dabeiAm(const QDate &tag) const { return tag >= eintritt && (!austritt.isValid() || tag < austritt); }
    // The shares of that day; 0 when not a member then.
    int anteileAm(const QDate &tag) const;
};

struct Schein
{
    qint64 id = 0;
    QString name; // the file name as added, without its folder
    QDate ab;
    QDate bis; // removal date, invalid while played
    QVector<Tippreihe> reihen;

    bool gespieltAm(const QDate &tag) const { return tag >= ab && (!bis.isValid() || tag < bis); }
};

struct Teil
{
    qint64 mitgliedId = 0;
    QString mitglied;
    Cent betrag = 0;
};

struct Eintrag
{
    qint64 nr = 0; // 0 for an entry only planned (a preview)
    QDate datum;
    Art art = Art::Einzahlung;
    qint64 mitgliedId = 0; // the one member of an entry that is not split; 0 otherwise
    QString mitglied;
    Cent betrag = 0;
    QString text;
    qint64 storniert = 0;           // on a "Storno": the entry it cancels
    Art stornoArt = Art::Storno;    // on a "Storno": the kind it counts against
    qint64 storniertDurch = 0;      // the "Storno" that cancelled this entry, 0 when none did
    QDate ziehung;                  // the draw a settling booked this for
    QDateTime gebucht;
    QVector<Teil> teile; // every member it moves, with the part; one for an entry of one member

    // The kind whose sum it counts in: its own, or for a "Storno" the cancelled entry's.
    Art zaehltAls() const { return art == Art::Storno ? stornoArt : art; }
    bool geteilt() const { return mitgliedId == 0; }
};

// Which entries a ledger view shows.
struct Kassenfilter
{
    std::optional<qint64> mitgliedId; // entries that move this member
    std::optional<Art> art;
    QDate von; // invalid: open
    QDate bis;
};

struct Konto
{
    qint64 mitgliedId = 0;
    QString name;
    int anteile = 0; // valid on the day asked for
    Cent eingezahlt = 0;
    Cent einsatz = 0;
    Cent ausgaben = 0;
    Cent gewinn = 0;
    Cent ausgezahlt = 0;

    Cent saldo() const { return eingezahlt - einsatz - ausgaben + gewinn - ausgezahlt; }
    void buche(Art zaehltAls, Cent betrag, int vorzeichen);
};

struct Kontenstand
{
    QVector<Konto> konten; // in the order of the members list
    Cent kasse = 0;        // the sum of the balances
    QDate abgerechnetBis;  // the newest booked draw; invalid when none
};
