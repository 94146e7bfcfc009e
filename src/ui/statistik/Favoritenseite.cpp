// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/Favoritenseite.h"

#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"
#include "ui/statistik/KombiListenModell.h"
#include "ui/statistik/StatistikGitter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Gauge maxima of the runs; a value above shows a full bar.
constexpr int GaugeMaximum3 = 28380;
constexpr int GaugeMaximum4 = 297990;

// The widest combination of k numbers.
QString breitesteKombi(int k)
{
    QStringList zahlen;
    for (int n = MaxZahl - k + 1; n <= MaxZahl; ++n)
        zahlen << QString::number(n);
    return zahlen.join(QLatin1Char(','));
}
} // namespace

Favoritenseite::Favoritenseite(int k, int anzahlZiehungen, QWidget *eltern)
    : QWidget(eltern), m_k(k), m_anzahlZiehungen(anzahlZiehungen)
{
    auto *senkrecht = new QVBoxLayout(this);
    senkrecht->setContentsMargins(4, 4, 4, 4);
    senkrecht->setSpacing(4);

    // Tables 1/2 are the pairs, 3/4 the triples, 5/6 the quadruples; gauge and button 1 belong
    // to the triples, 2 to the quadruples.
    const int erstes = 2 * k - 3;
    if (k > 2) {
        const int nummer = k == 3 ? 1 : 2;
        auto *zeile = new QHBoxLayout;
        zeile->addWidget(new QLabel(QStringLiteral("Manuell starten, da zeitintensiv"), this));
        m_gauge = new QProgressBar(this);
        m_gauge->setObjectName(QStringLiteral("Gauge0%1").arg(nummer));
        m_gauge->setRange(0, k == 3 ? GaugeMaximum3 : GaugeMaximum4);
        m_gauge->setValue(0);
        m_gauge->setTextVisible(false);
        m_gauge->setFixedHeight(14);
        zeile->addWidget(m_gauge, 1);
        m_start = Bildknopf(QStringLiteral("BStart%1").arg(k == 3 ? 3 : 2) + QLatin1Char('0'),
                            Symbole::symbol(QStringLiteral("\u25B6"), QColor(0x1E, 0x88, 0x5A)),
                            QStringLiteral("Die %1er Kombis im gewählten Zeitraum zählen").arg(k), this);
        connect(m_start, &QToolButton::clicked, this, &Favoritenseite::startGewuenscht);
        zeile->addWidget(m_start);
        senkrecht->addLayout(zeile);
    }

    auto *listen = new QHBoxLayout;
    listen->setSpacing(4);
    m_haeufigste = baueListe(QStringLiteral("Die häufigsten %1er").arg(k), erstes, m_modellHaeufigste, this);
    m_seltenste = baueListe(QStringLiteral("Die seltensten %1er").arg(k), erstes + 1, m_modellSeltenste, this);
    listen->addWidget(m_haeufigste->parentWidget());
    listen->addWidget(m_seltenste->parentWidget());
    senkrecht->addLayout(listen, 1);
}

Gitter *Favoritenseite::baueListe(const QString &titel, int nummer, KombiListenModell *&modell, QWidget *eltern)
{
    auto *gruppe = new QGroupBox(titel, eltern);
    auto *innen = new QVBoxLayout(gruppe);
    innen->setContentsMargins(3, 3, 3, 3);
    auto *gitter = new Gitter(gruppe);
    gitter->setObjectName(QStringLiteral("GKombi%1").arg(nummer) + QLatin1Char('0'));
    modell = new KombiListenModell(gitter);
    gitter->setModel(modell);
    modell->setzeKopf(richteSpaltenEin(
        gitter, {QStringLiteral("Rang"), QStringLiteral("Kombi"), QStringLiteral("Anz.")}, {43, 60, 37},
        {QString::number(kombiAnzahl(m_k)), breitesteKombi(m_k), QString::number(std::max(m_anzahlZiehungen, 99))}));
    gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gitter->setFixedWidth(gitterbreite(gitter));
    innen->addWidget(gitter);
    return gitter;
}

void Favoritenseite::beginne()
{
    if (m_gauge)
        m_gauge->setValue(0);
}

void Favoritenseite::zeige(Favoriten favoriten)
{
    m_modellHaeufigste->setzeListe(std::move(favoriten.haeufigste));
    m_modellSeltenste->setzeListe(std::move(favoriten.seltenste));
    m_haeufigste->scrollToTop();
    m_seltenste->scrollToTop();
    if (m_gauge)
        m_gauge->setValue(m_gauge->maximum());
}
