// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/RollbareSeite.h"

#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

QVBoxLayout *RollbareSeite(QWidget *seite, int rand, const QString &bereichsname)
{
    auto *rahmen = new QVBoxLayout(seite);
    rahmen->setContentsMargins(0, 0, 0, 0);
    auto *bereich = new QScrollArea(seite);
    if (!bereichsname.isEmpty())
        bereich->setObjectName(bereichsname);
    bereich->setWidgetResizable(true);
    bereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bereich->setFrameShape(QFrame::NoFrame);
    rahmen->addWidget(bereich);
    auto *innen = new QWidget(bereich);
    auto *spalte = new QVBoxLayout(innen);
    spalte->setContentsMargins(rand, rand, rand, rand);
    bereich->setWidget(innen);
    return spalte;
}
