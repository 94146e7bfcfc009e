// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Musterstatistik.h"

#include <QLocale>
#include <QWidget>

class Gitter;
class QComboBox;
class QLabel;
class TextTabellenModell;
class Vergleichsdiagramm;

// The tab "Muster": for the chosen period and one pattern at a time, how often each value
// occurred beside how often a fair draw would give it, as a table and a chart, and the
// chi-square test of the difference in words.
class Musterseite : public QWidget
{
    Q_OBJECT
public:
    Musterseite(const QLocale &locale, QWidget *eltern);

    void zeige(Musterauswertung auswertung);

    QComboBox *ComboMuster() const { return m_wahl; }
    Gitter *gitter() const { return m_gitter; }
    TextTabellenModell *modell() const { return m_modell; }
    Vergleichsdiagramm *diagramm() const { return m_diagramm; }
    QLabel *LTest() const { return m_test; }
    QLabel *LChi() const { return m_chi; }

private:
    void zeigeMuster();

    QLocale m_locale;
    Musterauswertung m_auswertung;
    QComboBox *m_wahl = nullptr;
    Gitter *m_gitter = nullptr;
    TextTabellenModell *m_modell = nullptr;
    Vergleichsdiagramm *m_diagramm = nullptr;
    QLabel *m_chi = nullptr;
    QLabel *m_test = nullptr;
};
