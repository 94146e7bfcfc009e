// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A ticket file of any content: read into a grid, evaluated, saved and read again. What is
// saved must read back as the same rows and shares, and a file whose records already agree on
// the shares must be saved byte for byte.

#include "Fuzzdatei.h"

#include "evaluation/Gewinnauswertung.h"
#include "model/Records.h"
#include "model/Tippscheindatei.h"

#include <cstdlib>

namespace {
const Textmesser Breite = [](const QString &t) { return static_cast<int>(t.size()) * 6; };

struct Schein
{
    TextTabelle tabelle{TippreihenSpalten, 1};
    QString antGes = QStringLiteral("1");
    QString antMeine = QStringLiteral("1");
    QString fehler;
};

Schein lesen(const QString &datei)
{
    Schein s;
    KopfTippreihen(s.tabelle, 45, Breite);
    s.fehler = ScheinEinlesen(s.tabelle, s.antGes, s.antMeine, datei, Breite);
    return s;
}

// The records agree on the shares, and these are shares the program may save as they are.
bool einheitlicheAnteile(const std::uint8_t *daten, std::size_t groesse)
{
    const std::size_t anzahl = groesse / TNormalSchein::Groesse;
    if (anzahl == 0)
        return false;
    const TNormalSchein erste = TNormalSchein::ausBytes(reinterpret_cast<const char *>(daten));
    if (erste.AntGes == 0 || erste.AntGes < erste.Antmeine)
        return false;
    for (std::size_t i = 1; i < anzahl; ++i) {
        const TNormalSchein r = TNormalSchein::ausBytes(reinterpret_cast<const char *>(daten + i * TNormalSchein::Groesse));
        if (r.AntGes != erste.AntGes || r.Antmeine != erste.Antmeine)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QString datei = alsDatei(daten, groesse, QStringLiteral("schein.qtt"));
    const Schein gelesen = lesen(datei);
    if (!gelesen.fehler.isEmpty())
        return 0;

    Zustand zustand;
    zustand.Formateinstellungen = QLocale(QLocale::German, QLocale::Germany);
    TGewZahlen z;
    z.GZ = {1, 2, 3, 4, 5};
    z.bonus = 1;
    zustand.Ziehungen = {z, z};
    const Auswertungsergebnis e =
        GewinnAuswertung(zustand, TippreihenAusTabelle(gelesen.tabelle), AnteilAusText(gelesen.antGes).value_or(1),
                         AnteilAusText(gelesen.antMeine).value_or(1), 1, 0, true);
    KennzahlenTexte(e, zustand.Formateinstellungen);

    const QString zurueck = datei + QStringLiteral(".zurueck.qtt");
    const QString fehler = ScheinDateiSchreiben(gelesen.tabelle, gelesen.antGes, gelesen.antMeine, zurueck);
    if (!fehler.isEmpty()) {
        // Only an empty ticket or shares the program must not save are refused.
        if (!ScheinLeer(gelesen.tabelle) && AnteilAusText(gelesen.antGes) >= AnteilAusText(gelesen.antMeine))
            std::abort();
        return 0;
    }
    const Schein wieder = lesen(zurueck);
    if (!wieder.fehler.isEmpty() || !(wieder.tabelle == gelesen.tabelle) || wieder.antGes != gelesen.antGes
        || wieder.antMeine != gelesen.antMeine)
        std::abort();
    if (einheitlicheAnteile(daten, groesse)) {
        const std::size_t ganze = groesse / TNormalSchein::Groesse * TNormalSchein::Groesse;
        if (dateiinhalt(zurueck) != QByteArray(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(ganze)))
            std::abort();
    }
    return 0;
}
