// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed or pasted text of any content, tidied and checked as the entry window does it; the first
// byte answers the blanks question. A row handed on must be a proper tip row.

#include "entry/Tippreihentext.h"
#include "model/Spiel.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    const auto antwort = static_cast<Leerzeichenantwort>(daten[0] % 3);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(daten + 1), static_cast<qsizetype>(groesse - 1));
    int fragen = 0;
    const QStringList zeilen = TextAufbereiten(text.split(QLatin1Char('\n')), [&] {
        ++fragen;
        return antwort;
    });
    if (fragen > 1)
        std::abort();
    const Reihenpruefung p = ReihenPruefen(zeilen);
    if (!p.fehler.isEmpty() && !p.reihen.isEmpty())
        std::abort();
    if (p.fehler.isEmpty() && p.reihen.size() != zeilen.size())
        std::abort();
    for (const GepruefteReihe &r : p.reihen) {
        for (int i = 0; i < ZahlenProReihe; ++i)
            if (!istZahl(r[static_cast<std::size_t>(i)]))
                std::abort();
        if (!istZusatzzahl(r[5]))
            std::abort();
    }
    return 0;
}
