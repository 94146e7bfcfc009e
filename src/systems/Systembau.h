// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generator/Zufallsreihen.h"
#include "systems/System.h"
#include "systems/Systemchancen.h"
#include "systems/Systemsuche.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

// A system from the player's choice to the checked rows with their Zusatzzahlen and chances:
// what the window and the command line both do.

struct Systemwunsch
{
    std::vector<int> zahlen;           // 6..30 different numbers of 1..49, any order
    std::optional<Garantie> garantie;  // none: the full system
    std::uint64_t startwert = 0;       // for the search and the drawn Zusatzzahlen
    std::int64_t schritte = 0;         // budget of the search, 0 for none
    std::int64_t millisekunden = 0;    // the clock of the search, 0 for none
    std::uint8_t festeZusatzzahl = 0;  // 1..10 for every row; 0 draws one per row
};

struct Systemergebnis
{
    QString fehler;                    // German message: a wrong wish, or a system that failed its check
    std::vector<int> zahlen;           // ascending
    std::optional<Garantie> garantie;
    std::vector<Reihenmaske> reihen;
    std::vector<std::uint8_t> zusatzzahlen; // one per row
    std::uint8_t festeZusatzzahl = 0;       // the fixed one, 0 when drawn
    std::int64_t untergrenze = 0;      // the lower bound; a full system's own count
    std::int64_t ausTabelle = 0;       // rows of the table's system the search began with; 0: none
    std::int64_t schritte = 0;
    std::uint64_t startwert = 0;
    bool abgebrochen = false;
    Systemchancen chancen;

    int anzahl() const { return static_cast<int>(reihen.size()); }
    std::array<std::uint8_t, ZahlenProReihe> reihe(int r) const
    {
        return ReihenZahlen(zahlen, reihen[static_cast<std::size_t>(r)]);
    }
};

// Builds the system, checks its guarantee exactly (a system failing it is never handed out:
// it comes back with `fehler` set and no rows), gives every row its Zusatzzahl and counts the
// chances. `abbruch` and `fortschritt` go to the search.
Systemergebnis SystemBauen(const Systemwunsch &wunsch, const std::atomic<bool> *abbruch = nullptr,
                           const Systemsuchfortschritt &fortschritt = {});

// SystemBauen in two steps, so a window can ask about the size the search reached before the
// chances are counted. The first: the checked rows with their Zusatzzahlen, no chances yet.
Systemergebnis SystemOhneChancen(const Systemwunsch &wunsch, const std::atomic<bool> *abbruch = nullptr,
                                 const Systemsuchfortschritt &fortschritt = {});
// The second: counts the chances of a system from the first. False when cancelled; then the
// system keeps no chances.
bool SystemchancenErgaenzen(Systemergebnis &system, const std::atomic<bool> *abbruch = nullptr,
                            const Systemchancenfortschritt &fortschritt = {});

// The rows as the generator holds them, for its grid model and its save and export routines.
Zufallsreihen SystemAlsReihen(const Systemergebnis &system);

// Rows of a full system of n numbers, known before it is built.
inline std::int64_t VollsystemReihen(int n) { return Binomialkoeffizient(n, ZahlenProReihe); }
