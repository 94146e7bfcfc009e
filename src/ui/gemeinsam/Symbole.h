// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

class QPainter;
class QRectF;

// The program's small pictures, painted so they look the same on every desktop.
namespace Symbole {
QIcon symbol(const QString &zeichen, const QColor &farbe);
QIcon beenden();
QIcon eingabe();
QIcon nUeberK();
QIcon statistik();
QIcon rechner();
QIcon update();
QIcon kalender();
QIcon zufall();
QIcon hilfe();
QIcon kopieren();
QIcon loeschen();
QIcon abbrechen();
QIcon hinzufuegen();
QIcon zeigen();
QIcon schliessenAlle();
QIcon schliessenEins();
QIcon internet();
QIcon quoten();
// The program's own icon, in every size it is installed in.
QIcon programm();
// A lottery ball with its number, lit from the upper left.
void maleKugel(QPainter &p, const QRectF &kugel, int zahl, const QColor &farbe);
} // namespace Symbole
