// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/strategie/Strategiediagramm.h"

#include "model/Datum.h"
#include "strategy/Strategietest.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int HoechstePunkte = 2000;

QFont diagrammSchrift(const QFont &basis, int punkte, bool fett = false)
{
    QFont f = basis;
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

QColor strategieFarbe(int p)
{
    static const std::array<QColor, 6> farben{QColor(0, 110, 111), QColor(0xC0, 0x50, 0x20), QColor(0x30, 0x50, 0xB0),
                                              QColor(0x90, 0x30, 0x90), QColor(0x50, 0x80, 0x20),
                                              QColor(0x80, 0x60, 0x10)};
    return farben[static_cast<std::size_t>(p) % farben.size()];
}

} // namespace

Strategiediagramm::Strategiediagramm(QWidget *eltern) : QChartView(new QChart, eltern)
{
    setObjectName(QStringLiteral("Diagramm"));
    setRenderHint(QPainter::Antialiasing);
    chart()->setTitleFont(diagrammSchrift(font(), 9, true));
    chart()->setMargins(QMargins(2, 2, 2, 2));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->legend()->setFont(diagrammSchrift(font(), 8));
    setMinimumHeight(300);
    leeren();
}

void Strategiediagramm::leeren()
{
    QChart *c = chart();
    c->removeAllSeries();
    // A removed axis goes back to the caller.
    for (QAbstractAxis *achse : c->axes()) {
        c->removeAxis(achse);
        delete achse;
    }
    c->setTitle(QStringLiteral("Bilanz im Verlauf (noch kein Test)"));
}

void Strategiediagramm::zeige(const Testergebnis &e, const QVector<TGewZahlen> &ziehungen)
{
    leeren();
    QChart *c = chart();
    const int D = e.ziehungen();
    if (e.strategien.empty() || D <= 0 || e.bis >= ziehungen.size())
        return;
    c->setTitle(QStringLiteral("Bilanz im Verlauf: gespielt, erwartet und 5 %\u201395 % der fairen Verl\u00E4ufe"));
    const int schritt = std::max(1, (D + HoechstePunkte - 1) / HoechstePunkte);
    QVector<int> punkte;
    for (int j = 0; j < D; j += schritt)
        punkte << j;
    if (punkte.last() != D - 1)
        punkte << D - 1;
    const auto zeit = [&](int j) {
        return static_cast<qreal>(QDateTime(Datum::zuDatum(ziehungen[e.von + j].datum), QTime(12, 0)).toMSecsSinceEpoch());
    };

    auto *x = new QDateTimeAxis(c);
    x->setFormat(QStringLiteral("MM.yyyy"));
    x->setLabelsFont(diagrammSchrift(font(), 7));
    x->setTitleText(QStringLiteral("Ziehung"));
    x->setTitleFont(diagrammSchrift(font(), 8, true));
    x->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(zeit(0))),
                QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(zeit(D - 1))));
    auto *y = new QValueAxis(c);
    // The format goes through printf as Latin-1: the euro sign stands in the axis title.
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("Bilanz in \u20AC"));
    y->setTitleFont(diagrammSchrift(font(), 8, true));
    y->setLabelsFont(diagrammSchrift(font(), 7));
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);

    double unten = 0.0;
    double oben = 0.0;
    const auto merke = [&](double euro) {
        unten = std::min(unten, euro);
        oben = std::max(oben, euro);
    };
    const auto anhaengen = [&](QAbstractSeries *reihe) {
        c->addSeries(reihe);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
    };
    for (std::size_t p = 0; p < e.strategien.size(); ++p) {
        const Strategieergebnis &r = e.strategien[p];
        const QColor farbe = strategieFarbe(static_cast<int>(p));
        if (!r.bandUnten.empty()) {
            auto *bandUnten = new QLineSeries(c);
            auto *bandOben = new QLineSeries(c);
            for (int j : punkte) {
                bandUnten->append(zeit(j), r.bandUnten[static_cast<std::size_t>(j)] / 100.0);
                bandOben->append(zeit(j), r.bandOben[static_cast<std::size_t>(j)] / 100.0);
                merke(r.bandUnten[static_cast<std::size_t>(j)] / 100.0);
                merke(r.bandOben[static_cast<std::size_t>(j)] / 100.0);
            }
            auto *band = new QAreaSeries(bandOben, bandUnten);
            band->setName(QStringLiteral("%1: 5 %\u201395 % fair").arg(r.name));
            QColor blass = farbe;
            blass.setAlpha(45);
            band->setBrush(blass);
            band->setPen(Qt::NoPen);
            anhaengen(band);
        }
        auto *erwartet = new QLineSeries(c);
        erwartet->setName(QStringLiteral("%1: erwartet").arg(r.name));
        QPen gestrichelt(farbe, 1.2, Qt::DashLine);
        erwartet->setPen(gestrichelt);
        auto *bilanz = new QLineSeries(c);
        bilanz->setName(r.name);
        bilanz->setPen(QPen(farbe, 2.0));
        for (int j : punkte) {
            const double soll = r.erwartetVerlauf[static_cast<std::size_t>(j)] / 100.0;
            const double ist = r.verlauf[static_cast<std::size_t>(j)].bilanzCent / 100.0;
            erwartet->append(zeit(j), soll);
            bilanz->append(zeit(j), ist);
            merke(soll);
            merke(ist);
        }
        anhaengen(erwartet);
        anhaengen(bilanz);
    }
    const double rand = std::max(1.0, (oben - unten) * 0.05);
    y->setRange(unten - rand, oben + rand);
    y->applyNiceNumbers();
}

void Strategiediagramm::malen(QPainter &maler, const QRectF &ziel)
{
    // Drawn at the widget's own size so texts keep their proportions, then scaled onto the page.
    const QSize groesse = size().expandedTo(QSize(900, 500));
    QImage bild(groesse * 2, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(2.0);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        const QSize alt = size();
        const bool sichtbar = isVisible();
        if (!sichtbar)
            resize(groesse);
        QWidget::render(&p, QPoint(), QRegion(QRect(QPoint(), groesse)));
        if (!sichtbar)
            resize(alt);
    }
    const QSizeF passend = QSizeF(groesse).scaled(ziel.size(), Qt::KeepAspectRatio);
    maler.drawImage(QRectF(ziel.topLeft(), passend), bild);
}
