#include "ui/Gitter.h"

#include <QHeaderView>
#include <QPainter>

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

void GitterZelle::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const QRect r = option.rect;
    const bool fest = index.data(GitterRolle::FesteSpalte).toBool();
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
    QFont schrift = option.font;
    schrift.setBold(!fest && index.data(GitterRolle::Fett).toBool());
    painter->setFont(schrift);
    painter->setPen(option.palette.text().color());
    // Leading blanks only centre text in a left-aligned cell; a centred cell drops them.
    QString text = index.data(Qt::DisplayRole).toString();
    if (!fest)
        text = text.trimmed();
    const QFontMetrics fm(schrift);
    // The fixed column keeps the plain left-aligned look; other cells are centred (the division
    // truncates), 2 pixels below the top, clipped to the cell.
    const int links = fest ? r.left() + 2 : r.left() + (r.width() - fm.horizontalAdvance(text)) / 2;
    painter->setClipRect(r);
    painter->drawText(QPoint(links, r.top() + 2 + fm.ascent()), text);
    painter->restore();
}
