// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Zusatzzahlstatistik.h"

#include <QLocale>
#include <QWidget>

class Gitter;
class QLabel;
class TextTabellenModell;
class Vergleichsdiagramm;

// The tab "Zusatzzahl": for the chosen period how often each Zusatzzahl was drawn, against the
// period's length over ten, and for how many draws each has been missing.
class Zusatzzahlseite : public QWidget
{
    Q_OBJECT
public:
    Zusatzzahlseite(const QLocale &locale, QWidget *eltern);

    void zeige(const Zusatzzahlauswertung &auswertung);

    Gitter *gitter() const { return m_gitter; }
    TextTabellenModell *modell() const { return m_modell; }
    QLabel *LErwartet() const { return m_erwartet; }
    Vergleichsdiagramm *diagramm() const { return m_diagramm; }

private:
    QLocale m_locale;
    Gitter *m_gitter = nullptr;
    TextTabellenModell *m_modell = nullptr;
    QLabel *m_erwartet = nullptr;
    Vergleichsdiagramm *m_diagramm = nullptr;
};
