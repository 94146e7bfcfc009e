// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "statistics/Statistik.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <cstdint>

class QBarSet;
class QChartView;
class QLineSeries;
class QValueAxis;

// The tab "Diagramm": the counts of the chosen period as bars with their average as a line,
// and how long each number has been missing over the whole history. Numbers run from top to
// bottom, so 49 of them stay readable in the narrow window.
class Diagrammseite : public QWidget
{
    Q_OBJECT
public:
    Diagrammseite(const QLocale &locale, QWidget *eltern);

    void zeigeHaeufigkeiten(const std::array<std::int32_t, MaxZahl + 1> &haeufigkeiten);
    void zeigeAusgeblieben(const std::array<Ausgebliebene, MaxZahl> &liste);

    QChartView *haeufigkeitsdiagramm() const { return m_haeufigkeit; }
    QChartView *ausgebliebenDiagramm() const { return m_ausgeblieben; }
    QBarSet *haeufigkeitsbalken() const { return m_haeufigkeitsbalken; }
    QBarSet *ausgebliebenBalken() const { return m_ausgebliebenBalken; }
    QLineSeries *durchschnitt() const { return m_durchschnitt; }
    // The bar of a number in either bar set.
    static int balken(int zahl) { return MaxZahl - zahl; }

private:
    QChartView *baueDiagramm(const QString &name, const QString &titel, const QString &balkentext,
                             const QString &achsentitel, QBarSet *&balken, QValueAxis *&achse);

    QLocale m_locale;
    QChartView *m_haeufigkeit = nullptr;
    QChartView *m_ausgeblieben = nullptr;
    QBarSet *m_haeufigkeitsbalken = nullptr;
    QBarSet *m_ausgebliebenBalken = nullptr;
    QValueAxis *m_haeufigkeitsachse = nullptr;
    QValueAxis *m_ausgebliebenAchse = nullptr;
    QLineSeries *m_durchschnitt = nullptr;
};
