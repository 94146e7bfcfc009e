// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"

#include <QFrame>
#include <QLabel>
#include <QPoint>

#include <array>
#include <cstdint>

// A number of the frequency area: white caption on dark teal.
class TBStatNr : public QLabel
{
    Q_OBJECT
public:
    TBStatNr(int zahl, QSize groesse, QWidget *eltern);
};

// The count beside a number, in a lowered box.
class TBStatW : public QLabel
{
    Q_OBJECT
public:
    TBStatW(int zahl, QSize groesse, QWidget *eltern);
};

// The 7 × 7 numbers with their counts. In number order each count stands right of its
// number; in count order the numbers' places are taken by the numbers from the least to the
// most frequent, and every count travels with its number. The number boxes never move.
class Haeufigkeitsfeld : public QFrame
{
    Q_OBJECT
public:
    // The count boxes are made wide enough for `hoechsteAnzahl`.
    Haeufigkeitsfeld(int hoechsteAnzahl, QWidget *eltern);

    using Anzahlen = std::array<std::int32_t, MaxZahl + 1>; // indexed by the numbers 1..49

    // Every count box shows its number's count where it stands now.
    void zeigeAnzahlen(const Anzahlen &anzahlen);
    // Switches between number order and count order (least frequent first).
    void StatistikAbsteigend();
    bool Sortiert() const { return m_sortiert; }

    TBStatNr *nummer(int platz) const { return m_nummern[static_cast<std::size_t>(platz)]; }
    TBStatW *wert(int zahl) const { return m_werte[static_cast<std::size_t>(zahl)]; }

private:
    void stelleWert(int zahl, int platz);

    std::array<QPoint, MaxZahl + 1> ENrEcke{};
    std::array<TBStatNr *, MaxZahl + 1> m_nummern{};
    std::array<TBStatW *, MaxZahl + 1> m_werte{};
    Anzahlen m_anzahlen{};
    bool m_sortiert = false;
    int m_wertAbstand = 0;
};
