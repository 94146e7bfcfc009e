// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A draw history file of any content: loaded, written back byte for byte, its dates shown as
// the date lists and the table show them, and run through the statistics and an evaluation,
// none of which may touch memory outside their tables.

#include "Fuzzdatei.h"

#include "evaluation/Gewinnauswertung.h"
#include "model/Datum.h"
#include "model/Ziehungsdatei.h"
#include "statistics/Statistik.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QString datei = alsDatei(daten, groesse, QStringLiteral("GReihen.qtgz"));
    const Ladeergebnis geladen = GZEinlesen(datei);
    if (geladen.status != Ladestatus::Geladen)
        return 0;
    Zustand zustand;
    zustand.Ziehungen = geladen.ziehungen;
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);

    const QString zurueck = datei + QStringLiteral(".neu");
    if (!GZSpeichern(zurueck, zustand.Ziehungen).isEmpty())
        std::abort();
    QFile f(zurueck);
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    const std::size_t ganze = groesse / TGewZahlen::Groesse * TGewZahlen::Groesse;
    if (f.readAll() != QByteArray(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(ganze)))
        std::abort();

    // A damaged date (any double) gives an empty text or a date that reads back as the same day.
    for (const TGewZahlen &z : std::as_const(zustand.Ziehungen)) {
        const QString text = Datum::kurz(z.datum, zustand.Formateinstellungen);
        const QDate tag = Datum::zuDatum(z.datum);
        if (text.isEmpty() != !tag.isValid())
            std::abort();
        if (tag.year() >= 1 && tag.year() <= 9999 && Datum::ausKurz(text, zustand.Formateinstellungen) != tag)
            std::abort();
    }

    StatistikStart(zustand);
    const int n = static_cast<int>(zustand.Ziehungen.size());
    TeilStatistik(zustand, 0, n - 1);
    Haeufigkeitsreihenfolge(zustand.Haeufigkeiten);
    Ausgeblieben(zustand, 0, n - 1);

    const QVector<Tippreihe> reihen{{{1, 2, 3, 4, 5}, 1}, {{45, 46, 47, 48, 49}, 10}};
    const Auswertungsergebnis e = GewinnAuswertung(zustand, reihen, 3, 1, n - 1, 0, true);
    for (int z = 0; z < static_cast<int>(e.zeilen.size()) && z < 50; ++z)
        for (int s = 0; s < ErgebnisSpalten; ++s)
            Ergebnistext(e, z, s);
    return 0;
}
