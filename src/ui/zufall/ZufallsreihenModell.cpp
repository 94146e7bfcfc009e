// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/ZufallsreihenModell.h"

#include "ui/gemeinsam/Gitter.h"

#include <QBrush>
#include <QColor>

namespace {
const QColor Bankfarbe(179, 255, 179);
const QColor Favoritenfarbe(40, 184, 255);
} // namespace

ZufallsreihenModell::ZufallsreihenModell(Auswahl auswahl, QObject *eltern)
    : QAbstractTableModel(eltern), m_auswahl(std::move(auswahl))
{
}

void ZufallsreihenModell::setzeReihen(Zufallsreihen reihen)
{
    beginResetModel();
    m_reihen = std::move(reihen);
    m_festerWert = m_reihen.festeZusatzzahl().toInt();
    endResetModel();
}

int ZufallsreihenModell::rowCount(const QModelIndex &eltern) const
{
    if (eltern.isValid())
        return 0;
    return m_reihen.leer() ? LeereZeilen : m_reihen.anzahl();
}

int ZufallsreihenModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : TippreihenSpalten;
}

int ZufallsreihenModell::wert(int zeile, int spalte) const
{
    if (zeile >= m_reihen.anzahl() || spalte < 1)
        return 0;
    if (spalte <= ZahlenProReihe)
        return m_reihen.zahl(zeile, spalte - 1);
    return m_reihen.festeZusatzzahl().isEmpty() ? m_reihen.gezogeneZusatzzahl(zeile) : m_festerWert;
}

QVariant ZufallsreihenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= m_reihen.anzahl())
        return rolle == GitterRolle::FesteSpalte ? QVariant(index.column() == 0) : QVariant();
    const int zeile = index.row();
    const int spalte = index.column();
    switch (rolle) {
    case Qt::DisplayRole:
        if (spalte == 0)
            return QString::number(zeile + 1);
        if (spalte == TippreihenSpalten - 1)
            return m_reihen.zusatzzahl(zeile);
        return QString::number(m_reihen.zahl(zeile, spalte - 1));
    case GitterRolle::FesteSpalte:
        return spalte == 0;
    case Qt::BackgroundRole: {
        const int n = wert(zeile, spalte);
        if (!istZahl(n))
            return {};
        Zahlenmenge bank, fav;
        m_auswahl(bank, fav);
        if (bank.enthaelt(static_cast<std::uint8_t>(n)))
            return QBrush(Bankfarbe);
        if (fav.enthaelt(static_cast<std::uint8_t>(n)))
            return QBrush(Favoritenfarbe);
        return {};
    }
    default:
        return {};
    }
}

QVariant ZufallsreihenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole)
        return m_kopf.value(abschnitt);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}
