// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/ZiehungsTabellenModell.h"

#include "model/Datum.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Gitter.h"

ZiehungsTabellenModell::ZiehungsTabellenModell(const Zustand &zustand, QObject *eltern)
    : QAbstractTableModel(eltern), m_zustand(zustand)
{
}

void ZiehungsTabellenModell::setzeKopf(const QStringList &kopf)
{
    m_kopf = kopf;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ZiehungsTabellenModell::neuEinlesen()
{
    beginResetModel();
    m_anzahl = static_cast<int>(m_zustand.Ziehungen.size());
    endResetModel();
}

int ZiehungsTabellenModell::rowCount(const QModelIndex &eltern) const { return eltern.isValid() ? 0 : m_anzahl; }

int ZiehungsTabellenModell::columnCount(const QModelIndex &eltern) const { return eltern.isValid() ? 0 : 7; }

QVariant ZiehungsTabellenModell::data(const QModelIndex &index, int rolle) const
{
    const int n = static_cast<int>(m_zustand.Ziehungen.size());
    if (!index.isValid() || index.row() >= m_anzahl || m_anzahl > n)
        return {};
    if (rolle == GitterRolle::FesteSpalte)
        return index.column() == 0;
    if (rolle != Qt::DisplayRole)
        return {};
    // Row 0 of the view is the newest draw.
    const TGewZahlen &z = m_zustand.Ziehungen[n - 1 - index.row()];
    if (index.column() == 0)
        return Datum::kurz(z.datum, m_zustand.Formateinstellungen);
    if (index.column() <= 5)
        return QString::number(z.GZ[static_cast<std::size_t>(index.column() - 1)]);
    return QString::number(z.bonus);
}

QVariant ZiehungsTabellenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < m_kopf.size())
        return m_kopf[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}
