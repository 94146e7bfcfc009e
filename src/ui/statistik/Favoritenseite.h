// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Kombistatistik.h"

#include <QWidget>

class Gitter;
class KombiListenModell;
class QProgressBar;
class QToolButton;

// A tab of the most and the least frequent combinations of k numbers. Triples and
// quadruples are counted on request: their tab has a start button and a gauge.
class Favoritenseite : public QWidget
{
    Q_OBJECT
public:
    // `anzahlZiehungen` sizes the count column.
    Favoritenseite(int k, int anzahlZiehungen, QWidget *eltern);

    // Shows both lists; the gauge (if any) ends at its maximum.
    void zeige(Favoriten favoriten);
    // Empties the gauge before a run.
    void beginne();

    Gitter *haeufigste() const { return m_haeufigste; }
    Gitter *seltenste() const { return m_seltenste; }
    QProgressBar *gauge() const { return m_gauge; }
    QToolButton *startknopf() const { return m_start; }

Q_SIGNALS:
    void startGewuenscht();

private:
    Gitter *baueListe(const QString &titel, int nummer, KombiListenModell *&modell, QWidget *eltern);

    int m_k;
    int m_anzahlZiehungen;
    Gitter *m_haeufigste = nullptr;
    Gitter *m_seltenste = nullptr;
    KombiListenModell *m_modellHaeufigste = nullptr;
    KombiListenModell *m_modellSeltenste = nullptr;
    QProgressBar *m_gauge = nullptr;
    QToolButton *m_start = nullptr;
};
