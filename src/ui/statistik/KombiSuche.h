// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Kombistatistik.h"
#include "ui/gemeinsam/Nummernknoepfe.h"

#include <QWidget>

#include <array>
#include <functional>

class Gitter;
class QLabel;
class QPushButton;
class QToolButton;
class TextTabellenModell;
struct Zustand;

// A number button of the combination search, in the main window's look.
class TBKombi : public TBZahl
{
    Q_OBJECT
public:
    TBKombi(int zahl, QWidget *eltern);
};

// The tab "Kombi-Suche": two to five numbers chosen on the buttons, the draws of the period
// that contain them all.
class KombiSuche : public QWidget
{
    Q_OBJECT
public:
    struct Zeitraum
    {
        int von;
        int bis;
    };

    KombiSuche(const Zustand &zustand, std::function<Zeitraum()> zeitraum, QWidget *eltern);

    void BNrClick(int zahl);
    void BSucheClick();
    void BDelClick();

    const Suchauswahl &auswahl() const { return m_auswahl; }
    TBKombi *knopf(int zahl) const { return m_knoepfe[static_cast<std::size_t>(zahl)]; }

private:
    QWidget *baueZahlen();
    QWidget *baueErgebnis(int anzahlZiehungen);
    void zeigeErgebnis(TextTabelle tabelle);
    void setzeErgebnisfarbe(const QColor &farbe);

    const Zustand &m_zustand;
    std::function<Zeitraum()> m_zeitraum;
    Suchauswahl m_auswahl;
    std::array<TBKombi *, MaxZahl + 1> m_knoepfe{};
    QPushButton *m_suche = nullptr;
    QToolButton *m_del = nullptr;
    QLabel *m_erg = nullptr;
    Gitter *m_gitter = nullptr;
    TextTabellenModell *m_modell = nullptr;
    QStringList m_kopf;
};
