// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Tippauswertung.h"

#include "model/Einstellungen.h"
#include "model/Starteinstellungen.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Datumsauswahl.h"
#include "ui/haupt/FrScheine.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// A note wraps, so its length never decides how wide the window is.
QLabel *hinweis(const QString &text, QWidget *eltern)
{
    auto *l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    l->setFont(f);
    l->setWordWrap(true);
    return l;
}
} // namespace

Tippauswertung::Tippauswertung(Zustand &zustand, QWidget *eltern) : QWidget(eltern), m_zustand(zustand)
{
    setObjectName(QStringLiteral("PRight"));
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);

    auto *titel = new QLabel(QStringLiteral("Tippauswertung"), this);
    QFont f = titel->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    titel->setFont(f);
    spalte->addWidget(titel);

    auto *leiste = new QFrame(this);
    leiste->setObjectName(QStringLiteral("PScheinwahl"));
    leiste->setFrameShape(QFrame::StyledPanel);
    auto *zeile = new QHBoxLayout(leiste);
    auto *links = new QVBoxLayout;
    auto *wahl = new QHBoxLayout;
    auto *waehlen = new QLabel(QStringLiteral("Tippschein(e) wählen"), leiste);
    QFont fett = waehlen->font();
    fett.setBold(true);
    waehlen->setFont(fett);
    m_bOpen = new QPushButton(QStringLiteral("Öffnen..."), leiste);
    m_bOpen->setObjectName(QStringLiteral("BOpen"));
    wahl->addWidget(waehlen);
    wahl->addWidget(m_bOpen);
    wahl->addStretch();
    links->addLayout(wahl);
    links->addWidget(hinweis(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), leiste));
    zeile->addLayout(links);
    zeile->addStretch();

    auto *rechts = new QVBoxLayout;
    m_cbMerken = new QCheckBox(QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"), leiste);
    m_cbMerken->setObjectName(QStringLiteral("cbMerken"));
    // Ticked as designed; an existing settings file decides at the first showing.
    m_cbMerken->setChecked(true);
    rechts->addWidget(m_cbMerken);
    rechts->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), leiste));
    rechts->addWidget(hinweis(QStringLiteral("Achtung, alte Einträge werden überschrieben."), leiste));
    zeile->addLayout(rechts);
    spalte->addWidget(leiste);

    m_pc1 = new QTabWidget(this);
    m_pc1->setObjectName(QStringLiteral("PC1"));
    m_pc1->setDocumentMode(false);
    {
        // The tabs keep the room a ticket frame needs from the start, so the window does not
        // widen when the first ticket is opened.
        QTabWidget probe;
        probe.addTab(new TFFrScheineN(m_zustand, 0, nullptr), QString());
        m_pc1->setMinimumWidth(probe.minimumSizeHint().width());
    }
    spalte->addWidget(m_pc1, 1);

    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(new QLabel(QStringLiteral("Tabs schließen"), this));
    m_bKr1 = Bildknopf(QStringLiteral("BKr1"), Symbole::schliessenAlle(),
                       QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."), this);
    m_bKr2 = Bildknopf(QStringLiteral("BKr2"), Symbole::schliessenEins(),
                       QStringLiteral("Ausgewählten Tab mit Schein-Datei schließen."), this);
    unten->addWidget(m_bKr1);
    unten->addWidget(m_bKr2);
    spalte->addLayout(unten);

    connect(m_bOpen, &QPushButton::clicked, this, &Tippauswertung::BOpenClick);
    connect(m_bKr1, &QToolButton::clicked, this, &Tippauswertung::BKr1Click);
    connect(m_bKr2, &QToolButton::clicked, this, &Tippauswertung::BKr2Click);
}

Datumsliste Tippauswertung::ziehungsdaten() const
{
    return m_ziehungsliste ? m_ziehungsliste->liste() : Datumsliste();
}

void Tippauswertung::BOpenClick()
{
    Dateidialoge::Auswahl od1;
    od1.titel = QStringLiteral("Tippschein-Datei einlesen");
    od1.filtertext = QStringLiteral("Tippchein");
    od1.endung = QStringLiteral("qtt");
    od1.ordner = m_zustand.Datenordner;
    od1.mehrere = true;
    const QStringList dateien = Dateidialoge::oeffnen(this, od1);
    if (dateien.isEmpty())
        return;

    m_pc1->hide();
    if (m_cbMerken->isChecked()) {
        // The remembered list is replaced as a whole; Merken follows when the window closes.
        Einstellungen einstellungen(m_zustand.einstellungsdatei());
        if (!DateienMerken(einstellungen, dateien))
            Meldungen::fehler(this, QStringLiteral("Die Auswahl der Dateien konnte nicht gemerkt werden.") + Absatz
                                        + einstellungen.letzterFehler());
        else if (dateien.size() > MaxGemerkteDateien)
            Meldungen::information(this, QStringLiteral("Gemerkt werden die ersten %1 der %2 Dateien; nur sie werden "
                                                        "mit dem Programmstart eingelesen.")
                                             .arg(MaxGemerkteDateien)
                                             .arg(QLocale(QLocale::German, QLocale::Germany).toString(dateien.size())));
    }
    QWidget *letzter = nullptr;
    for (const QString &datei : dateien)
        letzter = DateienEinlesen(datei);
    m_pc1->show();
    if (letzter)
        m_pc1->setCurrentWidget(letzter);
}

std::pair<QWidget *, TFFrScheineN *> Tippauswertung::neuerTab(const QString &titel)
{
    ++m_tabzaehler;
    auto *seite = new QWidget(m_pc1);
    seite->setObjectName(QStringLiteral("Tab%1").arg(m_tabzaehler));
    seite->setProperty("tag", m_tabzaehler);
    auto *layout = new QVBoxLayout(seite);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *rahmen = new TFFrScheineN(m_zustand, m_tabzaehler, seite);
    layout->addWidget(rahmen);
    m_pc1->addTab(seite, titel);
    return {seite, rahmen};
}

QWidget *Tippauswertung::DateienEinlesen(const QString &pfad)
{
    auto [seite, rahmen] = neuerTab(QFileInfo(pfad).completeBaseName());

    const QString fehler = rahmen->einlesen(pfad, ziehungsdaten());
    if (!fehler.isEmpty())
        Meldungen::fehler(this, fehler);
    QCoreApplication::processEvents();
    return seite;
}

QWidget *Tippauswertung::ReihenOeffnen(const TextTabelle &reihen, const QString &antGes, const QString &antMeine,
                                       const QString &name)
{
    auto [seite, rahmen] = neuerTab(name);
    rahmen->uebernehmen(reihen, antGes, antMeine, name, ziehungsdaten());
    m_pc1->setCurrentWidget(seite);
    return seite;
}

void Tippauswertung::TabsAktualisieren()
{
    const Datumsliste daten = ziehungsdaten();
    for (auto *rahmen : m_pc1->findChildren<TFFrScheineN *>())
        rahmen->datenAktualisieren(daten);
}

void Tippauswertung::BKr1Click()
{
    if (m_pc1->count() == 0)
        return;
    m_pc1->hide();
    for (int i = m_pc1->count() - 1; i >= 0; --i) {
        QWidget *seite = m_pc1->widget(i);
        m_pc1->removeTab(i);
        delete seite;
    }
    m_pc1->show();
}

void Tippauswertung::BKr2Click()
{
    if (m_pc1->count() == 0)
        return;
    m_pc1->hide();
    QWidget *seite = m_pc1->currentWidget();
    m_pc1->removeTab(m_pc1->currentIndex());
    delete seite;
    m_pc1->show();
}
