// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnauswertung.h"

#include <QAbstractTableModel>
#include <QStringList>

// The result list of an evaluation; texts are made when a row is painted, so half a
// million result rows cost no more than the rows on screen.
class ErgebnisModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ErgebnisModell(QObject *eltern = nullptr);

    void setzeKopf(const QStringList &kopf);
    void setzeErgebnis(Auswertungsergebnis ergebnis);
    const Auswertungsergebnis &ergebnis() const { return m_ergebnis; }

    // The 1-based result row painted in the highlight colour; 0 for none.
    void setzeMarke(int marke);
    int marke() const { return m_marke; }

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    Auswertungsergebnis m_ergebnis;
    QStringList m_kopf;
    int m_marke = 0;
};
