// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Tippreihentext.h"

#include <QFrame>

class Pfeilregler;
class QLabel;
class QRadioButton;
class Textfeld;
class Ziffernfeld;

// The middle of the entry window: the text field of tip rows with its line counter, the choice
// of overwrite or append, the font size, the Zusatzzahl completions and the transfer.
class Textrahmen : public QFrame
{
    Q_OBJECT
public:
    explicit Textrahmen(QWidget *eltern);

    Textfeld *textfeld() const { return m_m1; }
    bool ueberschreiben() const;
    void setzeUeberschreiben(bool ueberschreiben);
    int schriftgroesse() const;
    void setzeSchriftgroesse(int groesse);

    void ZahlAnhaengen(int zahl);
    void ZeilenAnhaengen(const QStringList &zeilen);
    void TextfeldLoeschen();
    void ReihenUebertragen();
    void ZusatzzahlenPerZufall();
    void FixeZZErgaenzen();

Q_SIGNALS:
    // The checked rows of the text, for the table; `ueberschreiben` tells overwrite or append.
    void reihenGeprueft(const QVector<GepruefteReihe> &reihen, bool ueberschreiben);

private:
    QWidget *baueKopf();
    QWidget *baueEinstellungen();
    QWidget *baueFuss();
    // Tidies the text as the transfer does, writes the result back and returns its lines.
    QStringList aufbereiten();
    void zeilenZaehlen();

    Textfeld *m_m1 = nullptr;
    QLabel *m_lZeilen = nullptr;
    QRadioButton *m_rg1a = nullptr;
    QRadioButton *m_rg1b = nullptr;
    Pfeilregler *m_up1 = nullptr;
    Ziffernfeld *m_ezz = nullptr;
};
