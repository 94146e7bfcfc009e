// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

// Whether one of the application's windows carries exactly this instance name.
bool FensterOffen(const QString &name);
// That window, or nullptr; the window list is searched from its last entry to its first.
QWidget *findeFenster(const QString &name);

// Opens a tool window or restores the open one: a minimised window is shown normal again.
// `erzeugen` makes the window when none of that name exists.
template <class Erzeuger>
QWidget *oeffneOderHole(const QString &name, Erzeuger erzeugen, bool nachVorne = true)
{
    QWidget *fenster = findeFenster(name);
    if (fenster) {
        fenster->setWindowState(fenster->windowState() & ~Qt::WindowMinimized);
    } else {
        fenster = erzeugen();
        fenster->setObjectName(name);
    }
    fenster->show();
    if (nachVorne) {
        fenster->raise();
        fenster->activateWindow();
    }
    return fenster;
}

// Places a window that is about to be shown inside the available area of the screen: centred
// over the main window (over the screen while there is none) where it fits, otherwise moved
// inside. A window larger than that area opens at its top-left, shrunk to it as far as its
// layout allows, and its content becomes scrollable beyond that.
void platziereFenster(QWidget *fenster);
