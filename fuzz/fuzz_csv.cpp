// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A CSV file of any content, read into a tip-row table as the entry window does it.

#include "Fuzzdatei.h"

#include "entry/Tabellenformate.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    TextTabelle tabelle(7, 51);
    const TextTabelle vorher = tabelle;
    const CSVErgebnis e = CSVEinlesen(tabelle, alsDatei(daten, groesse, QStringLiteral("reihen.csv")));
    if (!e.fehler.isEmpty() && !(tabelle == vorher))
        std::abort();
    if (e.fehler.isEmpty() && (tabelle.zeilen() != std::max(e.zeilen, 1) + 1 || tabelle.spalten() != 7))
        std::abort();
    return 0;
}
