// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systeme/FrSystemchancen.h"

#include "systems/Systembau.h"
#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextGitter.h"
#include "ui/gemeinsam/TextTabellenModell.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>

FrSystemchancen::FrSystemchancen(QWidget *eltern) : QGroupBox(QStringLiteral("Was das System bringt"), eltern)
{
    setObjectName(QStringLiteral("FrSystemchancen"));
    auto *spalte = new QVBoxLayout(this);
    m_lGarantie = new QLabel(this);
    m_lGarantie->setObjectName(QStringLiteral("LGarantie"));
    m_lGarantie->setWordWrap(true);
    spalte->addWidget(m_lGarantie);
    m_werte = new QFormLayout;
    spalte->addLayout(m_werte);
    m_lReihen = wert(QStringLiteral("LReihen"), QStringLiteral("Reihen:"));
    m_lUntergrenze = wert(QStringLiteral("LUntergrenze"), QStringLiteral("Untergrenze:"));
    m_lEinsatz = wert(QStringLiteral("LEinsatz"), QStringLiteral("Einsatz je Ziehung:"));
    m_lErwartung = wert(QStringLiteral("LErwartung"), QStringLiteral("Erwarteter Gewinn je Ziehung:"));
    m_lGewinn = wert(QStringLiteral("LGewinnchance"), QStringLiteral("Mindestens ein Gewinn:"));
    m_lGreift = wert(QStringLiteral("LGarantieGreift"), QStringLiteral("Die Garantie greift:"));

    // The grid is made once with an empty table of the right shape; every system fills it.
    // Sized for the widest odds a class can show until the first system fills it.
    Systemchancen muster;
    muster.mindestensEine.fill(1);
    m_gitter = TextGitter(QStringLiteral("GSystemchancen"), SystemchancenTabelle(muster, QLocale()), this);
    qobject_cast<TextTabellenModell *>(m_gitter->model())->setzeTabelle(SystemchancenTabelle(Systemchancen{}, QLocale()));
    m_modell = qobject_cast<TextTabellenModell *>(m_gitter->model());
    m_gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gitter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gitter->setAccessibleName(QStringLiteral("Gewinnchancen des Systems"));
    spalte->addWidget(m_gitter);
    auto *hinweis = new QLabel(QStringLiteral("Chance: dass mindestens eine Reihe in der Klasse landet, einmal in so "
                                              "vielen Ziehungen. Reihen im Mittel: wie viele Reihen je Ziehung in "
                                              "der Klasse landen."),
                               this);
    hinweis->setObjectName(QStringLiteral("LChancenHinweis"));
    hinweis->setWordWrap(true);
    spalte->addWidget(hinweis);
    spalte->addStretch();
}

QLabel *FrSystemchancen::wert(const QString &name, const QString &titel)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *beschriftung = new QLabel(titel, this);
    beschriftung->setBuddy(label);
    m_werte->addRow(beschriftung, label);
    return label;
}

void FrSystemchancen::zeige(const Systemergebnis &s, float reihenpreis, const QLocale &locale)
{
    const Systemkennzahlen k = SystemkennzahlenTexte(s.chancen, reihenpreis, locale);
    m_lGarantie->setText(GarantieText(static_cast<int>(s.zahlen.size()), s.garantie));
    // Whether the search after the table found a smaller system, or the table's stands.
    QString reihen = locale.toString(s.anzahl());
    if (s.ausTabelle == s.anzahl())
        reihen += QStringLiteral(" (aus der Systemtabelle)");
    else if (s.ausTabelle > 0)
        reihen += QStringLiteral(" (Systemtabelle: %1)").arg(locale.toString(static_cast<qint64>(s.ausTabelle)));
    m_lReihen->setText(reihen);
    m_lUntergrenze->setText(QStringLiteral("mindestens %1 Reihen n\u00F6tig")
                                .arg(locale.toString(static_cast<qint64>(s.untergrenze))));
    m_lEinsatz->setText(k.einsatz);
    m_lErwartung->setText(k.erwartung);
    m_lGewinn->setText(k.gewinnChance);
    m_lGreift->setText(k.garantieGreift);
    TextTabelle tabelle = SystemchancenTabelle(s.chancen, locale);
    for (int sp = 0; sp < tabelle.spalten(); ++sp) {
        int breite = m_gitter->kopfbreite(tabelle.zelle(sp, 0));
        for (int z = 1; z < tabelle.zeilen(); ++z)
            breite = std::max(breite, m_gitter->zellenbreite(tabelle.zelle(sp, z), false));
        tabelle.setzeSpaltenbreite(sp, breite);
    }
    m_modell->setzeTabelle(tabelle);
    for (int sp = 0; sp < tabelle.spalten(); ++sp)
        m_gitter->setColumnWidth(sp, tabelle.spaltenbreite(sp));
    m_gitter->setFixedSize(GanzeGroesse(m_gitter));
}
