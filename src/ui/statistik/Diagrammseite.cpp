// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/Diagrammseite.h"

#include "ui/statistik/RollbareSeite.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QVBoxLayout>
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

// The value axis from 0 to just above the largest value, on a round step (1, 2 or 5 times a
// power of ten) that gives at most six intervals.
void setzeBereich(QValueAxis *achse, double groesster)
{
    double schritt = 1.0;
    while (groesster / schritt > 6.0) {
        const double mantisse = schritt / std::pow(10.0, std::floor(std::log10(schritt) + 1e-9));
        schritt *= mantisse < 1.5 || mantisse > 4.5 ? 2.0 : 2.5;
    }
    achse->setTickType(QValueAxis::TicksDynamic);
    achse->setTickAnchor(0.0);
    achse->setTickInterval(schritt);
    achse->setRange(0.0, schritt * std::ceil((groesster + 0.5) / schritt));
    achse->setLabelFormat(QStringLiteral("%d"));
}
} // namespace

Diagrammseite::Diagrammseite(const QLocale &locale, QWidget *eltern) : QWidget(eltern), m_locale(locale)
{
    QVBoxLayout *senkrecht = RollbareSeite(this, 0, QStringLiteral("SDiagramme"));
    m_haeufigkeit = baueDiagramm(QStringLiteral("DHaeufigkeit0"), QStringLiteral("Wie oft wurde jede Zahl gezogen?"),
                                 QStringLiteral("Anzahl im Zeitraum"), QStringLiteral("Anzahl Ziehungen"),
                                 m_haeufigkeitsbalken, m_haeufigkeitsachse);
    m_ausgeblieben = baueDiagramm(QStringLiteral("DAusgeblieben0"), QStringLiteral("Wie oft sind Zahlen ausgeblieben"),
                                  QStringLiteral("Ziehungen seit dem letzten Auftreten"),
                                  QStringLiteral("Ziehungen ohne die Zahl"), m_ausgebliebenBalken, m_ausgebliebenAchse);
    senkrecht->addWidget(m_haeufigkeit);
    senkrecht->addWidget(m_ausgeblieben);

    // The average as a vertical line across all numbers.
    QChart *chart = m_haeufigkeit->chart();
    m_durchschnitt = new QLineSeries(chart);
    m_durchschnitt->setName(QStringLiteral("Durchschnitt"));
    QPen stift(QColor(0xC0, 0x30, 0x30));
    stift.setWidth(2);
    m_durchschnitt->setPen(stift);
    chart->addSeries(m_durchschnitt);
    for (QAbstractAxis *achse : chart->axes())
        m_durchschnitt->attachAxis(achse);
}

QChartView *Diagrammseite::baueDiagramm(const QString &name, const QString &titel, const QString &balkentext,
                                        const QString &achsentitel, QBarSet *&balken, QValueAxis *&achse)
{
    auto *chart = new QChart;
    chart->setTitle(titel);
    chart->setTitleFont(schrift(font(), 10, true));
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(schrift(font(), 8));

    balken = new QBarSet(balkentext, chart);
    balken->setColor(QColor(0, 110, 111));
    balken->setBorderColor(QColor(0, 110, 111));
    for (int n = 1; n <= MaxZahl; ++n)
        *balken << 0;
    auto *reihe = new QHorizontalBarSeries(chart);
    reihe->append(balken);
    reihe->setBarWidth(0.7);
    chart->addSeries(reihe);

    // The first category is drawn at the bottom: 49 comes first, so that 1 stands at the top.
    auto *zahlen = new QBarCategoryAxis(chart);
    QStringList kategorien;
    for (int n = MaxZahl; n >= 1; --n)
        kategorien << QString::number(n);
    zahlen->append(kategorien);
    zahlen->setTitleText(QStringLiteral("Zahl"));
    zahlen->setLabelsFont(schrift(font(), 7));
    zahlen->setTitleFont(schrift(font(), 8, true));
    zahlen->setTruncateLabels(false); // the labels fit; the axis would shorten them all to "..."
    zahlen->setGridLineVisible(false);
    chart->addAxis(zahlen, Qt::AlignLeft);
    reihe->attachAxis(zahlen);

    achse = new QValueAxis(chart);
    achse->setTitleText(achsentitel);
    achse->setLabelsFont(schrift(font(), 7));
    achse->setTitleFont(schrift(font(), 8, true));
    setzeBereich(achse, 1.0);
    chart->addAxis(achse, Qt::AlignBottom);
    reihe->attachAxis(achse);

    auto *ansicht = new QChartView(chart, this);
    ansicht->setObjectName(name);
    ansicht->setRenderHint(QPainter::Antialiasing);
    // Room for 49 readable labels.
    const QFontMetrics fm(zahlen->labelsFont());
    ansicht->setMinimumHeight(MaxZahl * (fm.height() + 6) + 180);
    return ansicht;
}

void Diagrammseite::zeigeHaeufigkeiten(const std::array<std::int32_t, MaxZahl + 1> &haeufigkeiten)
{
    double summe = 0.0;
    double groesster = 0.0;
    for (int n = 1; n <= MaxZahl; ++n) {
        const double wert = haeufigkeiten[static_cast<std::size_t>(n)];
        m_haeufigkeitsbalken->replace(balken(n), wert);
        summe += wert;
        groesster = std::max(groesster, wert);
    }
    const double mittel = summe / MaxZahl;
    setzeBereich(m_haeufigkeitsachse, groesster);
    // From above the first category to below the last one.
    m_durchschnitt->replace({QPointF(mittel, -0.5), QPointF(mittel, MaxZahl - 0.5)});
    m_durchschnitt->setName(QStringLiteral("Durchschnitt %1").arg(m_locale.toString(mittel, 'f', 1)));
}

void Diagrammseite::zeigeAusgeblieben(const std::array<Ausgebliebene, MaxZahl> &liste)
{
    double groesster = 0.0;
    for (const Ausgebliebene &a : liste) {
        m_ausgebliebenBalken->replace(balken(a.zahl), a.anzahl);
        groesster = std::max(groesster, static_cast<double>(a.anzahl));
    }
    setzeBereich(m_ausgebliebenAchse, groesster);
}
