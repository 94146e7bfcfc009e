// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// What a call of the command line asks for: the command, its arguments and options.

// Exit status: done, refused (a file, the data or the lock said no), or a wrong call.
enum Rueckgabe { Erfolg = 0, Abgelehnt = 1, Aufruffehler = 2 };

struct Aufruf
{
    QString befehl;                   // "auswerten", "statistik", "zufall", "gewinnreihen"
    QStringList argumente;            // what follows the command, options taken out
    QHash<QString, QString> optionen; // option name without "--" and its value ("" for a switch)
    QList<std::pair<QString, QString>> folge; // the same options in the order given, repeats included
    QString datenordner;              // --daten, or the user's data folder
    QString datenordnerAngabe;        // --daten as given
    bool json = false;
    bool hilfe = false;
    bool version = false;
    QString fehler; // German message of a wrong call

    bool hat(const QString &name) const { return optionen.contains(name); }
    QString wert(const QString &name) const { return optionen.value(name); }
};

// `argumente` without the program's name. Options may stand anywhere, also before the command,
// as "--name WERT" or "--name=WERT"; "--" ends them.
Aufruf AufrufLesen(const QStringList &argumente);

// The usage text of --help.
QString Hilfetext();

// A date as "yyyy-MM-dd" or "dd.MM.yyyy"; nullopt for anything else.
std::optional<QDate> DatumLesen(const QString &text);

// The options --von and --bis of a call as dates, each only when given.
struct Datumsgrenzen
{
    std::optional<QDate> von;
    std::optional<QDate> bis;
    QString fehler; // German message when a value is no date
};
Datumsgrenzen DatumsgrenzenLesen(const Aufruf &aufruf);

// A whole number written in decimal digits, of any length: one beyond the range of qint64 is
// read as its largest value, so a limit can still be told. nullopt for anything else.
std::optional<qint64> GanzzahlLesen(const QString &text);

// A whole number in `von`..`bis` written in decimal digits; nullopt otherwise.
std::optional<int> ZahlLesen(const QString &text, int von, int bis);
