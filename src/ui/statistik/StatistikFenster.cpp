// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/StatistikFenster.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/hilfe/Hilfe.h"
#include "ui/statistik/FrStatistik.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
enum Hilfethema { Startthema = 1010, Statistikthema = 1060 };
constexpr int Clienthoehe = 784;
} // namespace

TFStatistik::TFStatistik(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QMainWindow(eltern), m_zustand(zustand), m_befehle(befehle)
{
    setObjectName(QStringLiteral("FStatistik"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel());

    auto *mitte = new QWidget(this);
    auto *rand = new QVBoxLayout(mitte);
    rand->setContentsMargins(5, 0, 5, 5);
    m_frame = new TFfrStatistik(m_zustand, mitte);
    rand->addWidget(m_frame);
    setCentralWidget(mitte);
    // Queued: the window may close, and the update window may run its own event loop, only
    // after the handler that asked has returned.
    connect(m_frame, &TFfrStatistik::downloadbereichGewuenscht, this, &TFStatistik::oeffneDownloadbereich,
            Qt::QueuedConnection);

    baueWerkzeugleiste();
    baueMenue();
    resize(sizeHint().width(), Clienthoehe);
    platziereFenster(this);

    // The window has no owner; it goes when the event loop ends, before the command set.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { delete this; });
}

void TFStatistik::baueWerkzeugleiste()
{
    using A = Befehle::Art;
    m_befehle.werkzeugleiste(this, {A::Eingabe, A::Update, A::NueberK, A::Kalender, A::Rechner}, Statistikthema,
                             QStringLiteral("Hilfe zur Statistik"));
}

void TFStatistik::baueMenue()
{
    using A = Befehle::Art;
    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    connect(datei->addAction(QStringLiteral("&Beenden")), &QAction::triggered, this, &QWidget::close);

    QMenu *extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    m_befehle.menueeintrag(extras, QStringLiteral("&n über k berechnen"), A::NueberK);
    m_befehle.menueeintrag(extras, QStringLiteral("&Kalender"), A::Kalender);
    m_befehle.menueeintrag(extras, QStringLiteral("Taschen&rechner"), A::Rechner);
    m_befehle.menueeintrag(extras, QStringLiteral("&Update-Prüfung"), A::Update);

    QMenu *hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    const QString hilfedatei = m_zustand.Hilfedatei;
    connect(hilfe->addAction(QStringLiteral("&Inhalt")), &QAction::triggered, this,
            [hilfedatei] { Hilfe::zeigeThema(hilfedatei, Startthema); });
    connect(hilfe->addAction(QStringLiteral("In Hilfe &suchen...")), &QAction::triggered, this,
            [hilfedatei] { Hilfe::zeigeSuche(hilfedatei); });
    m_befehle.menueeintrag(hilfe, QStringLiteral("&Update-Prüfung"), A::Update);
    m_befehle.menueeintrag(hilfe, QStringLiteral("Programm-&Info"), A::Info);
}

void TFStatistik::oeffneDownloadbereich()
{
    m_zustand.DownloadNachfragen = false;
    QAction *update = m_befehle.aktion(Befehle::Art::Update);
    const QPointer<TFStatistik> selbst(this);
    if (update->isEnabled())
        update->trigger();
    // The update window may have let this one close meanwhile.
    if (selbst)
        close();
}
