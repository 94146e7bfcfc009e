// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Wertlabel.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

Wertlabel::Wertlabel(const QString &name, Qt::Alignment ausrichtung, const QString &muster, QWidget *eltern)
    : QLabel(eltern)
{
    setObjectName(name);
    QFont schrift = font();
    schrift.setBold(true);
    setFont(schrift);
    setAlignment(ausrichtung | Qt::AlignVCenter);
    setzeMuster(muster);
}

void Wertlabel::setzeMuster(const QString &muster)
{
    m_muster = MitBreitestenZiffern(muster, fontMetrics());
    updateGeometry();
}

QRect Wertlabel::textbereich() const { return contentsRect().adjusted(margin(), margin(), -margin(), -margin()); }

bool Wertlabel::gekuerzt() const { return fontMetrics().horizontalAdvance(text()) > textbereich().width(); }

QSize Wertlabel::sizeHint() const
{
    // Height as the label reckons it; width from the sample alone.
    const QMargins rand = contentsMargins();
    const int breite = fontMetrics().horizontalAdvance(m_muster) + rand.left() + rand.right() + 2 * margin();
    return {breite, QLabel::sizeHint().height()};
}

QSize Wertlabel::minimumSizeHint() const { return sizeHint(); }

void Wertlabel::paintEvent(QPaintEvent *ereignis)
{
    if (!gekuerzt()) {
        QLabel::paintEvent(ereignis);
        return;
    }
    QPainter maler(this);
    drawFrame(&maler);
    const QRect bereich = textbereich();
    const QString kurz = fontMetrics().elidedText(text(), Qt::ElideMiddle, bereich.width());
    style()->drawItemText(&maler, bereich, QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), kurz, foregroundRole());
}

bool Wertlabel::event(QEvent *ereignis)
{
    if (ereignis->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // Asked for at the moment of hovering, so the tooltip always matches the value shown.
        if (gekuerzt())
            QToolTip::showText(static_cast<QHelpEvent *>(ereignis)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(ereignis);
}

QString MitBreitestenZiffern(const QString &muster, const QFontMetrics &metrik)
{
    QChar breiteste = QLatin1Char('0');
    for (char ziffer = '1'; ziffer <= '9'; ++ziffer) {
        if (metrik.horizontalAdvance(QLatin1Char(ziffer)) > metrik.horizontalAdvance(breiteste))
            breiteste = QLatin1Char(ziffer);
    }
    QString text = muster;
    for (QChar &zeichen : text) {
        if (zeichen.isDigit())
            zeichen = breiteste;
    }
    return text;
}
