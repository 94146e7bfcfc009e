// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A settings file of any content, and one write to it chosen by the first byte. The value must
// read back, and every line the write did not touch must keep its bytes.

#include "Fuzzdatei.h"

#include "model/Einstellungen.h"

#include <array>
#include <cstdlib>

namespace {
struct Schreibvorgang
{
    const char *abschnitt;
    const char *schluessel;
    const char *wert;
};

constexpr std::array<Schreibvorgang, 5> Vorgaenge{{
    {"Abrechnung", "Preis", "2,00"},
    {"Spielscheine", "Merken", "1"},
    {"Spielscheine", "Datei2", "/home/jörg/Größe, Maß.qtt"},
    {"Zufall", "Favoriten", ""},
    {"Spielscheine", nullptr, nullptr}, // the section removed
}};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    const Schreibvorgang &v = Vorgaenge[daten[0] % Vorgaenge.size()];
    const QString datei = alsDatei(daten + 1, groesse - 1, QStringLiteral("Einstellungen.ini"));
    const QByteArray vorher(reinterpret_cast<const char *>(daten + 1), static_cast<qsizetype>(groesse - 1));
    Einstellungen e(datei);
    const QString abschnitt = QString::fromUtf8(v.abschnitt);
    e.LeseZahl(abschnitt, QStringLiteral("Dateienanzahl"), 0);
    e.LeseFlag(abschnitt, QStringLiteral("Merken"), false);
    e.LeseAbschnitt(abschnitt);

    if (!v.schluessel) {
        if (!e.LoescheAbschnitt(abschnitt) || !nurZeilenEntfernt(vorher, dateiinhalt(datei)))
            std::abort();
        return 0;
    }
    const QString schluessel = QString::fromUtf8(v.schluessel);
    const QString wert = QString::fromUtf8(v.wert);
    if (!e.SchreibeText(abschnitt, schluessel, wert))
        std::abort();
    if (e.LeseText(abschnitt, schluessel, QStringLiteral("fehlt")) != wert)
        std::abort();
    const QByteArray zeile = (schluessel + QLatin1Char('=') + wert).toUtf8();
    if (!nurDieseZeileGeaendert(vorher, dateiinhalt(datei), abschnitt.toUtf8(), zeile))
        std::abort();
    return 0;
}
