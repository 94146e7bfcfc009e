// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Textzellen.h"
#include "model/Zahlenmenge.h"
#include "model/Ziehungseingabe.h"
#include "model/Zustand.h"

#include <QVector>

#include <array>
#include <cstdint>
#include <vector>

// Which combinations of two, three or four numbers were drawn together most and least often,
// and in which draws a chosen group of numbers occurred. Works on Ziehungsmengen; a set may
// hold any number of members (a damaged draw has fewer than five), each counts as it is.
//
// Periods are index pairs von..bis, both inclusive; indexes outside the sets there are are
// clamped, so nothing is ever read past the end of the history.

// One combination with the number of counted draws that contain all of its numbers. The
// count has 32 bits, so even the longest history a file can hold never wraps it.
struct TKombiEintrag
{
    Zahlenmenge Kombi;
    std::uint32_t Anzahl = 0;
};

// Every combination of k numbers of 1..49, in lexicographic order of the ascending tuples:
// (1,2), (1,3), …, (1,49), (2,3), …, (48,49) for k = 2. This order breaks every tie.
struct Kombitabelle
{
    int k = 0;
    std::vector<TKombiEintrag> eintraege;
};

// The table for k = 2, 3 or 4 with all counts 0.
Kombitabelle KombisErzeugen(int k);

// Position of a combination of ascending numbers of 1..49 in its table (k = its size).
int KombiPosition(const int *zahlen, int k);

// Counts every combination of the table over the draws von..bis: one step per k-subset of
// each draw's set, straight to its entry.
void KombisZaehlen(Kombitabelle &tabelle, const QVector<Zahlenmenge> &mengen, int von, int bis);

// The same counts by the definition: every combination intersected with every draw's set.
// Many times slower; the tests and benchmarks hold the counting above against it.
void KombisZaehlenDurchSchnitte(Kombitabelle &tabelle, const QVector<Zahlenmenge> &mengen, int von, int bis);

struct Anzahlspanne
{
    std::uint32_t kleinste = 0;
    std::uint32_t groesste = 0;
};
Anzahlspanne AnzahlspanneVon(const Kombitabelle &tabelle);

// One row of a ranked list; row i has the rank i + 1. Eight bytes, as a list may hold
// every quadruple.
struct Rangzeile
{
    std::array<std::uint8_t, 4> zahlen{}; // ascending; places beyond k stay 0
    std::uint32_t Anzahl = 0;
};
using Rangliste = std::vector<Rangzeile>;

// A ranked list takes whole classes of equal counts, starting from the largest (or the
// smallest) count, until it holds more than this many rows. Within a class the table order holds.
inline constexpr int Mindestraenge = 100;

Rangliste HaeufigsteKombis(const Kombitabelle &tabelle);
Rangliste SeltensteKombis(const Kombitabelle &tabelle);

struct Favoriten
{
    Rangliste haeufigste;
    Rangliste seltenste;
};

// Counts the table over von..bis and makes both ranked lists.
Favoriten KombinationenFavoriten(Kombitabelle &tabelle, const QVector<Zahlenmenge> &mengen, int von, int bis);

// The combination text: members ascending, joined by a comma ("3,17").
QString Kombitext(const Zahlenmenge &kombi);
QString Kombitext(const Rangzeile &zeile);

// The numbers chosen for the combination search: two to five of 1..49. The buttons work as
// the main window's number buttons do, without a Zusatzzahl.
class Suchauswahl
{
public:
    enum class Ergebnis { Aufgenommen, Entfernt, Abgelehnt };

    // Takes a number in or out. A sixth number is refused and changes nothing.
    Ergebnis umschalten(int zahl);
    // Empties the selection.
    void KombiAufNull() { m_auswahl.leeren(); }

    const Zahlenmenge &SuchMenge() const { return m_auswahl.gewaehlt(); }
    int SuchAnzahl() const { return m_auswahl.GZAnzahl(); }
    // A search needs at least two numbers.
    bool startbar() const { return SuchAnzahl() > 1; }

private:
    Zahlenauswahl m_auswahl;
};

struct Suchergebnis
{
    int treffer = 0;
    // Header "Nr.", "Datum", "mit..."; one row per draw found, oldest first: running
    // number, date, the draw's other numbers. Without a hit one empty row.
    TextTabelle tabelle;
};

// The draws von..bis whose set contains every number of suchMenge (an empty selection is
// contained in every draw).
Suchergebnis KombisSuchen(const Zustand &zustand, const Zahlenmenge &suchMenge, int von, int bis);
