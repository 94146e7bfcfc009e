// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/eingabe/Eingabeseiten.h"

#include "entry/Arbeitsmappe.h"
#include "entry/Scheineingabe.h"
#include "entry/Tabellenformate.h"
#include "model/Tippscheindatei.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/eingabe/Eingabeelemente.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int ErsteSpalteG2 = 47;
constexpr int SpalteG2 = 34;
constexpr int Zahlenfeldhoehe = 100; // height of the hints above the number buttons

QLabel *hinweis(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}
} // namespace

Zahlentastenseite::Zahlentastenseite(QWidget *eltern) : QWidget(eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(5, 4, 5, 4);
    auto *texte = new QWidget(this);
    texte->setObjectName(QStringLiteral("PTexte"));
    texte->setMinimumHeight(Zahlenfeldhoehe);
    auto *textspalte = new QVBoxLayout(texte);
    textspalte->setContentsMargins(0, 0, 0, 0);
    textspalte->addWidget(
        hinweis(QStringLiteral("Die Zahlen sind jeweils durch ein Komma getrennt und ohne Leerzeichen in das "
                               "Textfeld rechts einzugeben.  "),
                texte));
    textspalte->addWidget(hinweis(
        QStringLiteral("Nutzen Sie die Tasten unten oder schreiben Sie direkt in das Textfeld rechts.   "), texte));
    auto *zeilenwechsel = new QLabel(QStringLiteral("Zeilenwechsel erfolgt automatisch"), texte);
    zeilenwechsel->setAlignment(Qt::AlignCenter);
    zeilenwechsel->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    textspalte->addWidget(zeilenwechsel);
    spalte->addWidget(texte);

    // Seven rows of seven, 1 at the top left.
    auto *tasten = new QGridLayout;
    tasten->setSpacing(1);
    for (int zeile = 0; zeile < 7; ++zeile) {
        for (int s = 0; s < 7; ++s) {
            const int zahl = zeile * 7 + s + 1;
            auto *knopf = new TBZahl2(zahl, this);
            connect(knopf, &QPushButton::clicked, this, [this, zahl] { Q_EMIT zahlGeklickt(zahl); });
            tasten->addWidget(knopf, zeile, s);
        }
    }
    spalte->addLayout(tasten);
    spalte->addStretch();
}

Dateiseite::Dateiseite(Zustand &zustand, QWidget *eltern) : QWidget(eltern), m_zustand(zustand)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 4, 4, 4);

    // The three ways in, two to a row: the page is only as wide as the number buttons.
    auto *leiste = new QWidget(this);
    leiste->setObjectName(QStringLiteral("ToolBar3"));
    auto *knoepfe = new QGridLayout(leiste);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    knoepfe->setSpacing(2);
    const auto knopf = [this, leiste](const QString &name, const QString &text, const QIcon &bild,
                                      void (Dateiseite::*befehl)()) {
        auto *k = new QToolButton(leiste);
        k->setObjectName(name);
        k->setText(text);
        k->setIcon(bild);
        k->setIconSize(QSize(16, 16));
        k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        k->setAutoRaise(true);
        connect(k, &QToolButton::clicked, this, befehl);
        return k;
    };
    knoepfe->addWidget(knopf(QStringLiteral("BTippscheinOeffnen"), QStringLiteral("Tippschein \u00F6&ffnen..."),
                             Symbole::symbol(QStringLiteral("Q"), QColor(0x2F, 0x6F, 0xD6)),
                             &Dateiseite::TippscheinOeffnen),
                       0, 0);
    knoepfe->addWidget(knopf(QStringLiteral("BCSVOeffnen"), QStringLiteral("-Datei \u00F6ffnen"),
                             Symbole::symbol(QStringLiteral("CSV"), QColor(0x1E, 0x88, 0x5A)), &Dateiseite::CSVOeffnen),
                       0, 1);
    knoepfe->addWidget(knopf(QStringLiteral("BExcelImport"), QStringLiteral("Excel- Import"),
                             Symbole::symbol(QStringLiteral("X"), QColor(0x1E, 0x6B, 0x3A)), &Dateiseite::ExcelImport),
                       1, 0);
    knoepfe->setColumnStretch(2, 1);
    spalte->addWidget(leiste);

    m_lDatei1 = FettesLabel(QStringLiteral("LDatei1"), Qt::AlignLeft, this);
    spalte->addWidget(m_lDatei1);

    m_g2 = new Gitter(this);
    m_g2->setObjectName(QStringLiteral("G2"));
    m_g2Modell = new TextTabellenModell(m_g2);
    m_g2Modell->setzeFett(true);
    TextTabelle start(TippreihenSpalten, EingabeStartzeilen);
    for (int s = 1; s < TippreihenSpalten; ++s)
        start.setzeSpaltenbreite(s, SpalteG2);
    KopfTippreihen(start, ErsteSpalteG2, [this](const QString &t) { return textbreite(t); });
    m_g2->setModel(m_g2Modell);
    zeige(start, QString());
    spalte->addWidget(m_g2, 1);

    auto *insTextfeld = new QPushButton(QStringLiteral("Ins Textfeld \u00FCbertragen"), this);
    insTextfeld->setObjectName(QStringLiteral("BInsTextfeld"));
    insTextfeld->setIcon(Symbole::zeigen());
    connect(insTextfeld, &QPushButton::clicked, this, &Dateiseite::InsTextfeld);
    spalte->addWidget(insTextfeld);
}

const TextTabelle &Dateiseite::tabelle() const
{
    return m_g2Modell->tabelle();
}

int Dateiseite::textbreite(const QString &text) const
{
    return m_g2->textbreite(text);
}

void Dateiseite::zeige(TextTabelle tabelle, const QString &datei)
{
    // An import may have changed the columns: the tip-row captions come back whenever the
    // table is wide enough for them.
    if (tabelle.spalten() >= TippreihenSpalten)
        KopfTippreihen(tabelle, ErsteSpalteG2, [this](const QString &t) { return textbreite(t); });
    const int spalten = tabelle.spalten();
    const int probe = std::min(tabelle.zeilen(), 201);
    std::vector<int> breiten(static_cast<std::size_t>(spalten), SpalteG2);
    breiten[0] = std::max(ErsteSpalteG2, textbreite(QString::number(tabelle.zeilen() - 1)) + 8);
    // Imported texts may be longer than a number: a column grows to show them, up to a limit.
    for (int s = 1; s < spalten; ++s)
        for (int z = 1; z < probe; ++z)
            breiten[static_cast<std::size_t>(s)] =
                std::max(breiten[static_cast<std::size_t>(s)], std::min(textbreite(tabelle.zelle(s, z)) + 12, 200));
    m_g2Modell->setzeTabelle(std::move(tabelle));
    for (int s = 0; s < spalten; ++s)
        m_g2->setColumnWidth(s, breiten[static_cast<std::size_t>(s)]);
    if (!datei.isEmpty())
        m_lDatei1->setText(QFileInfo(datei).fileName());
}

void Dateiseite::TippscheinOeffnen()
{
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("Tippschein-Datei einlesen");
    dialog.ordner = m_zustand.Datenordner;
    dialog.filtertext = QStringLiteral("Tippschein-Dateien");
    dialog.endung = QStringLiteral("qtt");
    dialog.mehrere = true;
    const QStringList dateien = Dateidialoge::oeffnen(this, dialog);
    if (dateien.isEmpty())
        return;
    const QString datei = dateien.constFirst();
    TextTabelle t = tabelle();
    if (t.spalten() < TippreihenSpalten)
        t.setzeSpalten(TippreihenSpalten);
    t.setzeSpaltenbreite(0, ErsteSpalteG2);
    QString gesamt;
    QString meine;
    const QString fehler = ScheinEinlesen(t, gesamt, meine, datei, [this](const QString &s) { return textbreite(s); });
    if (!fehler.isEmpty()) {
        // Half a ticket is no use: the table and the shares stay as they were.
        Meldungen::fehler(this, fehler);
        return;
    }
    zeige(std::move(t), datei);
    if (!gesamt.isEmpty())
        Q_EMIT anteileGelesen(gesamt, meine);
}

void Dateiseite::CSVOeffnen()
{
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("CSV-Datei einlesen");
    dialog.filtertext = QStringLiteral("CSV-Datei");
    dialog.endung = QStringLiteral("csv");
    const QStringList dateien = Dateidialoge::oeffnen(this, dialog);
    if (dateien.isEmpty())
        return;
    TextTabelle t = tabelle();
    CSVErgebnis ergebnis;
    {
        Sanduhr sanduhr;
        ergebnis = CSVEinlesen(t, dateien.constFirst());
    }
    if (!ergebnis.fehler.isEmpty()) {
        Meldungen::fehler(this, ergebnis.fehler);
        return;
    }
    zeige(std::move(t), dateien.constFirst());
}

void Dateiseite::ExcelImport()
{
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("Excel-Tabelle einlesen");
    dialog.ordner = m_zustand.Datenordner;
    dialog.filtertext = QStringLiteral("Excel-Datei");
    dialog.endung = QStringLiteral("xl*");
    dialog.weitere = {QStringLiteral("*.ods")};
    const QStringList dateien = Dateidialoge::oeffnen(this, dialog);
    if (dateien.isEmpty())
        return;
    TextTabelle t = tabelle();
    QString fehler;
    {
        Sanduhr sanduhr;
        fehler = ExcelEinlesen(t, dateien.constFirst(), m_zustand.Formateinstellungen);
    }
    if (!fehler.isEmpty()) {
        Meldungen::fehler(this, fehler);
        return;
    }
    zeige(std::move(t), dateien.constFirst());
}

void Dateiseite::InsTextfeld()
{
    if (tabelle().zelle(1, 1).isEmpty()) {
        Meldungen::fehler(this, MeldungNichtsZuUebertragen);
        return;
    }
    Q_EMIT zeilenFuerTextfeld(TabelleAlsTextzeilen(tabelle()));
}
