// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Tippreihentext.h"
#include "model/Spiel.h"
#include "model/Textzellen.h"

#include <QString>
#include <QStringList>

#include <functional>

// The rules behind the commands of the ticket entry window, on its text lines and tables.

inline const QString MeldungTextfeldLeer = QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu \u00FCbertragen.") +
                                           Absatz + QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungNichtsZuErgaenzen =
    QStringLiteral("Das Textfeld ist leer. Es gibt somit nichts zu erg\u00E4nzen.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungZusatzzahlFehlt =
    QStringLiteral("Bitte geben Sie die Zusatzzahl an, die erg\u00E4nzt werden soll.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungZusatzzahlUngueltig =
    QStringLiteral("Bitte geben als Zusatzzahl eine Zahl aus dem Wertebereich 1 bis 10 an.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungNichtsZuUebertragen =
    QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu \u00FCbertragen.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");

// Rows of the entry window's grids at start, the header row included.
constexpr int EingabeStartzeilen = 50;

// Starting at row 1, the number of consecutive rows whose column 1 is not empty.
int BelegteZeilen(const TextTabelle &tabelle);

// What a number button appends to the text whose last line is `letzteZeile` (empty after a final
// line break): the number and "," or, as the fifth number of a row, the number and a line break.
// A typed line that does not end with "," first gets a line break when it holds five or more
// numbers already, otherwise a ",", so the button's digits never join a typed number.
QString ZahlenknopfText(const QString &letzteZeile, int zahl);

// Puts the checked rows into the table, the five numbers ascending: from row 1 on when
// `ueberschreiben`, otherwise after the filled rows. The table ends after the last new row.
void ReihenEintragen(TextTabelle &tabelle, const QVector<GepruefteReihe> &reihen, bool ueberschreiben);

// Appends "," and a Zusatzzahl to every line that holds exactly four commas; other lines stay.
void ZusatzzahlenErgaenzen(QStringList &zeilen, const std::function<QString()> &zusatzzahl);

// The fixed Zusatzzahl as typed: the message that refuses it, or empty when it is 1..10.
QString FixeZusatzzahlPruefen(const QString &text);

// The rows 1.. of a table as lines of the text field: its cells joined by ",", a cell with a
// blank, comma, quote or control character in quotes. The lines are not checked here.
QStringList TabelleAlsTextzeilen(const TextTabelle &tabelle);
