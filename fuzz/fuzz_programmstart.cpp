// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings file of any content, used as the start uses it: the price of a row with its
// rewrite of an old cents value, and the remembered ticket files to open.

#include "Fuzzdatei.h"

#include "model/Einstellungen.h"
#include "model/Starteinstellungen.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QString datei = alsDatei(daten, groesse, QStringLiteral("Einstellungen.ini"));
    const QByteArray vorher(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    Einstellungen e(datei);
    static const QLocale deutsch(QLocale::German, QLocale::Germany);

    const Preiswahl wahl = PreisAuswerten(e.LeseText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"),
                                                     QStringLiteral("200,00")),
                                          deutsch);
    if (!(wahl.reihenpreis > 0.0F) || !std::isfinite(wahl.reihenpreis))
        std::abort();
    if (wahl.neuerText) {
        if (!e.SchreibeText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), *wahl.neuerText))
            std::abort();
        if (!nurDieseZeileGeaendert(vorher, dateiinhalt(datei), "Abrechnung", "Preis=" + wahl.neuerText->toUtf8()))
            std::abort();
        // The rewritten price is a usable one and is not rewritten again.
        const Preiswahl wieder = PreisAuswerten(e.LeseText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QString()), deutsch);
        if (wieder.neuerText || wieder.reihenpreis != 2.0F)
            std::abort();
    }

    e.LeseFlag(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), false);
    const GemerkteScheine gemerkt = GemerkteDateien(e);
    // Never more files than the count and the lines of the file allow, and none without a name.
    if (gemerkt.pfade.size() > std::max(gemerkt.anzahl, 0) || gemerkt.pfade.size() > vorher.count('\n') + 1)
        std::abort();
    for (const QString &pfad : gemerkt.pfade)
        if (pfad.isEmpty())
            std::abort();
    return 0;
}
