// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnauswertung.h"
#include "generator/Zufallsgenerator.h"
#include "systems/System.h"

#include <QList>
#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// A way of playing, as the strategy test plays it forward draw by draw.

enum class Strategieart {
    Schein,  // "Fester Schein": the rows of a ticket, unchanged every draw
    System,  // "System": a full or abbreviated system of chosen numbers, unchanged every draw
    Zufall,  // "Zufallsreihen": fresh rows from the generator every draw
    Regel    // "Statistikregel": a system of the numbers a statistic ranks first before each draw
};

enum class Rangfolge {
    Haeufigste,  // most often drawn in the window
    Seltenste,   // least often drawn
    Ausgeblieben // most draws since last drawn; never drawn in the window counts as the longest
};

inline constexpr int MinRegelzahlen = 6;
inline constexpr int MaxRegelzahlen = 12;
inline constexpr int MinFenster = 10;
// Moves of a system search when nothing else is asked for: enough for the usual guarantees of
// up to a dozen numbers to reach or come close to their lower bound, and the same every time.
inline constexpr std::int64_t VorgabeSchritte = 200'000;

struct Strategie
{
    Strategieart art = Strategieart::Schein;
    QString name; // empty: StandardName

    // Schein: the file is kept as a path; its rows and shares are read when the test starts.
    // Rows taken from an open ticket tab live in no file: `datei` stays empty, `tab` names the
    // tab, and the rows themselves are kept (also in the settings).
    QString datei;
    QString tab;
    QVector<Tippreihe> reihen;
    int antGes = 1;
    int antMeine = 1;

    // System: the chosen numbers. System and Regel: the guarantee (none: the full system) and
    // the budget of its search.
    std::vector<int> zahlen;
    std::optional<Garantie> garantie;
    std::int64_t schritte = VorgabeSchritte;

    // System, Zufall, Regel: the Zusatzzahl of every row, 0 for one drawn from the start value.
    std::uint8_t festeZusatzzahl = 0;

    // Zufall: rows per draw (ZufReihenAnz), bank numbers, killers, favourites and filters. Its
    // festeZusatzzahl text is set from the field above.
    Zufallsvorgaben vorgaben;

    // Regel: which numbers, how many (6..12) and over how many earlier draws (0: all).
    Rangfolge rangfolge = Rangfolge::Haeufigste;
    int anzahl = MinRegelzahlen;
    int fenster = 50;
};

// "Fester Schein", "System", "Zufallsreihen", "Statistikregel".
QString ArtText(Strategieart art);
// "häufigste", "seltenste", "am längsten ausgeblieben".
QString RangfolgeText(Rangfolge rangfolge);

// The name shown when the player gave none, e.g. "Statistikregel: 8 häufigste aus 50".
QString StandardName(const Strategie &strategie);
inline QString Anzeigename(const Strategie &s) { return s.name.trimmed().isEmpty() ? StandardName(s) : s.name; }

// A "Fester Schein" whose rows live in the strategy itself (taken from an open ticket tab).
inline bool ReihenImSchein(const Strategie &s) { return s.art == Strategieart::Schein && s.datei.isEmpty(); }

// Reads the rows and shares of the ticket file `datei` into a "Fester Schein"; the German message
// when the file is missing or cannot be read (the strategy then keeps no rows).
QString ScheinLaden(Strategie &strategie);

// Why the strategy cannot be played (German), empty when it can. A ticket is checked by its rows,
// so read it first.
QString StrategiePruefen(const Strategie &strategie);

// The strategy as "key=value" pairs for the settings file and back. The rows of a ticket are not
// kept, only its path. A text that is no strategy gives nullopt.
QList<std::pair<QString, QString>> StrategieAlsEintraege(const Strategie &strategie);
std::optional<Strategie> StrategieAusEintraegen(const QList<std::pair<QString, QString>> &eintraege);

// One line of the settings file: the pairs joined by ";" with "\" escaping ";" and "\".
QString EintraegeAlsZeile(const QList<std::pair<QString, QString>> &eintraege);
QList<std::pair<QString, QString>> EintraegeAusZeile(const QString &zeile);
