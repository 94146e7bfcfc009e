// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Fenster.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

QWidget *findeFenster(const QString &name)
{
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it) {
        if ((*it)->objectName() == name)
            return *it;
    }
    return nullptr;
}

bool FensterOffen(const QString &name) { return findeFenster(name) != nullptr; }

namespace {

// The frame the window manager puts around a window: known once a window is shown; before
// that another window's frame stands in.
QMargins rahmen(const QWidget *fenster, const QWidget *haupt)
{
    for (const QWidget *w : {static_cast<const QWidget *>(fenster), haupt})
        if (w && w->isVisible() && w->windowHandle())
            return w->windowHandle()->frameMargins();
    // Else any shown window's frame (the start window's, while the main window is made).
    for (const QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle() && !(w->windowFlags() & Qt::FramelessWindowHint) &&
            w->windowType() != Qt::Popup)
            return w->windowHandle()->frameMargins();
    return {};
}

// Moves the window's content into a scroll area: a main window's central widget, or the layout
// of any other window with the widgets it holds.
bool rollbarMachen(QWidget *fenster)
{
    const QString name = QStringLiteral("Fensterrollbereich");
    if (fenster->findChild<QScrollArea *>(name, Qt::FindDirectChildrenOnly))
        return false;
    auto *hauptfenster = qobject_cast<QMainWindow *>(fenster);
    QWidget *inhalt = hauptfenster ? hauptfenster->centralWidget() : nullptr;
    QLayout *anordnung = hauptfenster ? nullptr : fenster->layout();
    if (!inhalt && !anordnung)
        return false;
    auto *bereich = new QScrollArea;
    bereich->setObjectName(name);
    bereich->setWidgetResizable(true);
    bereich->setFrameShape(QFrame::NoFrame);
    if (hauptfenster) {
        hauptfenster->takeCentralWidget();
        bereich->setWidget(inhalt);
        hauptfenster->setCentralWidget(bereich);
        return true;
    }
    inhalt = new QWidget;
    inhalt->setLayout(anordnung); // takes the layout, with its widgets, from the window
    bereich->setWidget(inhalt);
    auto *neu = new QVBoxLayout(fenster);
    neu->setContentsMargins(0, 0, 0, 0);
    neu->addWidget(bereich);
    return true;
}

QSize kleinsteGroesse(const QWidget *fenster)
{
    return fenster->minimumSizeHint().expandedTo(fenster->minimumSize());
}

} // namespace

void platziereFenster(QWidget *fenster)
{
    const QWidget *haupt = findeFenster(QStringLiteral("FAuswertung"));
    if (haupt == fenster || (haupt && !haupt->isVisible()))
        haupt = nullptr;
    const QScreen *schirm = haupt ? haupt->screen() : fenster->screen();
    if (!schirm)
        schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    const QRect platz = schirm->availableGeometry();
    const QMargins r = rahmen(fenster, haupt);
    const QSize innen = platz.size().shrunkBy(r);

    // A window not sized by its code gets its natural size when shown: take it now.
    if (!fenster->testAttribute(Qt::WA_Resized))
        fenster->adjustSize();
    // A layout that needs more than the size asked for gets it when the window is shown.
    QSize groesse = fenster->size().expandedTo(kleinsteGroesse(fenster));
    if (groesse.width() > innen.width() || groesse.height() > innen.height()) {
        QSize kleinste = kleinsteGroesse(fenster);
        if ((kleinste.width() > innen.width() || kleinste.height() > innen.height()) && rollbarMachen(fenster))
            kleinste = kleinsteGroesse(fenster);
        groesse = groesse.boundedTo(innen).expandedTo(kleinste);
    }
    if (groesse != fenster->size())
        fenster->resize(groesse);

    const QSize aussen = groesse.grownBy(r);
    const QRect bezug = haupt ? haupt->frameGeometry() : platz;
    QPoint ecke = bezug.center() - QPoint(aussen.width() / 2, aussen.height() / 2);
    // Inside the area; a window larger than it keeps its top-left corner in view.
    ecke.setX(std::max(platz.left(), std::min(ecke.x(), platz.right() + 1 - aussen.width())));
    ecke.setY(std::max(platz.top(), std::min(ecke.y(), platz.bottom() + 1 - aussen.height())));
    fenster->move(ecke);
}
