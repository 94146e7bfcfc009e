// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/KombiListenModell.h"

#include "ui/gemeinsam/Gitter.h"

KombiListenModell::KombiListenModell(QObject *eltern) : QAbstractTableModel(eltern) {}

void KombiListenModell::setzeKopf(const QStringList &kopf)
{
    m_kopf = kopf;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void KombiListenModell::setzeListe(Rangliste liste)
{
    beginResetModel();
    m_liste = std::move(liste);
    endResetModel();
}

int KombiListenModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_liste.size());
}

int KombiListenModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : 3;
}

QVariant KombiListenModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (rolle == GitterRolle::FesteSpalte)
        return index.column() == 0;
    if (rolle != Qt::DisplayRole)
        return {};
    const Rangzeile &z = m_liste[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1);
    case 1:
        return Kombitext(z);
    case 2:
        return QString::number(z.Anzahl);
    default:
        return {};
    }
}

QVariant KombiListenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < m_kopf.size())
        return m_kopf[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}
