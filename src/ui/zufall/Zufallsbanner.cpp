// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Zufallsbanner.h"

#include "ui/gemeinsam/Befehle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>

namespace {
QPixmap bannerbild(QSize groesse, qreal pixelverhaeltnis)
{
    QPixmap bild(groesse * pixelverhaeltnis);
    bild.setDevicePixelRatio(pixelverhaeltnis);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, groesse.width(), groesse.height());
    verlauf.setColorAt(0, QColor(0, 55, 55));
    verlauf.setColorAt(1, QColor(0, 122, 153));
    p.fillRect(QRect(QPoint(0, 0), groesse), verlauf);
    p.setPen(QColor(183, 255, 183));
    QFont gross(QStringLiteral("DejaVu Sans"));
    gross.setBold(true);
    gross.setPixelSize(groesse.height() * 3 / 10);
    p.setFont(gross);
    const QRect oben(8, 2, groesse.width() - 16, groesse.height() / 2);
    p.drawText(oben, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Mehr Spaß beim Tippen?"));
    QFont klein = gross;
    klein.setBold(false);
    klein.setPixelSize(groesse.height() / 4);
    p.setFont(klein);
    p.setPen(Qt::white);
    const QRect unten(8, groesse.height() / 2 + 2, groesse.width() - 16, groesse.height() / 2 - 4);
    p.drawText(unten, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Unsere weiteren Programme \u2192"));
    return bild;
}
} // namespace

QToolButton *Zufallsbanner(const Befehle &befehle, int breite, QWidget *eltern)
{
    auto *banner = new QToolButton(eltern);
    banner->setObjectName(QStringLiteral("Image2"));
    const QSize groesse(breite, 50);
    banner->setIcon(QIcon(bannerbild(groesse, eltern->devicePixelRatioF())));
    banner->setIconSize(groesse);
    banner->setAutoRaise(true);
    banner->setCursor(Qt::PointingHandCursor);
    const QString hinweis = QStringLiteral("Zu unseren weiteren Programmen");
    banner->setToolTip(hinweis);
    banner->setAccessibleName(hinweis);
    befehle.verbinde(banner, Befehle::Art::Produkt);
    return banner;
}
