// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Version.h"

#include <QString>

#include <array>
#include <cstdint>

// The game: five different numbers of 1..MaxZahl and one Zusatzzahl of 1..MaxZusatzzahl per draw.
inline constexpr int MaxZahl = 49;
inline constexpr int ZahlenProReihe = 5;
inline constexpr int MaxZusatzzahl = 10;

// Number of distinct rows of five numbers out of 49.
inline constexpr std::int32_t AlleReihen = 1906884;

// Number of different combinations of 2, 3 and 4 numbers out of 1..49.
inline constexpr std::array<int, 3> KombiAnzahl{1176, 18424, 211876};
inline constexpr int kombiAnzahl(int k) { return KombiAnzahl[static_cast<std::size_t>(k - 2)]; }

inline constexpr bool istZahl(int n) { return n >= 1 && n <= MaxZahl; }
inline constexpr bool istZusatzzahl(int n) { return n >= 1 && n <= MaxZusatzzahl; }

inline const QString Programmname = QStringLiteral("Quintaro Analyser");
inline const QString Programmversion = QStringLiteral(QUINTARO_VERSION);
// The name of the menu entry without ".desktop".
inline const QString Anwendungskennung = QStringLiteral(QUINTARO_ANWENDUNG);

// Joins the two parts of a message with an empty line between them.
inline const QString Absatz = QStringLiteral("\n\n");

inline QString Fenstertitel() { return Programmname + QLatin1Char(' ') + Programmversion; }

namespace Dateinamen {
inline const QString Gewinnreihen = QStringLiteral("GReihen.qtgz");
inline const QString Sicherung = QStringLiteral("GZ.549.bak");
inline const QString Einstellungen = QStringLiteral("Einstellungen.ini");
inline const QString DemoTippschein = QStringLiteral("Demo-Tippschein.qtt");
inline const QString Hilfe = QStringLiteral("Quintaro Analyser.chm");
} // namespace Dateinamen
