// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/StatistikGitter.h"

#include "model/Textzellen.h"
#include "ui/gemeinsam/Gitter.h"

#include <QHeaderView>
#include <QScrollBar>

QStringList richteSpaltenEin(Gitter *gitter, const QStringList &kopf, const QList<int> &breiten,
                             const QStringList &muster)
{
    const Textmesser messen = [gitter](const QString &t) { return gitter->textbreite(t); };
    QStringList zentriert;
    for (int c = 0; c < kopf.size(); ++c) {
        int breite = breiten.value(c);
        // Room for the cell's own margins and the bold type some grids use.
        breite = std::max(breite, gitter->textbreite(muster.value(c)) + 10);
        breite = std::max(breite, gitter->textbreite(kopf[c]) + 8);
        gitter->setColumnWidth(c, breite);
        zentriert << (kopf[c].startsWith(QLatin1Char(' ')) ? kopf[c] : Zentrieren(kopf[c], breite, messen));
    }
    return zentriert;
}

int gitterbreite(const Gitter *gitter)
{
    int breite = 2 * gitter->frameWidth();
    for (int c = 0; c < gitter->horizontalHeader()->count(); ++c)
        breite += gitter->columnWidth(c);
    if (gitter->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        breite += gitter->verticalScrollBar()->sizeHint().width();
    return breite;
}
