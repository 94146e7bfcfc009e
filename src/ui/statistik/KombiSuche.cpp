// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/KombiSuche.h"

#include "model/Zustand.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/statistik/StatistikGitter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QColor Hellrot(255, 102, 102);
const QColor Gruen(0, 255, 0);
// Rows of the empty result grid.
constexpr int LeereZeilen = 50;
} // namespace

TBKombi::TBKombi(int zahl, QWidget *eltern) : TBZahl(zahl, eltern)
{
    setObjectName(QStringLiteral("BNr0%1").arg(zahl));
    const QFontMetrics fm(font());
    setFixedSize(std::max(21, fm.horizontalAdvance(QStringLiteral("49")) + 6), std::max(18, fm.height() + 4));
}

KombiSuche::KombiSuche(const Zustand &zustand, std::function<Zeitraum()> zeitraum, QWidget *eltern)
    : QWidget(eltern), m_zustand(zustand), m_zeitraum(std::move(zeitraum))
{
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 4, 4, 4);
    zeile->addWidget(baueZahlen());
    zeile->addWidget(baueErgebnis(static_cast<int>(zustand.Ziehungen.size())), 1);
}

QWidget *KombiSuche::baueZahlen()
{
    auto *spalte = new QWidget(this);
    auto *senkrecht = new QVBoxLayout(spalte);
    senkrecht->setContentsMargins(0, 0, 0, 0);
    senkrecht->addWidget(new QLabel(QStringLiteral("Kombizahlen anklicken"), spalte));

    auto *pnr = new QFrame(spalte);
    pnr->setObjectName(QStringLiteral("PNr0"));
    pnr->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    int breite = 0;
    int hoehe = 0;
    for (int zeileNr = 1; zeileNr <= 7; ++zeileNr) {
        for (int spalteNr = 1; spalteNr <= 7; ++spalteNr) {
            const int f = 7 * (zeileNr - 1) + spalteNr;
            auto *knopf = new TBKombi(f, pnr);
            knopf->move((knopf->width() + 1) * (spalteNr - 1) + 2, (knopf->height() + 1) * (zeileNr - 1) + 3);
            connect(knopf, &QPushButton::clicked, this, [this, f] { BNrClick(f); });
            m_knoepfe[static_cast<std::size_t>(f)] = knopf;
            breite = knopf->width();
            hoehe = knopf->height();
        }
    }
    pnr->setFixedSize(7 * (breite + 1) + 5, 7 * (hoehe + 1) + 8);
    senkrecht->addWidget(pnr);

    auto *text = new QLabel(QStringLiteral("Nach dem Auftreten beliebiger Gewinnzahlen-Kombinationen suchen."), spalte);
    text->setWordWrap(true);
    senkrecht->addWidget(text);
    auto *hinweis = new QLabel(QStringLiteral("Der Button \"Suche starten\" kann betätigt werden, wenn mindestens zwei "
                                              "Zahlen für eine Kombi-Suche angeklickt wurden. "),
                               spalte);
    hinweis->setWordWrap(true);
    senkrecht->addWidget(hinweis);
    for (QLabel *l : {text, hinweis})
        l->setMaximumWidth(pnr->width());

    auto *knoepfe = new QHBoxLayout;
    m_del = Bildknopf(QStringLiteral("BDel0"), Symbole::loeschen(),
                      QStringLiteral("Auswahl aufheben und Ergebnis leeren"), spalte);
    connect(m_del, &QToolButton::clicked, this, &KombiSuche::BDelClick);
    m_suche = new QPushButton(QStringLiteral("Suche starten"), spalte);
    m_suche->setObjectName(QStringLiteral("BSuche0"));
    m_suche->setEnabled(false);
    connect(m_suche, &QPushButton::clicked, this, &KombiSuche::BSucheClick);
    knoepfe->addWidget(m_del);
    knoepfe->addWidget(m_suche, 1);
    senkrecht->addLayout(knoepfe);
    senkrecht->addStretch();
    return spalte;
}

QWidget *KombiSuche::baueErgebnis(int anzahlZiehungen)
{
    auto *gruppe = new QGroupBox(QStringLiteral("Aufgetreten am"), this);
    auto *senkrecht = new QVBoxLayout(gruppe);
    senkrecht->setContentsMargins(3, 3, 3, 3);
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(QStringLiteral("Aufgetreten am"), gruppe));
    m_erg = FettesLabel(QStringLiteral("LErg0"), Qt::AlignCenter, gruppe);
    m_erg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_erg->setAutoFillBackground(true);
    m_erg->setMinimumWidth(m_erg->fontMetrics().horizontalAdvance(QString::number(std::max(anzahlZiehungen, 999))) +
                           12);
    setzeErgebnisfarbe(palette().color(QPalette::Button));
    zeile->addWidget(m_erg);
    zeile->addStretch();
    senkrecht->addLayout(zeile);

    m_gitter = new Gitter(gruppe);
    m_gitter->setObjectName(QStringLiteral("GKombi70"));
    m_modell = new TextTabellenModell(m_gitter);
    m_gitter->setModel(m_modell);
    m_modell->setzeTabelle(TextTabelle(3, LeereZeilen + 1));
    // Every other number of a draw, when the search ran with fewer numbers than two.
    m_kopf = richteSpaltenEin(m_gitter, {QStringLiteral("Nr."), QStringLiteral("Datum"), QStringLiteral("mit...")},
                              {23, 57, 62},
                              {QString::number(std::max(anzahlZiehungen, 99)), QStringLiteral("00.00.0000"),
                               QStringLiteral("44,45,46,47,48")});
    m_gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gitter->setFixedWidth(gitterbreite(m_gitter));
    senkrecht->addWidget(m_gitter, 1);
    zeigeErgebnis(TextTabelle(3, LeereZeilen + 1));
    return gruppe;
}

void KombiSuche::zeigeErgebnis(TextTabelle tabelle)
{
    for (int c = 0; c < m_kopf.size(); ++c)
        tabelle.setzeZelle(c, 0, m_kopf[c]);
    m_modell->setzeTabelle(std::move(tabelle));
    m_gitter->scrollToTop();
}

void KombiSuche::setzeErgebnisfarbe(const QColor &farbe)
{
    QPalette p = m_erg->palette();
    p.setColor(QPalette::Window, farbe);
    p.setColor(QPalette::WindowText, Qt::black);
    m_erg->setPalette(p);
}

void KombiSuche::BNrClick(int zahl)
{
    switch (m_auswahl.umschalten(zahl)) {
    case Suchauswahl::Ergebnis::Aufgenommen:
        knopf(zahl)->setzeGewaehlt(true);
        break;
    case Suchauswahl::Ergebnis::Entfernt:
        knopf(zahl)->setzeGewaehlt(false);
        break;
    case Suchauswahl::Ergebnis::Abgelehnt:
        Meldungen::fehler(this, QStringLiteral("Sie können maximal fünf Zahlen für die Suche angeben."));
        return;
    }
    m_suche->setEnabled(m_auswahl.startbar());
}

void KombiSuche::BSucheClick()
{
    const Zeitraum z = m_zeitraum();
    Suchergebnis ergebnis = KombisSuchen(m_zustand, m_auswahl.SuchMenge(), z.von, z.bis);
    zeigeErgebnis(std::move(ergebnis.tabelle));
    m_erg->setText(QString::number(ergebnis.treffer));
    setzeErgebnisfarbe(ergebnis.treffer == 0 ? Hellrot : Gruen);
}

void KombiSuche::BDelClick()
{
    // The search button keeps its state: the selection is gone, not the permission.
    m_auswahl.KombiAufNull();
    for (int n = 1; n <= MaxZahl; ++n)
        knopf(n)->setzeGewaehlt(false);
    zeigeErgebnis(TextTabelle(3, LeereZeilen + 1));
    m_erg->clear();
    setzeErgebnisfarbe(palette().color(QPalette::Button));
}
