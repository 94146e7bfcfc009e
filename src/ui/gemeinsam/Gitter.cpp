// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Gitter.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace {
// Room beside a cell's text: the fixed column starts its text 2 pixels in, the grid line takes one.
constexpr int Zellenrand = 6;

bool istFest(const QModelIndex &index) { return index.data(GitterRolle::FesteSpalte).toBool(); }

QFont zellenschrift(const QStyleOptionViewItem &option, const QModelIndex &index)
{
    QFont schrift = option.font;
    schrift.setBold(!istFest(index) && index.data(GitterRolle::Fett).toBool());
    return schrift;
}

// Leading blanks only centre text in a left-aligned cell; a centred cell drops them.
QString zellentext(const QModelIndex &index)
{
    const QString text = index.data(Qt::DisplayRole).toString();
    return istFest(index) ? text : text.trimmed();
}

// Width the text may take in the cell.
int textraum(const QRect &zelle, bool fest) { return zelle.width() - (fest ? 3 : 1); }
} // namespace

Gitter::Gitter(QWidget *eltern) : QTableView(eltern)
{
    setItemDelegate(new GitterZelle(this));
    QFont schrift = font();
    schrift.setPointSize(8);
    setFont(schrift);
    horizontalHeader()->setFont(schrift);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Header captions carry their own leading blanks for centring.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(10);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

int Gitter::textbreite(const QString &text) const { return fontMetrics().horizontalAdvance(text); }

int Gitter::sichtbareGanzeZeilen() const
{
    const int zeilenhoehe = verticalHeader()->defaultSectionSize();
    return zeilenhoehe > 0 ? viewport()->height() / zeilenhoehe : 0;
}

int Gitter::zellenbreite(const QString &muster, bool fett) const
{
    QFont schrift = font();
    schrift.setBold(fett);
    return QFontMetrics(schrift).horizontalAdvance(muster) + Zellenrand;
}

int Gitter::kopfbreite(const QString &text) const
{
    QHeaderView *kopf = horizontalHeader();
    const int rand = kopf->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, kopf);
    return kopf->fontMetrics().horizontalAdvance(text) + 2 * rand + 2;
}

void GitterZelle::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const QRect r = option.rect;
    const bool fest = istFest(index);
    QBrush hintergrund = index.data(Qt::BackgroundRole).value<QBrush>();
    if (hintergrund.style() == Qt::NoBrush)
        hintergrund = fest ? option.palette.button() : QBrush(Qt::white);
    painter->fillRect(r, hintergrund);
    if (fest) {
        painter->setPen(option.palette.mid().color());
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    } else {
        painter->setPen(QColor(0xD0, 0xD0, 0xD0));
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    }
    const QFont schrift = zellenschrift(option, index);
    painter->setFont(schrift);
    painter->setPen(option.palette.text().color());
    QString text = zellentext(index);
    const QFontMetrics fm(schrift);
    if (fm.horizontalAdvance(text) > textraum(r, fest))
        text = fm.elidedText(text, Qt::ElideMiddle, textraum(r, fest));
    // The fixed column keeps the plain left-aligned look; other cells are centred (the division
    // truncates), 2 pixels below the top, clipped to the cell.
    const int links = fest ? r.left() + 2 : r.left() + (r.width() - fm.horizontalAdvance(text)) / 2;
    painter->setClipRect(r);
    painter->drawText(QPoint(links, r.top() + 2 + fm.ascent()), text);
    painter->restore();
}

bool GitterZelle::helpEvent(QHelpEvent *ereignis, QAbstractItemView *ansicht, const QStyleOptionViewItem &option,
                            const QModelIndex &index)
{
    if (ereignis && ereignis->type() == QEvent::ToolTip && index.isValid() && !index.data(Qt::ToolTipRole).isValid()) {
        const QString text = zellentext(index);
        const QFontMetrics fm(zellenschrift(option, index));
        if (fm.horizontalAdvance(text) > textraum(option.rect, istFest(index)))
            QToolTip::showText(ereignis->globalPos(), text, ansicht->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }
    return QStyledItemDelegate::helpEvent(ereignis, ansicht, option, index);
}
