// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A file of any content imported as draws against a small history, as the import does it: a
// message alone, or draws that are all possible ones and a history that stays in date order.

#include "Fuzzdatei.h"

#include "entry/Gewinnreihendatei.h"
#include "model/Datum.h"

#include <QDate>

#include <cstdlib>

namespace {
bool moeglich(const TGewZahlen &z)
{
    Zahlenmenge gesehen;
    for (const std::uint8_t n : z.GZ) {
        if (n < 1 || n > 49 || gesehen.enthaelt(n))
            return false;
        gesehen.hinzu(n);
    }
    return z.bonus >= 1 && z.bonus <= 10;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    static const QVector<TGewZahlen> historie = [] {
        QVector<TGewZahlen> h;
        for (int i = 0; i < 3; ++i) {
            TGewZahlen z;
            z.datum = Datum::ausDatum(QDate(2024, 1, 1).addDays(7 * i));
            z.GZ = {1, 2, 3, 4, static_cast<std::uint8_t>(5 + i)};
            z.bonus = 1;
            h << z;
        }
        return h;
    }();
    const Gewinnreihenimport i =
        GewinnreihenLesen(alsDatei(daten, groesse, QStringLiteral("ziehungen.csv")), historie, deutsch);
    if (!i.meldung.isEmpty() && (i.aendertEtwas() || !i.fehler.isEmpty() || i.gleiche != 0))
        std::abort();
    for (const TGewZahlen &z : i.neue)
        if (!moeglich(z))
            std::abort();
    for (const Abweichung &a : i.abweichende)
        if (a.index < 0 || a.index >= historie.size() || !moeglich(a.neu) || a.neu.datum != historie[a.index].datum)
            std::abort();
    for (const bool ersetzen : {false, true}) {
        const QVector<TGewZahlen> neu = GewinnreihenUebernehmen(historie, i, ersetzen);
        if (neu.size() != historie.size() + i.neue.size())
            std::abort();
        for (qsizetype k = 1; k < neu.size(); ++k)
            if (neu[k - 1].datum > neu[k].datum)
                std::abort();
    }
    return 0;
}
