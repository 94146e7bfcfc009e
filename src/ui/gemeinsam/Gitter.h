// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

// A grid in the program's look: the header row is the view's horizontal header, the first
// column is a fixed column drawn like a header, and every other cell is filled by the
// delegate below: background first, then the text centred, 2 pixels below the cell's top.
class Gitter : public QTableView
{
    Q_OBJECT
public:
    explicit Gitter(QWidget *eltern = nullptr);

    // Width and font of the text measurement used to centre header captions.
    int textbreite(const QString &text) const;
    // Number of whole rows that fit the visible height.
    int sichtbareGanzeZeilen() const;

    // Column width at which the cell text `muster` shows whole, in plain or bold type.
    int zellenbreite(const QString &muster, bool fett) const;
    // Column width at which the header caption `text` shows whole.
    int kopfbreite(const QString &text) const;
};

// Roles a grid model may answer besides the display text.
namespace GitterRolle {
inline constexpr int Fett = Qt::UserRole + 1;        // bool: bold text
inline constexpr int FesteSpalte = Qt::UserRole + 2; // bool: drawn like a header cell
} // namespace GitterRolle

// A text wider than its cell is elided in the middle; hovering the cell shows the full text.
class GitterZelle : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *ereignis, QAbstractItemView *ansicht, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
