// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/Haeufigkeitsfeld.h"

#include "statistics/Statistik.h"

#include <QFontMetrics>

namespace {
QFont achtPunkt(QFont schrift)
{
    schrift.setPointSize(8);
    return schrift;
}
} // namespace

TBStatNr::TBStatNr(int zahl, QSize groesse, QWidget *eltern) : QLabel(QString::number(zahl), eltern)
{
    setObjectName(QStringLiteral("BStatNr0%1").arg(zahl));
    setFont(achtPunkt(font()));
    setFixedSize(groesse);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 110, 111));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

TBStatW::TBStatW(int zahl, QSize groesse, QWidget *eltern) : QLabel(eltern)
{
    setObjectName(QStringLiteral("BStatW0%1").arg(zahl));
    setFont(achtPunkt(font()));
    setFixedSize(groesse);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

Haeufigkeitsfeld::Haeufigkeitsfeld(int hoechsteAnzahl, QWidget *eltern) : QFrame(eltern)
{
    setObjectName(QStringLiteral("P10"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QFontMetrics fm(achtPunkt(font()));
    // The sizes of the design, grown where the font needs more room.
    const int hoehe = std::max(17, fm.height() + 3);
    const QSize nummer(std::max(18, fm.horizontalAdvance(QStringLiteral("49")) + 6), hoehe);
    const QSize wert(std::max(27, fm.horizontalAdvance(QString::number(std::max(hoechsteAnzahl, 999))) + 8), hoehe);
    m_wertAbstand = nummer.width() + 1;
    const int schrittX = m_wertAbstand + wert.width() + 1;

    for (int zeile = 1; zeile <= 7; ++zeile) {
        for (int spalte = 1; spalte <= 7; ++spalte) {
            const int a = 7 * (zeile - 1) + spalte;
            const auto i = static_cast<std::size_t>(a);
            ENrEcke[i] = QPoint(schrittX * (spalte - 1) + 4, hoehe * (zeile - 1) + 5);
            m_nummern[i] = new TBStatNr(a, nummer, this);
            m_nummern[i]->move(ENrEcke[i]);
            m_werte[i] = new TBStatW(a, wert, this);
            stelleWert(a, a);
        }
    }
    setFixedSize(7 * schrittX + 7, 7 * hoehe + 10);
}

void Haeufigkeitsfeld::stelleWert(int zahl, int platz)
{
    m_werte[static_cast<std::size_t>(zahl)]->move(ENrEcke[static_cast<std::size_t>(platz)] + QPoint(m_wertAbstand, 0));
}

void Haeufigkeitsfeld::zeigeAnzahlen(const Anzahlen &anzahlen)
{
    m_anzahlen = anzahlen;
    for (int n = 1; n <= MaxZahl; ++n)
        wert(n)->setText(QString::number(anzahlen[static_cast<std::size_t>(n)]));
}

void Haeufigkeitsfeld::StatistikAbsteigend()
{
    m_sortiert = !m_sortiert;
    // Ordered by the counts on show, so order and counts always agree.
    std::array<int, MaxZahl> reihe{};
    for (int p = 0; p < MaxZahl; ++p)
        reihe[static_cast<std::size_t>(p)] = p + 1;
    if (m_sortiert)
        reihe = Haeufigkeitsreihenfolge(m_anzahlen);
    for (int platz = 1; platz <= MaxZahl; ++platz) {
        const int zahl = reihe[static_cast<std::size_t>(platz - 1)];
        nummer(platz)->setText(QString::number(zahl));
        stelleWert(zahl, platz);
    }
}
