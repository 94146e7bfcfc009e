// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>

struct Zustand;

// The table of all draws, newest first: date, five numbers, Zusatzzahl.
class ZiehungsTabellenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    ZiehungsTabellenModell(const Zustand &zustand, QObject *eltern = nullptr);

    void setzeKopf(const QStringList &kopf);
    // Shows the draws as they are now.
    void neuEinlesen();

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const Zustand &m_zustand;
    QStringList m_kopf;
    int m_anzahl = 0;
};
