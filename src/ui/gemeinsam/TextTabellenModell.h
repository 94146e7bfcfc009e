// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textzellen.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>

// Shows a grid of text cells: its row 0 as the header, rows 1.. as the data rows, column 0
// as the fixed column.
class TextTabellenModell : public QAbstractTableModel
{
    Q_OBJECT
public:
    using Hintergrund = std::function<QColor(int spalte, int zeile, const QString &text)>;

    explicit TextTabellenModell(QObject *eltern = nullptr);

    const TextTabelle &tabelle() const { return m_tabelle; }
    // Replaces the whole grid.
    void setzeTabelle(TextTabelle tabelle);
    void setzeZelle(int spalte, int zeile, const QString &text);

    // The background of a data cell; an invalid colour leaves the grid's white. Evaluated
    // while painting, so it follows the state of the moment.
    void setzeHintergrund(Hintergrund hintergrund) { m_hintergrund = std::move(hintergrund); }
    void setzeFett(bool fett) { m_fett = fett; }

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    TextTabelle m_tabelle;
    Hintergrund m_hintergrund;
    bool m_fett = false;
};
