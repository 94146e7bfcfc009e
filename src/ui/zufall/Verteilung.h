// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Zahlenmenge.h"

#include <QFrame>
#include <QPoint>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

// The area "Verteilung der Tippzahlen": for each number a label with the number and under it a
// panel with its count in the generated rows, in seven rows of seven. "Aufsteigend sortieren"
// moves the count panels into the order of their counts; "Von 1 - 49 sortieren" moves them back.
class Verteilung : public QFrame
{
    Q_OBJECT
public:
    explicit Verteilung(QWidget *eltern);

    // Shows the counts; bank numbers and favourites get their colours.
    void zeigeZaehler(const std::array<std::int32_t, MaxZahl + 1> &nrCount, const Zahlenmenge &bank,
                      const Zahlenmenge &fav);
    void BAufClick();

    bool NachHaeufigkeit() const { return m_nachHaeufigkeit; }
    QLabel *BStatNr(int position) const { return m_nummern[static_cast<std::size_t>(position)]; }
    QLabel *BStatW(int zahl) const { return m_werte[static_cast<std::size_t>(zahl)]; }
    QPushButton *BAuf() const { return m_bAuf; }

private:
    void PlattenBauen(QWidget *flaeche);
    void setzeAufKnopf();

    std::array<QLabel *, MaxZahl + 1> m_nummern{}; // BStatNr1..49, by position
    std::array<QLabel *, MaxZahl + 1> m_werte{};   // BStatW1..49, by number
    std::array<QPoint, MaxZahl + 1> m_ENrEcke{};   // home of each position's count panel
    std::array<std::int32_t, MaxZahl + 1> m_nrCount{};
    QPushButton *m_bAuf = nullptr;
    bool m_nachHaeufigkeit = false;
};
