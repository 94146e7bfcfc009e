// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/TextGitter.h"

#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextTabellenModell.h"

#include <QHeaderView>

#include <algorithm>

Gitter *TextGitter(const QString &name, TextTabelle tabelle, QWidget *eltern)
{
    auto *g = new Gitter(eltern);
    g->setObjectName(name);
    auto *modell = new TextTabellenModell(g);
    for (int s = 0; s < tabelle.spalten(); ++s) {
        int breite = g->kopfbreite(tabelle.zelle(s, 0));
        // Enough rows to find the widest value of a long list; the rest look alike.
        for (int z = 1; z < std::min(tabelle.zeilen(), 2000); ++z)
            breite = std::max(breite, g->zellenbreite(tabelle.zelle(s, z), false));
        tabelle.setzeSpaltenbreite(s, breite);
    }
    modell->setzeTabelle(tabelle);
    g->setModel(modell);
    for (int s = 0; s < tabelle.spalten(); ++s)
        g->setColumnWidth(s, tabelle.spaltenbreite(s));
    return g;
}

QSize GanzeGroesse(const Gitter *gitter)
{
    const int rahmen = 2 * gitter->frameWidth();
    int breite = rahmen;
    for (int s = 0; s < gitter->model()->columnCount(); ++s)
        breite += gitter->columnWidth(s);
    int hoehe = rahmen + gitter->horizontalHeader()->height();
    for (int z = 0; z < gitter->model()->rowCount(); ++z)
        hoehe += gitter->rowHeight(z);
    return {breite, hoehe};
}
