// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

// Turning typed or pasted text into tip rows: first the text is tidied into lines of
// comma-separated numbers, then every line is checked and becomes one row.

// How often `zeichen` occurs in `text`.
int ZeichenAnzahl(QChar zeichen, const QString &text);

enum class Leerzeichenantwort { Ja, Nein, Abbrechen };

// The question put to the user when blanks remain whose role is unclear.
extern const QString Leerzeichenfrage;

// Rewrites the lines into comma-separated numbers: trims them, drops empty lines and the field
// labels of the broker's e-mails ("Feld 1:" …), turns tabs (in e-mail texts), semicolons and, when
// `frage` answers Ja, blanks into commas. `frage` is called at most once, and only when a blank is
// left after the fixed rewriting; Abbrechen returns the lines as they stand at that moment.
QStringList TextAufbereiten(QStringList zeilen, const std::function<Leerzeichenantwort()> &frage);

// One checked row in the order of the line: five tip numbers, then the Zusatzzahl.
using GepruefteReihe = std::array<int, 6>;

struct Reihenpruefung
{
    QVector<GepruefteReihe> reihen; // one per line when `fehler` is empty
    QString fehler;            // the message of the first fault found
};

// Checks the lines in four passes over all of them (comma count, numbers, ranges, distinct
// numbers); the first fault ends the check and no row is handed on.
Reihenpruefung ReihenPruefen(const QStringList &zeilen);

// The fields of a line split at its commas, a field in double quotes keeping its commas and
// giving "" for a doubled quote. A trailing comma gives an empty last field; an empty line none.
QStringList FelderZerlegen(const QString &zeile);

// A whole number as the user may write it: leading blanks, a sign, decimal digits to the end,
// or a hexadecimal form after "$", "x" or "0x"; within 32 bits. nullopt for anything else.
std::optional<int> GanzeZahlLesen(const QString &text);
