// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/Vergleichsdiagramm.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
QFont schrift(const QFont &basis, int punkte, bool fett = false)
{
    QFont f = basis;
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}
} // namespace

Vergleichsdiagramm::Vergleichsdiagramm(const QString &name, const QString &beobachtetText, QWidget *eltern)
    : QChartView(new QChart, eltern) // the view's own default chart would be left behind by setChart
{
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    QChart *chart = this->chart();
    chart->setTitleFont(schrift(font(), 9, true));
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(schrift(font(), 8));

    m_beobachtet = new QBarSet(beobachtetText, chart);
    m_beobachtet->setColor(QColor(0, 110, 111));
    m_beobachtet->setBorderColor(QColor(0, 110, 111));
    m_erwartet = new QBarSet(QStringLiteral("erwartet bei fairen Ziehungen"), chart);
    m_erwartet->setColor(QColor(0xE0, 0xA0, 0x30));
    m_erwartet->setBorderColor(QColor(0xE0, 0xA0, 0x30));
    auto *reihe = new QBarSeries(chart);
    reihe->append(m_beobachtet);
    reihe->append(m_erwartet);
    reihe->setBarWidth(0.8);
    chart->addSeries(reihe);

    m_kategorien = new QBarCategoryAxis(chart);
    m_kategorien->setLabelsFont(schrift(font(), 7));
    m_kategorien->setTitleFont(schrift(font(), 8, true));
    m_kategorien->setGridLineVisible(false);
    chart->addAxis(m_kategorien, Qt::AlignBottom);
    reihe->attachAxis(m_kategorien);
    m_werte = new QValueAxis(chart);
    m_werte->setLabelsFont(schrift(font(), 7));
    m_werte->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_werte, Qt::AlignLeft);
    reihe->attachAxis(m_werte);
    setMinimumHeight(240);
}

void Vergleichsdiagramm::zeige(const QString &titel, const QString &achsentitel, const QStringList &kategorien,
                               const QList<qreal> &beobachtet, const QList<qreal> &erwartet)
{
    chart()->setTitle(titel);
    m_kategorien->setTitleText(achsentitel);
    m_kategorien->clear();
    m_kategorien->append(kategorien);
    m_beobachtet->remove(0, m_beobachtet->count());
    m_beobachtet->append(beobachtet);
    m_erwartet->remove(0, m_erwartet->count());
    m_erwartet->append(erwartet);
    qreal groesster = 1.0;
    for (const QList<qreal> *werte : {&beobachtet, &erwartet})
        for (const qreal w : *werte)
            groesster = std::max(groesster, w);
    m_werte->setRange(0.0, groesster * 1.1);
    m_werte->applyNiceNumbers();
}
