// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "strategy/Strategie.h"

#include <QString>
#include <QVector>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// A row or a draw packed into one word: bits 1..49 its numbers, the top byte its Zusatzzahl.
// A row without a proper Zusatzzahl carries KeineReihenZusatzzahl, a draw without one
// KeineZiehungsZusatzzahl, so the two never match.
using Reihenwort = std::uint64_t;
inline constexpr int ZusatzzahlStelle = 56;
inline constexpr Reihenwort Spielzahlbits = ((Reihenwort{1} << MaxZahl) - 1) << 1;
inline constexpr std::uint8_t KeineReihenZusatzzahl = 0xFF;
inline constexpr std::uint8_t KeineZiehungsZusatzzahl = 0xFE;

Reihenwort ReihenwortVon(const Tippreihe &reihe);
Reihenwort ReihenwortVon(const std::array<std::uint8_t, ZahlenProReihe> &zahlen, std::uint8_t zusatzzahl);
// Only the draw's numbers of 1..49 can hit, as in the evaluation.
Reihenwort ZiehungswortVon(const TGewZahlen &ziehung);

// The prize class 1..10 of a row in a draw, 0 for none.
inline int KlasseVon(Reihenwort reihe, Reihenwort ziehung)
{
    const int treffer = std::popcount(reihe & ziehung & Spielzahlbits);
    const bool passt = (reihe >> ZusatzzahlStelle) == (ziehung >> ZusatzzahlStelle);
    return KlasseFuer(treffer, passt);
}

// What a strategy plays in each draw of a period: built once before the test (the system of a
// system or rule is searched once, the rule's numbers are ranked before every draw from the draws
// before it only), then asked for the rows of any draw as often as needed, from any thread.
class Strategiereihen
{
public:
    // Prepares `strategie` for the draws von..bis of `ziehungen`. `position` tells the strategies
    // of one test apart, so two alike random strategies still draw their own rows. On failure
    // `fehler` holds the German message and the object plays nothing.
    static Strategiereihen vorbereiten(const Strategie &strategie, const QVector<TGewZahlen> &ziehungen, int von,
                                       int bis, std::uint64_t startwert, int position,
                                       const std::atomic<bool> *abbruch, QString &fehler);

    int ziehungen() const { return m_ziehungen; }
    // Appends the rows of played draw j (0 is the draw `von`) to `aus`.
    void reihen(int j, std::vector<Reihenwort> &aus) const;
    // How many rows draw j plays.
    std::int32_t reihenAnzahl(int j) const;
    // The exact expected win of draw j's rows times MoeglicheZiehungen, in ten-thousandths.
    std::int64_t erwartungMal(int j) const;
    // The rule's numbers for draw j, ascending; empty for other strategies.
    std::vector<int> regelzahlen(int j) const;

private:
    Strategieart m_art = Strategieart::Schein;
    int m_ziehungen = 0;
    std::vector<Reihenwort> m_fest; // Schein and System: every draw; Regel: the rows as masks
    std::int64_t m_festErwartung = 0;
    Zufallsvorgaben m_vorgaben;
    std::vector<std::uint64_t> m_saat; // Zufall: the start value of each draw's rows
    std::vector<std::array<std::uint8_t, MaxRegelzahlen>> m_regel; // Regel: each draw's numbers
    int m_regelAnzahl = 0;
};

// The k numbers a rule ranks first before draw d of `ziehungen`, counted over the draws
// max(0, d - fenster) .. d - 1 (fenster 0: all before d), ties to the lower number. For all
// draws from..to at once, since each ranking starts from the one before.
std::vector<std::array<std::uint8_t, MaxRegelzahlen>> RegelzahlenErmitteln(const QVector<TGewZahlen> &ziehungen,
                                                                            int von, int bis, Rangfolge rangfolge,
                                                                            int anzahl, int fenster);
