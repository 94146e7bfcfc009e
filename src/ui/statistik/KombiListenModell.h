// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Kombistatistik.h"

#include <QAbstractTableModel>
#include <QStringList>

// A ranked list of combinations under "Rang", "Kombi" and "Anz.". The texts are made when a
// row is painted, so a list of every quadruple costs no more to show than a short one.
class KombiListenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit KombiListenModell(QObject *eltern = nullptr);

    void setzeKopf(const QStringList &kopf);
    void setzeListe(Rangliste liste);
    const Rangliste &liste() const { return m_liste; }

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    Rangliste m_liste;
    QStringList m_kopf;
};
