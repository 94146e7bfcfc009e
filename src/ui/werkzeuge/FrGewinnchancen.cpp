// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/werkzeuge/FrGewinnchancen.h"

#include "evaluation/Gewinnchancen.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextGitter.h"

#include <QLabel>
#include <QVBoxLayout>

FrGewinnchancen::FrGewinnchancen(const QLocale &locale, QWidget *eltern)
    : QGroupBox(QStringLiteral("Gewinnchancen einer Tippreihe"), eltern)
{
    setObjectName(QStringLiteral("FrGewinnchancen"));
    auto *spalte = new QVBoxLayout(this);
    Gitter *gitter = TextGitter(QStringLiteral("GChancen"), GewinnchancenTabelle(locale), this);
    gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gitter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Twelve short rows: the whole table shows, nothing to scroll.
    gitter->setFixedSize(GanzeGroesse(gitter));
    spalte->addWidget(gitter);
    auto *hinweis = new QLabel(QStringLiteral("Chance: einmal in so vielen Ziehungen. Erwartung: was eine Reihe "
                                              "je Ziehung im Mittel gewinnt, bei festen Gewinnbetr\u00E4gen."),
                               this);
    hinweis->setObjectName(QStringLiteral("LChancenHinweis"));
    hinweis->setWordWrap(true);
    spalte->addWidget(hinweis);
}
