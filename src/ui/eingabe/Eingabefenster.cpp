// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/eingabe/Eingabefenster.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Fenster.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/eingabe/Eingabeseiten.h"
#include "ui/eingabe/Textrahmen.h"
#include "ui/eingabe/Tippscheinrahmen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const QString Abschnitt = QStringLiteral("Eingabe");
constexpr int Hilfethema = 1040;
} // namespace

TFEingabe::TFEingabe(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QWidget(eltern, Qt::Window), m_zustand(zustand), m_einstellungen(zustand.einstellungsdatei())
{
    setObjectName(QStringLiteral("FEingabe"));
    setWindowTitle(Fenstertitel());

    auto *senkrecht = new QVBoxLayout(this);
    senkrecht->setContentsMargins(0, 0, 0, 4);
    senkrecht->setSpacing(4);
    senkrecht->addWidget(baueWerkzeugleiste(befehle));

    auto *flaeche = new QHBoxLayout;
    flaeche->setContentsMargins(6, 0, 6, 0);
    flaeche->setSpacing(8);
    auto *linksUndMitte = new QVBoxLayout;
    auto *einleitung = new QLabel(
        QStringLiteral("Ihre Tippzahlen k\u00F6nnen Sie manuell  in nachstehendes Textfeld eingeben oder importieren. "
                       "Auch eine existierende Tippscheindatei kann eingelesen werden."),
        this);
    einleitung->setObjectName(QStringLiteral("LEinleitung"));
    einleitung->setWordWrap(true);
    linksUndMitte->addWidget(einleitung);
    auto *spalten = new QHBoxLayout;
    spalten->setSpacing(8);
    spalten->addWidget(baueLinks());
    m_mitte = new Textrahmen(this);
    spalten->addWidget(m_mitte, 1);
    linksUndMitte->addLayout(spalten, 1);
    flaeche->addLayout(linksUndMitte, 3);
    m_rechts = new Tippscheinrahmen(zustand, this);
    flaeche->addWidget(m_rechts, 1);
    senkrecht->addLayout(flaeche, 1);
    senkrecht->addWidget(baueFussleiste());

    connect(m_zahlentasten, &Zahlentastenseite::zahlGeklickt, m_mitte, &Textrahmen::ZahlAnhaengen);
    connect(m_dateiseite, &Dateiseite::zeilenFuerTextfeld, m_mitte, &Textrahmen::ZeilenAnhaengen);
    connect(m_dateiseite, &Dateiseite::anteileGelesen, m_rechts, &Tippscheinrahmen::setzeAnteile);
    connect(m_mitte, &Textrahmen::reihenGeprueft, m_rechts, &Tippscheinrahmen::ReihenEintragen);

    resize(980, 473);
}

QWidget *TFEingabe::baueWerkzeugleiste(Befehle &befehle)
{
    using A = Befehle::Art;
    auto *leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setIconSize(QSize(24, 24));
    leiste->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Befehle::schliessenKnopf(leiste, this);
    for (A art : {A::Statistik, A::Update, A::NueberK, A::Kalender, A::Rechner})
        befehle.knopf(leiste, art);
    befehle.fensterknoepfe(leiste, this);
    auto *abstand = new QWidget(leiste);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);
    befehle.hilfeKnopf(leiste, this, Hilfethema, QStringLiteral("Hilfe zur Tippschein-Eingabe"));
    return leiste;
}

QWidget *TFEingabe::baueLinks()
{
    m_pc1 = new QTabWidget(this);
    m_pc1->setObjectName(QStringLiteral("PC1"));
    m_zahlentasten = new Zahlentastenseite(m_pc1);
    m_dateiseite = new Dateiseite(m_zustand, m_pc1);
    m_pc1->addTab(m_zahlentasten, QStringLiteral("Manuelle Eingabe"));
    m_pc1->addTab(m_dateiseite, QStringLiteral("Datei einlesen"));
    // As wide as the seven columns of number buttons and the page's margins.
    m_pc1->setFixedWidth(7 * 41 + 24);
    return m_pc1;
}

QWidget *TFEingabe::baueFussleiste()
{
    auto *fuss = new QWidget(this);
    auto *zeile = new QHBoxLayout(fuss);
    zeile->setContentsMargins(6, 0, 6, 0);
    zeile->addStretch();
    auto *schliessen = new QPushButton(Symbole::beenden(), QStringLiteral("Schlie\u00DFen"), fuss);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    zeile->addWidget(schliessen);
    return fuss;
}

void TFEingabe::zeigen()
{
    if (!m_schonGezeigt)
        platziereFenster(this);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFEingabe::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    // A window coming back from the task bar is no new showing.
    if (!ereignis->spontaneous())
        EinstellungenLesen();
    m_schonGezeigt = true;
}

void TFEingabe::closeEvent(QCloseEvent *ereignis)
{
    EinstellungenSchreiben();
    // Only hidden: the window lives as long as the program.
    ereignis->accept();
}

void TFEingabe::EinstellungenLesen()
{
    if (!m_einstellungen.EinstellungenDa())
        return;
    const bool ueberschreiben = m_einstellungen.LeseFlag(Abschnitt, QStringLiteral("overwrite1"), false);
    const bool anhaengen = m_einstellungen.LeseFlag(Abschnitt, QStringLiteral("overwrite2"), true);
    // Both keys are read as the two buttons were set one after the other: append wins when both
    // are set, and when neither is, the transfer appends as well.
    m_mitte->setzeUeberschreiben(ueberschreiben && !anhaengen);
    const int groesse = m_einstellungen.LeseZahl(Abschnitt, QStringLiteral("Fontsize"), 10);
    if (groesse >= 6 && groesse <= 12)
        m_mitte->setzeSchriftgroesse(groesse);
}

void TFEingabe::EinstellungenSchreiben()
{
    const bool ok = m_einstellungen.SchreibeFlag(Abschnitt, QStringLiteral("overwrite1"), m_mitte->ueberschreiben()) &&
                    m_einstellungen.SchreibeFlag(Abschnitt, QStringLiteral("overwrite2"), !m_mitte->ueberschreiben()) &&
                    m_einstellungen.SchreibeZahl(Abschnitt, QStringLiteral("Fontsize"), m_mitte->schriftgroesse());
    if (!ok)
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
}
