// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/hilfe/Hilfe.h"

#include "ui/hilfe/HilfeFenster.h"

#include <QCoreApplication>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace {
QPointer<HilfeFenster> s_fenster;

HilfeFenster *sicherstellen()
{
    if (!s_fenster) {
        s_fenster = new HilfeFenster;
        // The window has no owner; it goes when the event loop ends, like the main window.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, s_fenster,
                         [] { delete s_fenster.data(); });
    }
    return s_fenster;
}
} // namespace

namespace Hilfe {
void zeigeThema(const QString &hilfedatei, int thema)
{
    sicherstellen()->zeigeThema(hilfedatei, thema);
}

void zeigeSuche(const QString &hilfedatei)
{
    sicherstellen()->zeigeSuche(hilfedatei);
}

void taste(QWidget *fenster, const QString &hilfedatei, int thema)
{
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, fenster, [hilfedatei, thema] { zeigeThema(hilfedatei, thema); });
}

HilfeFenster *fenster()
{
    return s_fenster;
}
} // namespace Hilfe
