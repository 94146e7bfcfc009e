// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Reihenspalte.h"

#include "generator/Reihenpruefung.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

Reihenspalte::Reihenspalte(ZufallsreihenModell::Auswahl auswahl, QWidget *eltern) : QWidget(eltern)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_bSave = new QPushButton(Symbole::eingabe(), QStringLiteral("Als Tippschein s&peichern"), this);
    m_bSave->setObjectName(QStringLiteral("BSave"));
    layout->addWidget(m_bSave);
    m_lDatei = new QLabel(this);
    m_lDatei->setObjectName(QStringLiteral("LDatei"));
    layout->addWidget(m_lDatei);
    layout->addWidget(baueAnteile());

    m_lReihen = FettesLabel(QStringLiteral("LReihen"), Qt::AlignLeft, this);
    m_lReihen->setText(QStringLiteral("Zufallsreihen"));
    layout->addWidget(m_lReihen);
    baueGitter(std::move(auswahl));
    layout->addWidget(m_gZuf, 1);

    auto *knoepfe = new QHBoxLayout;
    m_speedButton3 = new QPushButton(QStringLiteral("Im &CSV-Format speichern..."), this);
    m_speedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    m_speedButton4 = new QPushButton(QStringLiteral("Excel- Export"), this);
    m_speedButton4->setObjectName(QStringLiteral("SpeedButton4"));
    knoepfe->addWidget(m_speedButton3);
    knoepfe->addWidget(m_speedButton4);
    layout->addLayout(knoepfe);
}

QWidget *Reihenspalte::baueAnteile()
{
    auto *groupBox3 = new QGroupBox(QStringLiteral("Tippschein-Anteile"), this);
    groupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto *anteile = new QVBoxLayout(groupBox3);
    anteile->setContentsMargins(6, 2, 6, 4);
    anteile->setSpacing(2);
    auto *felder = new QHBoxLayout;
    m_eAntGes = new Ziffernfeld(QStringLiteral("EAntGes"), 4, groupBox3);
    m_eAntmeine = new Ziffernfeld(QStringLiteral("EAntmeine"), 4, groupBox3);
    m_eAntGes->setText(QStringLiteral("1"));
    m_eAntmeine->setText(QStringLiteral("1"));
    auto *ges = new QLabel(QStringLiteral("ges.:"), groupBox3);
    ges->setBuddy(m_eAntGes);
    auto *meine = new QLabel(QStringLiteral("meine:"), groupBox3);
    meine->setBuddy(m_eAntmeine);
    felder->addWidget(ges);
    felder->addWidget(m_eAntGes);
    felder->addSpacing(6);
    felder->addWidget(meine);
    felder->addWidget(m_eAntmeine);
    felder->addStretch();
    anteile->addLayout(felder);
    auto *hinweis = new QLabel(QStringLiteral("(wenn keine TG, dann 1 und 1)"), groupBox3);
    hinweis->setObjectName(QStringLiteral("LHinweisTG"));
    anteile->addWidget(hinweis);
    return groupBox3;
}

void Reihenspalte::baueGitter(ZufallsreihenModell::Auswahl auswahl)
{
    m_gZuf = new Gitter(this);
    m_gZuf->setObjectName(QStringLiteral("GZuf"));
    m_modell = new ZufallsreihenModell(std::move(auswahl), m_gZuf);
    // Widths of 40 and 25 pixels, grown where the font needs more: the row column holds up
    // to seven digits, the others two.
    TextTabelle kopf(TippreihenSpalten, 1);
    const int zahlbreite = std::max(25, m_gZuf->textbreite(QStringLiteral("00")) + 10);
    for (int c = 1; c < TippreihenSpalten; ++c)
        kopf.setzeSpaltenbreite(c, zahlbreite);
    const int reihenbreite = std::max(40, m_gZuf->textbreite(QString::number(AlleReihen)) + 8);
    KopfTippreihen(kopf, reihenbreite, [this](const QString &t) { return m_gZuf->textbreite(t); });
    QStringList kopftexte;
    for (int c = 0; c < TippreihenSpalten; ++c)
        kopftexte << kopf.zelle(c, 0);
    m_modell->setzeKopf(kopftexte);
    m_gZuf->setModel(m_modell);
    int gitterbreite = 0;
    for (int c = 0; c < TippreihenSpalten; ++c) {
        m_gZuf->setColumnWidth(c, kopf.spaltenbreite(c));
        gitterbreite += kopf.spaltenbreite(c);
    }
    m_gZuf->setFixedWidth(gitterbreite + m_gZuf->verticalScrollBar()->sizeHint().width() + 2 * m_gZuf->frameWidth());
}

void Reihenspalte::zeigeReihen(Zufallsreihen reihen)
{
    m_modell->setzeReihen(std::move(reihen));
    m_lReihen->setText(QString::number(m_modell->reihen().anzahl()) + QStringLiteral(" Zufallsreihen"));
    m_gZuf->scrollToTop();
}
