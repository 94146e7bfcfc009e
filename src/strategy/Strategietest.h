// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Betrag.h"
#include "model/Records.h"
#include "strategy/Strategie.h"
#include "strategy/Strategiereihen.h"

#include <QString>
#include <QVector>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// A signed whole number wide enough for sums of expectations times all outcomes.
__extension__ typedef __int128 Ganzzahl128Vz;

// The strategy test: every strategy played forward draw by draw over a period of the real
// history, each draw's rows made only from the draws before it; beside it the exact expectation
// of the same rows and the band that fair draws give them.

inline constexpr int VorgabeVerlaeufe = 1000;
inline constexpr int MaxVerlaeufe = 100'000;

// The price of a row in whole cents, rounded half up from the price as it was written (the
// shortest decimal that gives the stored value back, so 1.005 is 101 cents). Not a finite
// positive price: 0.
std::int64_t ReihenpreisCent(float reihenpreis);

// The fair draws of one history: five different numbers of 1..49 and a Zusatzzahl of 1..10,
// every outcome equally likely, from the start value and the history's number alone. Every
// strategy of a test sees the very same draws in history s.
class Fairziehungen
{
public:
    Fairziehungen(std::uint64_t startwert, int verlauf);
    Reihenwort naechste();

private:
    std::uint32_t unter(std::uint32_t n);
    std::uint64_t zufall();
    std::array<std::uint64_t, 4> m_zustand{};
};

struct Testauftrag
{
    QVector<TGewZahlen> ziehungen; // the whole history, oldest first
    int von = 0;                   // the played draws, indexes into ziehungen, both inclusive
    int bis = -1;
    std::vector<Strategie> strategien;
    float reihenpreis = 2.0F;
    std::uint64_t startwert = 0;
    int verlaeufe = VorgabeVerlaeufe; // fair histories; 0 for none
    int threads = 0;                  // 0: as many as the machine has; the results do not depend on it
};

// One played draw of a strategy.
struct Ziehungsstand
{
    std::int32_t reihen = 0;
    std::int64_t gewinnCent = 0;
    std::int64_t bilanzCent = 0; // running: everything won minus everything staked so far
};

struct Strategieergebnis
{
    QString name;
    Strategieart art = Strategieart::Schein;
    int ziehungen = 0;
    std::int64_t reihen = 0;
    std::int64_t einsatzCent = 0;
    std::int64_t gewinnCent = 0;
    std::int64_t anteilCent = 0; // the user's part of gewinnCent by the ticket's shares
    std::int64_t bilanzCent = 0;
    Betrag ruecklauf = 0; // percent with four implied decimals; 0 without stake
    std::array<std::int64_t, AnzahlGewinnklassen> klassen{};
    std::int64_t hoechsterCent = 0;
    int hoechsterZiehung = -1; // index into the history, -1 when nothing was won
    int laengsteDurststrecke = 0;
    int antGes = 1;
    int antMeine = 1;

    // Expected balance, exact: (expected winnings times MoeglicheZiehungen) minus the stake times
    // it, in ten-thousandths; the cents rounded half away from zero.
    Ganzzahl128Vz erwartetMal = 0;
    std::int64_t erwartetCent = 0;

    std::vector<Ziehungsstand> verlauf;
    std::vector<double> erwartetVerlauf; // expected balance after each draw, in cents

    // The band of the fair histories: at each draw the ceil(0.05 S)-th and ceil(0.95 S)-th
    // smallest running balance; empty without fair histories.
    std::vector<std::int64_t> bandUnten;
    std::vector<std::int64_t> bandOben;
    int verlaeufe = 0;
    int mindestensSoGut = 0; // histories whose final balance is at least the real one
    double anteilBesser() const { return verlaeufe > 0 ? double(mindestensSoGut) / verlaeufe : 0.0; }
};

struct Testergebnis
{
    QString fehler; // German message; nothing else is filled then
    bool abgebrochen = false;
    int von = 0;
    int bis = -1;
    std::uint64_t startwert = 0;
    int verlaeufe = 0;
    std::int64_t preisCent = 0;
    std::vector<Strategieergebnis> strategien;

    int ziehungen() const { return bis - von + 1; }
};

// Runs the test. `abbruch` (may be null) ends it early: the result then says so and holds
// nothing else. `promille` (may be null) follows the progress.
Testergebnis StrategienTesten(const Testauftrag &auftrag, const std::atomic<bool> *abbruch = nullptr,
                              std::atomic<int> *promille = nullptr);

// The rank of the real result among the fair histories as a sentence: "Ein mindestens so gutes
// Ergebnis hatten 37 % der zufälligen Verläufe." Whole percent rounded half up; below 1 %
// "weniger als 1 %", above 99 % "mehr als 99 %".
QString PlatzierungText(int mindestensSoGut, int verlaeufe);
// Only the share: "37 %", "weniger als 1 %", "mehr als 99 %".
QString PlatzierungAnteil(int mindestensSoGut, int verlaeufe);

// An amount in cents as currency, "-1.234,50 €".
QString CentText(std::int64_t cent, const QLocale &locale);
