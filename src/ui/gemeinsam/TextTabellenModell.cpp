// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/TextTabellenModell.h"

#include "ui/gemeinsam/Gitter.h"

#include <QBrush>

TextTabellenModell::TextTabellenModell(QObject *eltern) : QAbstractTableModel(eltern) {}

void TextTabellenModell::setzeTabelle(TextTabelle tabelle)
{
    beginResetModel();
    m_tabelle = std::move(tabelle);
    endResetModel();
}

void TextTabellenModell::setzeZelle(int spalte, int zeile, const QString &text)
{
    m_tabelle.setzeZelle(spalte, zeile, text);
    if (zeile == 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, spalte, spalte);
    } else {
        const QModelIndex i = index(zeile - 1, spalte);
        Q_EMIT dataChanged(i, i);
    }
}

int TextTabellenModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : std::max(m_tabelle.zeilen() - 1, 0);
}

int TextTabellenModell::columnCount(const QModelIndex &eltern) const { return eltern.isValid() ? 0 : m_tabelle.spalten(); }

QVariant TextTabellenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid())
        return {};
    const int zeile = index.row() + 1;
    switch (rolle) {
    case Qt::DisplayRole:
        return m_tabelle.zelle(index.column(), zeile);
    case GitterRolle::FesteSpalte:
        return index.column() == 0;
    case GitterRolle::Fett:
        return m_fett;
    case Qt::BackgroundRole:
        if (m_hintergrund && index.column() > 0) {
            const QColor farbe = m_hintergrund(index.column(), zeile, m_tabelle.zelle(index.column(), zeile));
            if (farbe.isValid())
                return QBrush(farbe);
        }
        return {};
    default:
        return {};
    }
}

QVariant TextTabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole)
        return m_tabelle.zelle(abschnitt, 0);
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}
