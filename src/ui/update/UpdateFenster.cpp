// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/update/UpdateFenster.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/update/Downloadlauf.h"
#include "ui/update/Gewinnzahlenaktualisierung.h"
#include "ui/update/Updateteile.h"
#include "ui/update/Versionspruefung.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int Hilfethema = 1080;
}

TFUpdate::TFUpdate(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QWidget(eltern, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_zustand(zustand)
{
    setObjectName(QStringLiteral("FUpdate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Fenstertitel());
    m_lauf = new Downloadlauf(zustand, this);

    auto *spalte = new QVBoxLayout(this);
    auto *haelften = new QHBoxLayout;
    m_gewinnzahlen = new Gewinnzahlenaktualisierung(zustand, *m_lauf, this);
    m_version = new Versionspruefung(zustand, *m_lauf, this);
    haelften->addWidget(m_gewinnzahlen, 1);
    haelften->addWidget(m_version, 1);
    spalte->addLayout(haelften, 1);

    auto *unten = new QHBoxLayout;
    auto *leiste = new QToolBar(this);
    leiste->setIconSize(QSize(20, 20));
    befehle.hilfeKnopf(leiste, this, Hilfethema, QStringLiteral("Hilfe zur Update-Prüfung"));
    unten->addWidget(leiste);
    unten->addStretch();
    auto *schliessen = new QPushButton(Symbole::beenden(), QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("SpeedButton1"));
    unten->addWidget(schliessen);
    spalte->addLayout(unten);

    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(m_gewinnzahlen, &Gewinnzahlenaktualisierung::gewinnreihenErsetzt, this, &TFUpdate::gewinnreihenErsetzt);

    // A fixed border, no smaller than designed, large enough for every text.
    setFixedSize(sizeHint().expandedTo(QSize(593, 289)));
}

void TFUpdate::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    if (m_gezeigt || ereignis->spontaneous())
        return;
    m_gezeigt = true;
    platziereFenster(this);
    // After the window is on screen, so that its question appears above it.
    QTimer::singleShot(0, this, &TFUpdate::anzeigen);
}

void TFUpdate::anzeigen()
{
    if (m_zustand.Ziehungen.isEmpty() && !m_lauf->laeuft()) {
        bool laden = !m_zustand.DownloadNachfragen;
        if (!laden)
            laden = Meldungen::frageJaNeinAbbrechen(
                        this, QStringLiteral("Es fehlen jegliche Gewinnreihen.") + Absatz +
                                  QStringLiteral("Soll ich deren Download gleich starten?")) == Meldungen::Antwort::Ja;
        if (laden) {
            m_gewinnzahlen->GZDownload([this](Gewinnzahlenaktualisierung::Ausgang ausgang) {
                if (ausgang == Gewinnzahlenaktualisierung::Ausgang::Gescheitert)
                    Meldungen::information(this, Updateteile::DownloadGescheitert);
                // Also after a failure, so that the button offers another try.
                m_gewinnzahlen->StatusAktualisieren();
            });
            return;
        }
    }
    m_gewinnzahlen->StatusAktualisieren();
}

void TFUpdate::closeEvent(QCloseEvent *ereignis)
{
    // A running download ends through its own "Abbrechen".
    if (m_lauf->laeuft())
        ereignis->ignore();
    else
        QWidget::closeEvent(ereignis);
}
