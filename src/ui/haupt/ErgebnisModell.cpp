// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/ErgebnisModell.h"

#include "ui/gemeinsam/Gitter.h"

#include <QBrush>
#include <QColor>

ErgebnisModell::ErgebnisModell(QObject *eltern) : QAbstractTableModel(eltern) {}

void ErgebnisModell::setzeKopf(const QStringList &kopf)
{
    m_kopf = kopf;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ErgebnisSpalten - 1);
}

void ErgebnisModell::setzeErgebnis(Auswertungsergebnis ergebnis)
{
    beginResetModel();
    m_ergebnis = std::move(ergebnis);
    endResetModel();
}

void ErgebnisModell::setzeMarke(int marke)
{
    m_marke = marke;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ErgebnisSpalten - 1), {Qt::BackgroundRole});
}

int ErgebnisModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_ergebnis.zeilen.size());
}

int ErgebnisModell::columnCount(const QModelIndex &eltern) const { return eltern.isValid() ? 0 : ErgebnisSpalten; }

QVariant ErgebnisModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid())
        return {};
    switch (rolle) {
    case Qt::DisplayRole:
        return Ergebnistext(m_ergebnis, index.row(), index.column());
    case GitterRolle::FesteSpalte:
        return index.column() == 0;
    case GitterRolle::Fett:
        return true;
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return {}; // the fixed column keeps the grid's own look
        return QBrush(m_marke > 0 && index.row() + 1 == m_marke ? QColor(185, 241, 253) : QColor(Qt::white));
    default:
        return {};
    }
}

QVariant ErgebnisModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < m_kopf.size())
        return m_kopf[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}
