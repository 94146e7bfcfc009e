// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>
#include <QList>
#include <QStringList>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

// A chart of observed counts beside the counts a fair draw expects, one pair of bars per value.
class Vergleichsdiagramm : public QChartView
{
    Q_OBJECT
public:
    Vergleichsdiagramm(const QString &name, const QString &beobachtetText, QWidget *eltern);

    void zeige(const QString &titel, const QString &achsentitel, const QStringList &kategorien,
               const QList<qreal> &beobachtet, const QList<qreal> &erwartet);

    QBarSet *beobachtet() const { return m_beobachtet; }
    QBarSet *erwartet() const { return m_erwartet; }
    QBarCategoryAxis *kategorien() const { return m_kategorien; }

private:
    QBarSet *m_beobachtet = nullptr;
    QBarSet *m_erwartet = nullptr;
    QBarCategoryAxis *m_kategorien = nullptr;
    QValueAxis *m_werte = nullptr;
};
