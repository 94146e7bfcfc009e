// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generator/Zufallsauswahl.h"
#include "ui/gemeinsam/Nummernknoepfe.h"

#include <QFrame>
#include <QObject>

#include <array>

class QLabel;
class QToolButton;

// A number button of the generator's panels; its tag is 100 * panel + number. Each panel has a
// selected look of its own.
class TBZufall : public Nummernknopf
{
    Q_OBJECT
public:
    TBZufall(Zufallsfeld feld, int zahl, QWidget *eltern);
};

// One of the three panels: a header with its title and a button that clears the panel, and
// the numbers 1 to 49 in seven rows of seven.
class Zufallszahlenfeld : public QFrame
{
    Q_OBJECT
public:
    Zufallszahlenfeld(Zufallsfeld feld, QWidget *eltern);

    Zufallsfeld feld() const { return m_feld; }
    TBZufall *knopf(int zahl) const { return m_knoepfe[static_cast<std::size_t>(zahl)]; }
    QToolButton *leerenKnopf() const { return m_leeren; }

Q_SIGNALS:
    void geklickt(int tag);
    void leerenGeklickt();

private:
    Zufallsfeld m_feld;
    QToolButton *m_leeren = nullptr;
    std::array<TBZufall *, MaxZahl + 1> m_knoepfe{}; // index 1..49
};

// The selections of the three panels and what a click does to them: the number joins or
// leaves its panel, its buttons on the other two panels hide or show again, and the limits
// on bank numbers and quota killers are enforced with their messages.
class Zahlenwahl : public QObject
{
    Q_OBJECT
public:
    Zahlenwahl(Zufallszahlenfeld *bank, Zufallszahlenfeld *kill, Zufallszahlenfeld *fav, QWidget *fenster);

    const Zufallsauswahl &auswahl() const { return m_auswahl; }

    // A click on the button with this tag.
    void BLotAuswerten(int tag);
    // The same without a message: the caller says what was refused, as the stored lists do once.
    Zufallsauswahl::Wirkung umschalten(int tag);
    // Removes every number of the panel, in ascending order, as single clicks would.
    void leeren(Zufallsfeld feld);

Q_SIGNALS:
    // A number joined or left a panel.
    void geaendert();

private:
    Zufallszahlenfeld *feldWidget(Zufallsfeld feld) const { return m_felder[static_cast<int>(feld) - 1]; }

    Zufallsauswahl m_auswahl;
    std::array<Zufallszahlenfeld *, 3> m_felder;
    QWidget *m_fenster;
};
