// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"

#include <QChartView>
#include <QVector>

struct Testergebnis;

// The running balance of every strategy over the period, with its expected balance as a dashed
// line and the 5 %–95 % band of the fair histories as a pale area, in the statistics window's
// chart style. Long periods are thinned to at most a few thousand points per line.
class Strategiediagramm : public QChartView
{
    Q_OBJECT
public:
    explicit Strategiediagramm(QWidget *eltern = nullptr);

    void zeige(const Testergebnis &ergebnis, const QVector<TGewZahlen> &ziehungen);
    void leeren();
    // Paints the chart into `ziel` of any painter (a printed page).
    void malen(QPainter &maler, const QRectF &ziel);
};
