// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/eingabe/Tippscheinrahmen.h"

#include "entry/Scheineingabe.h"
#include "entry/Tabellenformate.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/ScheinSpeichern.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/eingabe/Eingabeelemente.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int ErsteSpalteG1 = 44;
constexpr int SpalteG1 = 30;

QPushButton *knopf(const QString &name, const QString &text, const QIcon &bild, QWidget *eltern)
{
    auto *k = new QPushButton(bild, text, eltern);
    k->setObjectName(name);
    return k;
}
} // namespace

Tippscheinrahmen::Tippscheinrahmen(Zustand &zustand, QWidget *eltern) : QFrame(eltern), m_zustand(zustand)
{
    setObjectName(QStringLiteral("PRechts"));
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);

    // Two buttons to a column, one above the other: the frame stays as narrow as its table.
    auto *oben = new QGridLayout;
    oben->setSpacing(2);
    auto *speichern = knopf(QStringLiteral("BSpeichern"), QStringLiteral("Als Tippschein s&peichern..."),
                            Symbole::symbol(QStringLiteral("Q"), QColor(0x2F, 0x6F, 0xD6)), this);
    auto *loeschen =
        knopf(QStringLiteral("BReihenLoeschen"), QStringLiteral("Reihen l\u00F6schen"), Symbole::loeschen(), this);
    connect(speichern, &QPushButton::clicked, this, &Tippscheinrahmen::AlsTippscheinSpeichern);
    connect(loeschen, &QPushButton::clicked, this, &Tippscheinrahmen::ReihenLoeschen);
    m_lDatei = FettesLabel(QStringLiteral("LDatei"), Qt::AlignLeft, this);
    oben->addWidget(speichern, 0, 0, 1, 2);
    oben->addWidget(m_lDatei, 1, 0);
    oben->addWidget(loeschen, 1, 1);
    oben->setColumnStretch(0, 1);
    spalte->addLayout(oben);
    spalte->addWidget(baueAnteile());

    m_g1 = new Gitter(this);
    m_g1->setObjectName(QStringLiteral("G1"));
    m_g1Modell = new TextTabellenModell(m_g1);
    m_g1Modell->setzeFett(true);
    m_g1->setModel(m_g1Modell);
    TextTabelle start(TippreihenSpalten, EingabeStartzeilen);
    for (int s = 1; s < TippreihenSpalten; ++s)
        start.setzeSpaltenbreite(s, SpalteG1);
    KopfTippreihen(start, ErsteSpalteG1, [this](const QString &t) { return m_g1->textbreite(t); });
    zeige(std::move(start));
    spalte->addWidget(m_g1, 1);

    auto *unten = new QVBoxLayout;
    unten->setSpacing(2);
    auto *csv = knopf(QStringLiteral("BCSVSpeichern"), QStringLiteral("Im &CSV-Format speichern..."),
                      Symbole::symbol(QStringLiteral("CSV"), QColor(0x1E, 0x88, 0x5A)), this);
    auto *excel = knopf(QStringLiteral("BExcelExport"), QStringLiteral("Excel- Export"),
                        Symbole::symbol(QStringLiteral("X"), QColor(0x1E, 0x6B, 0x3A)), this);
    connect(csv, &QPushButton::clicked, this, &Tippscheinrahmen::CSVSpeichern);
    connect(excel, &QPushButton::clicked, this, &Tippscheinrahmen::ExcelExport);
    unten->addWidget(csv);
    unten->addWidget(excel);
    spalte->addLayout(unten);
}

QWidget *Tippscheinrahmen::baueAnteile()
{
    auto *gruppe = new QGroupBox(QStringLiteral("Tippschein-Anteile"), this);
    gruppe->setObjectName(QStringLiteral("GBAnteile"));
    auto *spalte = new QVBoxLayout(gruppe);
    spalte->setSpacing(2);
    auto *zeile = new QHBoxLayout;
    auto *gesamt = new QLabel(QStringLiteral("gesamt:"), gruppe);
    m_eAntGes = new Ziffernfeld(QStringLiteral("EAntGes"), 4, gruppe);
    m_eAntGes->setText(QStringLiteral("1"));
    gesamt->setBuddy(m_eAntGes);
    auto *meine = new QLabel(QStringLiteral("meine:"), gruppe);
    m_eAntmeine = new Ziffernfeld(QStringLiteral("EAntmeine"), 4, gruppe);
    m_eAntmeine->setText(QStringLiteral("1"));
    meine->setBuddy(m_eAntmeine);
    zeile->addWidget(gesamt);
    zeile->addWidget(m_eAntGes);
    zeile->addWidget(meine);
    zeile->addWidget(m_eAntmeine);
    zeile->addStretch();
    spalte->addLayout(zeile);
    spalte->addWidget(new QLabel(QStringLiteral("(wenn keine TG, dann 1 und 1)"), gruppe));
    return gruppe;
}

const TextTabelle &Tippscheinrahmen::tabelle() const
{
    return m_g1Modell->tabelle();
}

void Tippscheinrahmen::zeige(TextTabelle tabelle)
{
    // Column 0 grows with the row numbers of a long table.
    const int erste = std::max(ErsteSpalteG1, m_g1->textbreite(QString::number(tabelle.zeilen() - 1)) + 8);
    m_g1Modell->setzeTabelle(std::move(tabelle));
    m_g1->setColumnWidth(0, erste);
    for (int s = 1; s < TippreihenSpalten; ++s)
        m_g1->setColumnWidth(s, SpalteG1);
    // Every column in view, the Zusatzzahl included.
    m_g1->setMinimumWidth(erste + (TippreihenSpalten - 1) * SpalteG1 + m_g1->verticalScrollBar()->sizeHint().width() +
                          2 * m_g1->frameWidth());
}

void Tippscheinrahmen::ReihenEintragen(const QVector<GepruefteReihe> &reihen, bool ueberschreiben)
{
    TextTabelle t = tabelle();
    ::ReihenEintragen(t, reihen, ueberschreiben);
    zeige(std::move(t));
}

void Tippscheinrahmen::setzeAnteile(const QString &gesamt, const QString &meine)
{
    m_eAntGes->setText(gesamt);
    m_eAntmeine->setText(meine);
}

void Tippscheinrahmen::AlsTippscheinSpeichern()
{
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("Als Spielschein speichern...");
    dialog.ordner = m_zustand.Datenordner;
    dialog.filtertext = QStringLiteral("Tippschein-Datei");
    dialog.endung = QStringLiteral("qtt");
    ScheinSpeichern(this, tabelle(), m_eAntGes->text(), m_eAntmeine->text(), dialog, m_lDatei);
}

void Tippscheinrahmen::ReihenLoeschen()
{
    TextTabelle t = tabelle();
    TabelleLeeren(t);
    zeige(std::move(t));
}

void Tippscheinrahmen::CSVSpeichern()
{
    TabelleAlsCSVSpeichern(this, tabelle(), CSVSpeicherdialog(m_zustand.Datenordner), m_lDatei);
}

void Tippscheinrahmen::ExcelExport()
{
    TabelleNachExcel(this, tabelle(), QStringLiteral("Tippreihen"), 6, m_zustand);
}
