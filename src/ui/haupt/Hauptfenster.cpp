// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Hauptfenster.h"

#include "model/Startoptionen.h"

#include "ui/gemeinsam/Fenster.h"

#include "model/Dateien.h"
#include "model/Spiel.h"
#include "model/Starteinstellungen.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Befehle.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/haupt/Tippauswertung.h"
#include "ui/haupt/Ziehungsspalte.h"
#include "ui/gewinnreihen/Gewinnreihenaustausch.h"
#include "ui/gemeinschaft/Gemeinschaftsmenue.h"
#include "ui/hilfe/Hilfe.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {
const QString Abrechnung = QStringLiteral("Abrechnung");
const QString Preis = QStringLiteral("Preis");
const QString Spielscheine = QStringLiteral("Spielscheine");
const QString Merken = QStringLiteral("Merken");

enum Hilfethema { Startthema = 1010, Hauptfensterthema = 1030 };
} // namespace

TFAuswertung::TFAuswertung(Zustand &zustand, Befehle &befehle, QWidget *eltern)
    : QMainWindow(eltern), m_zustand(zustand), m_einstellungen(zustand.einstellungsdatei()), m_befehle(befehle)
{
    setObjectName(QStringLiteral("FAuswertung"));
    ReihenpreisLesen();
    setWindowTitle(Fenstertitel());

    auto *mitte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(mitte);
    senkrecht->setContentsMargins(6, 6, 6, 4);
    auto *spalten = new QHBoxLayout;
    spalten->setSpacing(8);
    m_ziehungsspalte = new Ziehungsspalte(m_zustand, mitte);
    m_tippauswertung = new Tippauswertung(m_zustand, mitte);
    spalten->addWidget(m_ziehungsspalte);
    spalten->addWidget(m_tippauswertung, 1);
    senkrecht->addLayout(spalten, 1);
    senkrecht->addWidget(baueFussleiste());
    setCentralWidget(mitte);

    baueWerkzeugleiste();
    baueMenue();
    resize(925, 679 + menuBar()->sizeHint().height());

    m_tippauswertung->setzeZiehungsliste(m_ziehungsspalte->datumsliste());
    m_ziehungsspalte->verbindeErgebnisseite(m_befehle);
    connect(m_ziehungsspalte, &Ziehungsspalte::downloadGewuenscht, this, &TFAuswertung::oeffneUpdatefenster);
    connect(m_ziehungsspalte, &Ziehungsspalte::ziehungGespeichert, m_tippauswertung, &Tippauswertung::TabsAktualisieren);
    connect(m_ziehungsspalte, &Ziehungsspalte::ziehungGespeichert, &m_befehle, &Befehle::ziehungGespeichert);
    connect(&m_befehle, &Befehle::gewinnreihenErsetzt, this, &TFAuswertung::GewinnreihenNeuEinlesen);
    m_ziehungsspalte->GZEinlesen();
    platziereFenster(this);
}

void TFAuswertung::GewinnreihenNeuEinlesen()
{
    m_ziehungsspalte->eingabeBeenden();
    m_ziehungsspalte->GZEinlesen();
    m_tippauswertung->TabsAktualisieren();
}

void TFAuswertung::GewinnreihenImportieren()
{
    const Gewinnreihenaustausch::Importergebnis ergebnis = Gewinnreihenaustausch::importieren(this, m_zustand);
    if (!ergebnis.geaendert)
        return;
    // Everything that shows the history follows, as after a download.
    Q_EMIT m_befehle.gewinnreihenErsetzt();
    Meldungen::information(
        this, QStringLiteral("%1 neue Ziehungen übernommen, %2 ersetzt.").arg(ergebnis.neu).arg(ergebnis.ersetzt));
}

void TFAuswertung::ReihenpreisLesen()
{
    if (!m_einstellungen.EinstellungenDa())
        return;
    const Preiswahl wahl =
        PreisAuswerten(m_einstellungen.LeseText(Abrechnung, Preis, QStringLiteral("200,00")), m_zustand.Formateinstellungen);
    m_zustand.Reihenpreis = wahl.reihenpreis;
    if (wahl.neuerText && !m_einstellungen.SchreibeText(Abrechnung, Preis, *wahl.neuerText))
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
}

void TFAuswertung::baueWerkzeugleiste()
{
    using A = Befehle::Art;
    m_befehle.werkzeugleiste(this,
                             {A::Eingabe, A::NueberK, A::Statistik, A::Rechner, A::Update, A::Kalender, A::Zufall, A::Systeme,
                              A::Strategietest, A::Gemeinschaft},
                             Hauptfensterthema, QStringLiteral("Hilfe zum Hauptfenster"),
                             QStringLiteral("Programm beenden"));
}

void TFAuswertung::baueMenue()
{
    using A = Befehle::Art;
    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_aOeffnen = datei->addAction(QStringLiteral("Tippschein(e) öffnen..."));
    connect(m_aOeffnen, &QAction::triggered, m_tippauswertung->BOpen(), &QPushButton::click);
    m_befehle.menueeintrag(datei, QStringLiteral("Neuen Tippschein eingeben..."), A::Eingabe);
    datei->addSeparator();
    QAction *exportieren = datei->addAction(QStringLiteral("Gewinnreihen exportieren..."));
    exportieren->setObjectName(QStringLiteral("AGewinnreihenExportieren"));
    connect(exportieren, &QAction::triggered, this, [this] { Gewinnreihenaustausch::exportieren(this, m_zustand); });
    QAction *importieren = datei->addAction(QStringLiteral("Gewinnreihen importieren..."));
    importieren->setObjectName(QStringLiteral("AGewinnreihenImportieren"));
    connect(importieren, &QAction::triggered, this, &TFAuswertung::GewinnreihenImportieren);
    datei->addSeparator();
    Gemeinschaftsmenue::einhaengen(datei, m_befehle);
    datei->addSeparator();
    QAction *beenden = datei->addAction(QStringLiteral("&Beenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    QMenu *extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    m_befehle.menueeintrag(extras, QStringLiteral("&n über k berechnen"), A::NueberK);
    m_befehle.menueeintrag(extras, QStringLiteral("&Kalender"), A::Kalender);
    m_befehle.menueeintrag(extras, QStringLiteral("Taschen&rechner"), A::Rechner);
    m_befehle.menueeintrag(extras, QStringLiteral("&Systeme..."), A::Systeme);
    m_befehle.menueeintrag(extras, QStringLiteral("S&trategietest..."), A::Strategietest);
    extras->addSeparator();
    m_befehle.menueeintrag(extras, QStringLiteral("&Update-Prüfung"), A::Update);

    QMenu *hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    connect(hilfe->addAction(QStringLiteral("&Inhalt")), &QAction::triggered, this, [this] { zeigeHilfe(Startthema); });
    connect(hilfe->addAction(QStringLiteral("In Hilfe &suchen...")), &QAction::triggered, this,
            &TFAuswertung::zeigeHilfesuche);
    hilfe->addSeparator();
    m_befehle.menueeintrag(hilfe, QStringLiteral("&Update-Prüfung"), A::Update);
    hilfe->addSeparator();
    m_befehle.menueeintrag(hilfe, QStringLiteral("Programm-&Info"), A::Info);
}

QWidget *TFAuswertung::baueFussleiste()
{
    auto *fuss = new QWidget(this);
    fuss->setObjectName(QStringLiteral("PUnten"));
    auto *zeile = new QHBoxLayout(fuss);
    zeile->setContentsMargins(0, 0, 0, 0);
    // The maker's logo leads to the home page.
    auto *image3 = new QToolButton(fuss);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setAutoRaise(true);
    image3->setIcon(Symbole::programm());
    image3->setIconSize(QSize(24, 24));
    image3->setText(Programmname);
    image3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    image3->setCursor(Qt::PointingHandCursor);
    image3->setToolTip(QStringLiteral("Zur Internetseite des Programms"));
    image3->setAccessibleName(image3->toolTip());
    m_befehle.verbinde(image3, Befehle::Art::Homepage);
    zeile->addWidget(image3);
    zeile->addStretch();
    auto *schliessen = new QPushButton(QStringLiteral("Sch&ließen"), fuss);
    schliessen->setObjectName(QStringLiteral("SpeedButton7"));
    schliessen->setIcon(Symbole::beenden());
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    zeile->addWidget(schliessen);
    return fuss;
}

void TFAuswertung::showEvent(QShowEvent *ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!m_ersteAnzeigeGeplant) {
        m_ersteAnzeigeGeplant = true;
        // After the window is on screen, so that its questions appear above it.
        QTimer::singleShot(0, this, &TFAuswertung::ersteAnzeige);
    }
}

void TFAuswertung::ersteAnzeige()
{
    int anzahl = 0;
    if (m_einstellungen.EinstellungenDa()) {
        m_tippauswertung->cbMerken()->setChecked(m_einstellungen.LeseFlag(Spielscheine, Merken, false));
        const GemerkteScheine gemerkt = GemerkteDateien(m_einstellungen);
        anzahl = gemerkt.anzahl;
        // The files are opened whatever Merken says; the flag only sets the check box.
        for (const QString &pfad : gemerkt.pfade)
            startdateiOeffnen(pfad);
        if (gemerkt.ausgelassen > 0)
            Meldungen::information(this, AusgelasseneDateienText(gemerkt));
    }
    if (anzahl == 0 && QFileInfo::exists(m_zustand.Datenordner + Dateinamen::DemoTippschein))
        m_tippauswertung->DateienEinlesen(m_zustand.Datenordner + Dateinamen::DemoTippschein);
    if (m_zustand.Ziehungen.isEmpty())
        frageNachDownload();
    m_ersteAnzeigeFertig = true;
    for (const auto &danach : std::exchange(m_nachErsterAnzeige, {}))
        danach();
}

void TFAuswertung::nachErsterAnzeige(std::function<void()> danach)
{
    if (m_ersteAnzeigeFertig)
        danach();
    else
        m_nachErsterAnzeige.append(std::move(danach));
}

QWidget *TFAuswertung::startdateiOeffnen(const QString &pfad, bool unlesbar)
{
    // Qt can't open a file by the garbled text of such a name: saying it is missing would mislead.
    if (unlesbar) {
        Meldungen::information(this, UnlesbarerName(pfad));
        return nullptr;
    }
    if (QFileInfo::exists(pfad))
        return m_tippauswertung->DateienEinlesen(pfad);
    Meldungen::information(this, QStringLiteral("Die mit dem Programmstart zu ladende Datei ")
                                     + QFileInfo(pfad).fileName() + Absatz + QStringLiteral(" wurde nicht gefunden."));
    return nullptr;
}

void TFAuswertung::startdateienOeffnen(const QStringList &dateien, const QSet<QString> &unlesbar)
{
    QWidget *letzter = nullptr;
    for (const QString &datei : dateien) {
        if (QWidget *seite = startdateiOeffnen(datei, unlesbar.contains(datei)))
            letzter = seite;
    }
    if (letzter) {
        m_tippauswertung->PC1()->setCurrentWidget(letzter);
        raise();
        activateWindow();
    }
}

void TFAuswertung::frageNachDownload()
{
    const auto antwort = Meldungen::frageJaNeinAbbrechen(
        this, QStringLiteral("Es fehlen jegliche Gewinnreihen.") + Absatz + QStringLiteral("Soll ich deren Download gleich starten?"));
    if (antwort == Meldungen::Antwort::Ja) {
        m_zustand.DownloadNachfragen = false;
        oeffneUpdatefenster();
    }
}

void TFAuswertung::oeffneUpdatefenster()
{
    QAction *update = m_befehle.aktion(Befehle::Art::Update);
    if (update->isEnabled())
        update->trigger();
}

void TFAuswertung::zeigeHilfe(int thema) { Hilfe::zeigeThema(m_zustand.Hilfedatei, thema); }

void TFAuswertung::zeigeHilfesuche() { Hilfe::zeigeSuche(m_zustand.Hilfedatei); }

void TFAuswertung::closeEvent(QCloseEvent *ereignis)
{
    if (!m_einstellungen.SchreibeFlag(Spielscheine, Merken, m_tippauswertung->cbMerken()->isChecked()))
        Meldungen::fehler(this, DateiFehlerText(m_einstellungen.datei(), m_einstellungen.letzterFehler(), true));
    ereignis->accept();
    Q_EMIT geschlossen();
}
