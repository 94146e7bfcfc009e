// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Symbole.h"

#include <QPainter>
#include <QPixmap>

namespace Symbole {

QIcon symbol(const QString &zeichen, const QColor &farbe)
{
    QIcon icon;
    for (int groesse : {16, 24, 32}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        p.drawRoundedRect(QRectF(0.5, 0.5, groesse - 1, groesse - 1), groesse / 5.0, groesse / 5.0);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(zeichen.size() > 1 ? groesse * 9 / 20 : groesse * 2 / 3);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, groesse, groesse), Qt::AlignCenter, zeichen);
        icon.addPixmap(bild);
    }
    return icon;
}

QIcon beenden() { return symbol(QStringLiteral("\u2715"), QColor(0xB0, 0x30, 0x30)); }
QIcon eingabe() { return symbol(QStringLiteral("\u270E"), QColor(0x2F, 0x6F, 0xD6)); }
QIcon nUeberK() { return symbol(QStringLiteral("nk"), QColor(0x6A, 0x4C, 0x9C)); }
QIcon statistik() { return symbol(QStringLiteral("\u2211"), QColor(0x1E, 0x88, 0x5A)); }
QIcon rechner() { return symbol(QStringLiteral("\u00B1"), QColor(0x55, 0x5F, 0x6B)); }
QIcon update() { return symbol(QStringLiteral("\u21E9"), QColor(0x00, 0x7A, 0x99)); }
QIcon kalender() { return symbol(QStringLiteral("31"), QColor(0xC0, 0x62, 0x1A)); }
QIcon zufall() { return symbol(QStringLiteral("\u2684"), QColor(0x8A, 0x6D, 0x00)); }
QIcon hilfe() { return symbol(QStringLiteral("?"), QColor(0x2F, 0x6F, 0xD6)); }
QIcon kopieren() { return symbol(QStringLiteral("\u274F"), QColor(0x55, 0x5F, 0x6B)); }
QIcon loeschen() { return symbol(QStringLiteral("\u232B"), QColor(0xB0, 0x30, 0x30)); }
QIcon abbrechen() { return symbol(QStringLiteral("\u2715"), QColor(0xB0, 0x30, 0x30)); }
QIcon hinzufuegen() { return symbol(QStringLiteral("+"), QColor(0x1E, 0x88, 0x5A)); }
QIcon zeigen() { return symbol(QStringLiteral("\u2192"), QColor(0x2F, 0x6F, 0xD6)); }
QIcon schliessenAlle() { return symbol(QStringLiteral("\u2715\u2715"), QColor(0xB0, 0x30, 0x30)); }
QIcon schliessenEins() { return symbol(QStringLiteral("\u2715"), QColor(0xC0, 0x62, 0x1A)); }
QIcon internet() { return symbol(QStringLiteral("www"), QColor(0x00, 0x7A, 0x99)); }
QIcon quoten() { return symbol(QStringLiteral("\u20AC"), QColor(0x1E, 0x88, 0x5A)); }

QIcon programm()
{
    QIcon icon;
    for (int groesse : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/symbole/%1/quintaro-analyser.png").arg(groesse), QSize(groesse, groesse));
    return icon;
}

void maleKugel(QPainter &p, const QRectF &kugel, int zahl, const QColor &farbe)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glanz(kugel.center() - QPointF(kugel.width() / 5, kugel.height() / 5), kugel.width() * 0.7);
    glanz.setColorAt(0, Qt::white);
    glanz.setColorAt(0.35, farbe);
    glanz.setColorAt(1, farbe.darker(160));
    p.setPen(Qt::NoPen);
    p.setBrush(glanz);
    p.drawEllipse(kugel);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    schrift.setPixelSize(qRound(kugel.height() * 0.35));
    p.setFont(schrift);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(kugel, Qt::AlignCenter, QString::number(zahl));
    p.restore();
}

} // namespace Symbole
