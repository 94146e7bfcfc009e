// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Clipboard text of any content, taken as a draw onto the number buttons' choice.

#include "model/Ziehungseingabe.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const auto zeilen = Zwischenablagezeilen(text);
    if (!zeilen)
        return 0;
    Zahlenauswahl auswahl;
    for (int i = 0; i < zeilen->size(); ++i) {
        const Zeilenwert wert = ZwischenablagezeileLesen(zeilen->at(i), i);
        if (!wert.fehler.isEmpty())
            break;
        auswahl.BLotAuswerten(wert.tag);
    }
    if (auswahl.GZAnzahl() < 0 || auswahl.GZAnzahl() > ZahlenProReihe)
        std::abort();
    return 0;
}
