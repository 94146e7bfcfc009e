// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/FrStatistik.h"

#include "model/Datum.h"
#include "model/Zustand.h"
#include "statistics/Musterstatistik.h"
#include "statistics/Statistik.h"
#include "statistics/Zusatzzahlstatistik.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/statistik/Diagrammseite.h"
#include "ui/statistik/Favoritenseite.h"
#include "ui/statistik/Haeufigkeitsfeld.h"
#include "ui/statistik/KombiSuche.h"
#include "ui/statistik/Musterseite.h"
#include "ui/statistik/Zusatzzahlseite.h"
#include "ui/statistik/StatistikGitter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QIcon zahlenfolgeBild()
{
    return Symbole::symbol(QStringLiteral("\u2191"), QColor(0, 110, 111));
}
QIcon haeufigkeitsfolgeBild()
{
    return Symbole::symbol(QStringLiteral("\u21BA"), QColor(0, 110, 111));
}
const QString NachAnzahlOrdnen = QStringLiteral("Nach Häufigkeit ordnen, die seltenste Zahl zuerst");
const QString NachZahlenOrdnen = QStringLiteral("Wieder nach Zahlen ordnen");
} // namespace

TFfrStatistik::TFfrStatistik(Zustand &zustand, QWidget *eltern)
    : QGroupBox(QStringLiteral("Statistik für die Gewinnzahlen"), eltern), m_zustand(zustand),
      m_anzahl(static_cast<int>(zustand.Ziehungen.size())), m_letzteWerte{8, 26, 52, 104, m_anzahl},
      m_zweierTabelle(KombisErzeugen(2))
{
    setObjectName(QStringLiteral("frStat0"));
    auto *senkrecht = new QVBoxLayout(this);
    senkrecht->setContentsMargins(5, 5, 5, 5);
    senkrecht->setSpacing(5);
    senkrecht->addWidget(baueZeitraum());

    // The counts of the whole history, whatever period was counted last.
    TeilStatistik(m_zustand, 0, m_anzahl - 1);
    m_feld = new Haeufigkeitsfeld(m_anzahl, this);
    m_feld->zeigeAnzahlen(m_zustand.Haeufigkeiten);
    senkrecht->addWidget(m_feld, 0, Qt::AlignHCenter);
    senkrecht->addWidget(baueRGLetzte());
    senkrecht->addWidget(baueAusgeblieben());
    senkrecht->addWidget(baueSeiten(), 1);

    ComboFuellen();
    GAusFuellen();
    m_diagramme->zeigeHaeufigkeiten(m_zustand.Haeufigkeiten);
    zeigeZeitraumseiten(0, m_anzahl - 1);
    m_zweier->zeige(KombinationenFavoriten(m_zweierTabelle, m_zustand.Ziehungsmengen, 0, m_anzahl - 1));
    m_fensterBereit = true;
}

QWidget *TFfrStatistik::baueZeitraum()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PZeitraum0"));
    auto *gitter = new QGridLayout(panel);
    gitter->setContentsMargins(0, 0, 0, 0);
    gitter->setHorizontalSpacing(6);
    gitter->setVerticalSpacing(1);
    gitter->addWidget(new QLabel(QStringLiteral("Auswertungszeitraum wählen:"), panel), 0, 0, 1, 3);

    m_combo1 = new QComboBox(panel);
    m_combo1->setObjectName(QStringLiteral("Combo01"));
    m_combo2 = new QComboBox(panel);
    m_combo2->setObjectName(QStringLiteral("Combo02"));
    int spalte = 0;
    for (auto [liste, text] : {std::pair{m_combo1, "von"}, std::pair{m_combo2, "bis"}}) {
        liste->setMaxVisibleItems(16);
        // Every entry is a date of ten characters: no need to measure thousands of them.
        liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        liste->setMinimumContentsLength(10);
        auto *beschriftung = new QLabel(QString::fromUtf8(text), panel);
        beschriftung->setBuddy(liste);
        gitter->addWidget(beschriftung, 1, spalte);
        gitter->addWidget(liste, 2, spalte);
        ++spalte;
        // The user's pick only: the program's own selections raise nothing.
        connect(liste, &QComboBox::activated, this, &TFfrStatistik::combo1Change);
    }
    m_start = Bildknopf(QStringLiteral("BStart0"), Symbole::symbol(QStringLiteral("\u25B6"), QColor(0x1E, 0x88, 0x5A)),
                        QStringLiteral("Zeitraum auswerten"), panel);
    connect(m_start, &QToolButton::clicked, this, &TFfrStatistik::BStartClick);
    gitter->addWidget(m_start, 2, 2);

    auto *anzahl = new QLabel(QStringLiteral("Anzahl Ziehungen"), panel);
    gitter->addWidget(anzahl, 1, 3, Qt::AlignHCenter);
    m_lzie = FettesLabel(QStringLiteral("LZie0"), Qt::AlignHCenter, panel);
    m_lzie->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    gitter->addWidget(m_lzie, 2, 3);
    gitter->setColumnStretch(3, 1);
    return panel;
}

QWidget *TFfrStatistik::baueRGLetzte()
{
    auto *prg = new QWidget(this);
    prg->setObjectName(QStringLiteral("PRG0"));
    auto *zeile = new QHBoxLayout(prg);
    zeile->setContentsMargins(0, 0, 0, 0);

    auto *gruppe = new QGroupBox(QStringLiteral("Die letzten X Ziehungen auswerten"), prg);
    gruppe->setObjectName(QStringLiteral("RGLetzte0"));
    auto *wahlen = new QHBoxLayout(gruppe);
    wahlen->setContentsMargins(6, 2, 6, 2);
    m_letzte = new QButtonGroup(gruppe);
    for (int i = 0; i < static_cast<int>(m_letzteWerte.size()); ++i) {
        auto *wahl = new QRadioButton(QString::number(m_letzteWerte[static_cast<std::size_t>(i)]), gruppe);
        wahl->setObjectName(QStringLiteral("RGLetzte0_%1").arg(i));
        m_letzte->addButton(wahl, i);
        wahlen->addWidget(wahl);
    }
    // All draws, as the window starts with them.
    m_letzte->button(4)->setChecked(true);
    connect(m_letzte, &QButtonGroup::idClicked, this, &TFfrStatistik::RGLetzteClick);
    zeile->addWidget(gruppe, 1);

    m_auf = Bildknopf(QStringLiteral("BAuf0"), zahlenfolgeBild(), NachAnzahlOrdnen, prg);
    connect(m_auf, &QToolButton::clicked, this, &TFfrStatistik::BAufClick);
    zeile->addWidget(m_auf, 0, Qt::AlignBottom);
    return prg;
}

QWidget *TFfrStatistik::baueAusgeblieben()
{
    auto *gruppe = new QGroupBox(QStringLiteral("Wie oft sind Zahlen ausgeblieben"), this);
    auto *innen = new QVBoxLayout(gruppe);
    innen->setContentsMargins(3, 3, 3, 3);
    m_gaus = new Gitter(gruppe);
    m_gaus->setObjectName(QStringLiteral("GAus0"));
    m_gausModell = new TextTabellenModell(m_gaus);
    m_gausModell->setzeFett(true);
    m_gaus->setModel(m_gausModell);
    m_gaus->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gaus->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    innen->addWidget(m_gaus);
    return gruppe;
}

QTabWidget *TFfrStatistik::baueSeiten()
{
    m_seiten = new QTabWidget(this);
    m_seiten->setObjectName(QStringLiteral("PCStat0"));
    // Narrow tabs, so all five fit the narrow window.
    m_seiten->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 5px; }"));
    m_zweier = new Favoritenseite(2, m_anzahl, m_seiten);
    m_dreier = new Favoritenseite(3, m_anzahl, m_seiten);
    m_vierer = new Favoritenseite(4, m_anzahl, m_seiten);
    connect(m_dreier, &Favoritenseite::startGewuenscht, this, &TFfrStatistik::BStart3Click);
    connect(m_vierer, &Favoritenseite::startGewuenscht, this, &TFfrStatistik::BStart2Click);
    m_suche = new KombiSuche(
        m_zustand,
        [this] {
            return KombiSuche::Zeitraum{von(), bis()};
        },
        m_seiten);
    m_diagramme = new Diagrammseite(m_zustand.Formateinstellungen, m_seiten);
    m_seiten->addTab(m_zweier, QStringLiteral("2er Kombis"));
    m_seiten->addTab(m_dreier, QStringLiteral("3er Kombis"));
    m_seiten->addTab(m_vierer, QStringLiteral("4er Kombis"));
    m_seiten->addTab(m_suche, QStringLiteral("Kombi-Suche"));
    m_seiten->addTab(m_diagramme, QStringLiteral("Diagramm"));
    m_zusatzzahlen = new Zusatzzahlseite(m_zustand.Formateinstellungen, m_seiten);
    m_muster = new Musterseite(m_zustand.Formateinstellungen, m_seiten);
    m_seiten->addTab(m_zusatzzahlen, QStringLiteral("Zusatzzahl"));
    m_seiten->addTab(m_muster, QStringLiteral("Muster"));
    m_seiten->setCurrentWidget(m_suche);
    return m_seiten;
}

void TFfrStatistik::ComboFuellen()
{
    m_lzie->setText(QString::number(m_anzahl));
    QStringList daten;
    daten.reserve(m_anzahl);
    for (const TGewZahlen &z : m_zustand.Ziehungen)
        daten << Datum::kurz(z.datum, m_zustand.Formateinstellungen);
    // One list of dates behind both period lists.
    auto *modell = new QStringListModel(daten, this);
    m_combo1->setModel(modell);
    m_combo2->setModel(modell);
    m_combo1->setCurrentIndex(0);
    m_combo2->setCurrentIndex(m_anzahl - 1);
}

void TFfrStatistik::GAusFuellen()
{
    const auto liste = Ausgeblieben(m_zustand, 0, m_anzahl - 1);
    TextTabelle t(MaxZahl + 1, 2);
    t.setzeZelle(0, 1, QStringLiteral("Anzahl:"));
    QStringList kopf{QStringLiteral("    Zahl:")};
    QList<int> breiten{46};
    QStringList muster{QStringLiteral("Anzahl:")};
    for (int p = 1; p <= MaxZahl; ++p) {
        const Ausgebliebene &a = liste[static_cast<std::size_t>(p - 1)];
        kopf << QString::number(a.zahl);
        breiten << 27;
        muster << QString::number(std::max(a.anzahl, 99));
        t.setzeZelle(p, 1, QString::number(a.anzahl));
    }
    m_gausModell->setzeTabelle(std::move(t));
    kopf = richteSpaltenEin(m_gaus, kopf, breiten, muster);
    for (int p = 0; p <= MaxZahl; ++p)
        m_gausModell->setzeZelle(p, 0, kopf[p]);
    m_gaus->setFixedHeight(m_gaus->horizontalHeader()->sizeHint().height() +
                           m_gaus->verticalHeader()->defaultSectionSize() +
                           m_gaus->horizontalScrollBar()->sizeHint().height() + 2 * m_gaus->frameWidth());
    m_diagramme->zeigeAusgeblieben(liste);
}

int TFfrStatistik::von() const
{
    return m_combo1->currentIndex();
}

int TFfrStatistik::bis() const
{
    return m_combo2->currentIndex();
}

void TFfrStatistik::zeigeZeitraumlaenge()
{
    // No draws: both lists are empty and the period holds none.
    if (von() < 0 || bis() < 0)
        m_lzie->setText(QStringLiteral("0"));
    else if (bis() < von())
        m_lzie->clear();
    else
        m_lzie->setText(QString::number(bis() - von() + 1));
}

void TFfrStatistik::combo1Change()
{
    if (!m_fensterBereit)
        return;
    zeigeZeitraumlaenge();
    // A period that ends before it begins is not counted.
    if (bis() >= von())
        BStartClick();
}

void TFfrStatistik::BStartClick()
{
    if (m_zustand.Ziehungsmengen.isEmpty()) {
        const auto antwort = Meldungen::frageJaNeinAbbrechen(
            this, QStringLiteral("Für eine statistische Auswertung fehlen die Gewinnreihen.") + Absatz +
                      QStringLiteral("Soll ich den Downloadbereich öffnen?"));
        if (antwort == Meldungen::Antwort::Ja)
            Q_EMIT downloadbereichGewuenscht();
        return;
    }
    TeilStatistik(m_zustand, von(), bis());
    m_feld->zeigeAnzahlen(m_zustand.Haeufigkeiten);
    m_diagramme->zeigeHaeufigkeiten(m_zustand.Haeufigkeiten);
    zeigeZeitraumseiten(von(), bis());
}

void TFfrStatistik::zeigeZeitraumseiten(int von, int bis)
{
    m_zusatzzahlen->zeige(Zusatzzahlen(m_zustand.Ziehungen, von, bis));
    m_muster->zeige(MusterAuswerten(m_zustand.Ziehungen, von, bis));
}

void TFfrStatistik::RGLetzteClick(int wahl)
{
    if (!m_fensterBereit || wahl < 0 || wahl >= static_cast<int>(m_letzteWerte.size()))
        return;
    const int x = m_letzteWerte[static_cast<std::size_t>(wahl)];
    m_combo2->setCurrentIndex(m_combo2->count() - 1);
    // Fewer draws than chosen: the period keeps its beginning.
    if (m_anzahl - x >= 0)
        m_combo1->setCurrentIndex(m_anzahl - x);
    // The count of draws follows the period it now shows.
    zeigeZeitraumlaenge();
    BStartClick();
}

void TFfrStatistik::BAufClick()
{
    m_feld->StatistikAbsteigend();
    m_auf->setIcon(m_feld->Sortiert() ? haeufigkeitsfolgeBild() : zahlenfolgeBild());
    const QString hinweis = m_feld->Sortiert() ? NachZahlenOrdnen : NachAnzahlOrdnen;
    m_auf->setToolTip(hinweis);
    m_auf->setAccessibleName(hinweis);
}

void TFfrStatistik::favoritenStarten(Favoritenseite *seite, Kombitabelle &tabelle, int k)
{
    if (m_zustand.Ziehungsmengen.isEmpty()) {
        Meldungen::information(this, QStringLiteral(" Bitte Verbindung zum Internet bestehen."));
        return;
    }
    // The larger tables are made when first needed, so the window opens without them.
    if (tabelle.eintraege.empty())
        tabelle = KombisErzeugen(k);
    // Counting by subsets takes milliseconds even for every quadruple, so the run processes no
    // events: nothing can start again, change the period or close the window while it runs.
    seite->beginne();
    seite->zeige(KombinationenFavoriten(tabelle, m_zustand.Ziehungsmengen, von(), bis()));
}

void TFfrStatistik::BStart3Click()
{
    favoritenStarten(m_dreier, m_dreierTabelle, 3);
}

void TFfrStatistik::BStart2Click()
{
    favoritenStarten(m_vierer, m_viererTabelle, 4);
}
