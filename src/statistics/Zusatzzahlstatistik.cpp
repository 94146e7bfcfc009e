// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/Zusatzzahlstatistik.h"

#include <algorithm>

Zusatzzahlauswertung Zusatzzahlen(const QVector<TGewZahlen> &ziehungen, int von, int bis)
{
    Zusatzzahlauswertung a;
    const int erste = std::max(von, 0);
    const int letzte = std::min(bis, static_cast<int>(ziehungen.size()) - 1);
    a.ziehungen = std::max(letzte - erste + 1, 0);
    std::array<bool, MaxZusatzzahl + 1> gesehen{};
    for (int z = 1; z <= MaxZusatzzahl; ++z)
        a.zeilen[static_cast<std::size_t>(z - 1)] = {z, 0, a.ziehungen};
    // Walking back from the newest draw, the first sighting of a Zusatzzahl fixes its gap.
    for (int i = letzte; i >= erste; --i) {
        const int z = ziehungen.at(i).bonus;
        if (!istZusatzzahl(z))
            continue;
        Zusatzzahlzeile &zeile = a.zeilen[static_cast<std::size_t>(z - 1)];
        ++zeile.anzahl;
        if (!gesehen[static_cast<std::size_t>(z)]) {
            gesehen[static_cast<std::size_t>(z)] = true;
            zeile.ausgeblieben = letzte - i;
        }
    }
    return a;
}
