// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generator/Zufallsreihen.h"
#include "model/Zahlenmenge.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

// Shows the generated rows in the grid GZuf straight from their compact form: the row number,
// the five numbers and the Zusatzzahl. A cell holding a bank number is green, one holding a
// favourite blue, by the selection of the moment. Before the first run the grid shows empty rows.
class ZufallsreihenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The numbers the cells are coloured by.
    using Auswahl = std::function<void(Zahlenmenge &bank, Zahlenmenge &fav)>;

    ZufallsreihenModell(Auswahl auswahl, QObject *eltern);

    void setzeReihen(Zufallsreihen reihen);
    const Zufallsreihen &reihen() const { return m_reihen; }
    // The header captions "Reihe", "Z1".."Z5", "ZZ", already centred.
    void setzeKopf(const QStringList &kopf) { m_kopf = kopf; }

    static constexpr int LeereZeilen = 19;

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    // The number a cell stands for, 0 for none.
    int wert(int zeile, int spalte) const;

    Zufallsreihen m_reihen;
    Auswahl m_auswahl;
    QStringList m_kopf;
    int m_festerWert = 0; // the fixed Zusatzzahl as a number
};
