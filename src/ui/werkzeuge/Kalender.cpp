// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/werkzeuge/Kalender.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/hilfe/Hilfe.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace {
constexpr int Kalenderthema = 1080;
}

TFKal::TFKal(Zustand &zustand, QWidget *eltern)
    : QDialog(eltern, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FKal"));
    setWindowTitle(Fenstertitel());
    setFixedSize(368, 282);

    m_kalender = new QCalendarWidget(this);
    m_kalender->setObjectName(QStringLiteral("MonthCalendar1"));
    m_kalender->setFirstDayOfWeek(Qt::Sunday);
    m_kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_kalender->setGridVisible(true);

    auto *schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BClose"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::hide);

    auto *senkrecht = new QVBoxLayout(this);
    senkrecht->setContentsMargins(4, 4, 4, 6);
    senkrecht->addWidget(m_kalender, 1);
    auto *fuss = new QHBoxLayout;
    fuss->addStretch();
    fuss->addWidget(schliessen);
    senkrecht->addLayout(fuss);

    Hilfe::taste(this, zustand.Hilfedatei, Kalenderthema);
    platziereFenster(this);
}

void TFKal::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    // The window may be shown again on a later day.
    if (m_markiert != heute())
        heuteMarkieren();
}

void TFKal::heuteMarkieren()
{
    if (m_markiert.isValid())
        m_kalender->setDateTextFormat(m_markiert, QTextCharFormat());
    m_markiert = heute();
    QTextCharFormat heuteFormat;
    heuteFormat.setFontWeight(QFont::Bold);
    heuteFormat.setForeground(QColor(0xB0, 0x30, 0x30));
    heuteFormat.setBackground(QColor(0xFF, 0xE8, 0xA8));
    m_kalender->setDateTextFormat(m_markiert, heuteFormat);
    m_kalender->setSelectedDate(m_markiert);
}
