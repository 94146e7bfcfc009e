// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistik/Musterseite.h"

#include "ui/gemeinsam/Gitter.h"
#include "ui/gemeinsam/TextTabellenModell.h"
#include "ui/statistik/RollbareSeite.h"
#include "ui/statistik/StatistikGitter.h"
#include "ui/statistik/Vergleichsdiagramm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QStringList Kopf{QStringLiteral("Wert"), QStringLiteral("alle Reihen"), QStringLiteral("beobachtet"),
                       QStringLiteral("erwartet")};
// The sum takes 221 values: the chart shows it in steps of ten, the table value by value.
constexpr int Summenschritt = 10;
constexpr int SichtbareZeilen = 8;
} // namespace

Musterseite::Musterseite(const QLocale &locale, QWidget *eltern) : QWidget(eltern), m_locale(locale)
{
    setObjectName(QStringLiteral("PMuster0"));
    QVBoxLayout *senkrecht = RollbareSeite(this, 4);
    QWidget *innen = senkrecht->parentWidget();

    auto *zeile = new QHBoxLayout;
    auto *beschriftung = new QLabel(QStringLiteral("&Muster:"), innen);
    m_wahl = new QComboBox(innen);
    m_wahl->setObjectName(QStringLiteral("ComboMuster0"));
    for (const Musterart art : AlleMusterarten)
        m_wahl->addItem(Musterbezeichnung(art));
    beschriftung->setBuddy(m_wahl);
    zeile->addWidget(beschriftung);
    zeile->addWidget(m_wahl, 1);
    senkrecht->addLayout(zeile);

    m_gitter = new Gitter(innen);
    m_gitter->setObjectName(QStringLiteral("GMuster0"));
    m_modell = new TextTabellenModell(m_gitter);
    m_gitter->setModel(m_modell);
    m_gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gitter->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_modell->setzeTabelle(TextTabelle(static_cast<int>(Kopf.size()), 1));
    const QStringList kopf = richteSpaltenEin(m_gitter, Kopf, {40, 70, 70, 60},
                                              {QStringLiteral("235"), QStringLiteral("999.999"),
                                               QStringLiteral("99.999"), QStringLiteral("99.999,99")});
    for (int c = 0; c < kopf.size(); ++c)
        m_modell->setzeZelle(c, 0, kopf[c]);
    m_gitter->setFixedSize(gitterbreite(m_gitter), m_gitter->horizontalHeader()->sizeHint().height() +
                                                       SichtbareZeilen * m_gitter->verticalHeader()->defaultSectionSize() +
                                                       2 * m_gitter->frameWidth());
    senkrecht->addWidget(m_gitter, 0, Qt::AlignHCenter);

    m_chi = new QLabel(innen);
    m_chi->setObjectName(QStringLiteral("LChi0"));
    m_chi->setWordWrap(true);
    senkrecht->addWidget(m_chi);
    m_test = new QLabel(innen);
    m_test->setObjectName(QStringLiteral("LTest0"));
    m_test->setWordWrap(true);
    QFont fett = m_test->font();
    fett.setBold(true);
    m_test->setFont(fett);
    senkrecht->addWidget(m_test);

    m_diagramm = new Vergleichsdiagramm(QStringLiteral("DMuster0"), QStringLiteral("beobachtet"), innen);
    senkrecht->addWidget(m_diagramm, 1);
    connect(m_wahl, &QComboBox::currentIndexChanged, this, &Musterseite::zeigeMuster);
}

void Musterseite::zeige(Musterauswertung auswertung)
{
    m_auswertung = std::move(auswertung);
    zeigeMuster();
}

void Musterseite::zeigeMuster()
{
    const auto art = static_cast<Musterart>(std::max(m_wahl->currentIndex(), 0));
    const Musterergebnis &m = m_auswertung.von(art);
    if (m.werte.empty())
        return;

    TextTabelle t(m_modell->tabelle().spalten(), static_cast<int>(m.werte.size()) + 1);
    for (int c = 0; c < t.spalten(); ++c)
        t.setzeZelle(c, 0, m_modell->tabelle().zelle(c, 0));
    int zeile = 1;
    for (const Musterzeile &z : m.werte) {
        t.setzeZelle(0, zeile, QString::number(z.wert));
        t.setzeZelle(1, zeile, m_locale.toString(z.anzahlAlle));
        t.setzeZelle(2, zeile, m_locale.toString(z.beobachtet));
        t.setzeZelle(3, zeile, m_locale.toString(z.erwartet, 'f', 2));
        ++zeile;
    }
    m_modell->setzeTabelle(std::move(t));

    if (m.test.p)
        m_chi->setText(QStringLiteral("%1 Ziehungen, Chi-Quadrat %2 bei %3 Freiheitsgraden (%4 Klassen), p = %5.")
                           .arg(m_locale.toString(m_auswertung.ziehungen), m_locale.toString(m.test.chiQuadrat, 'f', 2))
                           .arg(m.test.freiheitsgrade)
                           .arg(m.test.klassen.size())
                           .arg(m_locale.toString(*m.test.p, 'f', 3)));
    else
        m_chi->setText(QStringLiteral("%1 Ziehungen.").arg(m_locale.toString(m_auswertung.ziehungen)));
    m_test->setText(Testsatz(m.test));

    QStringList kategorien;
    QList<qreal> beobachtet;
    QList<qreal> erwartet;
    const bool stufen = art == Musterart::Summe;
    const int erster = m.werte.front().wert;
    // Sums go into steps of ten from 15; 235, alone beyond the last full step, joins it.
    const int letzteStufe = static_cast<int>(m.werte.size() - 1) / Summenschritt - 1;
    for (const Musterzeile &z : m.werte) {
        const int stelle = stufen ? std::min((z.wert - erster) / Summenschritt, letzteStufe) : z.wert - erster;
        if (stelle == kategorien.size()) {
            kategorien << QString::number(z.wert);
            beobachtet << 0;
            erwartet << 0;
        }
        beobachtet[stelle] += static_cast<qreal>(z.beobachtet);
        erwartet[stelle] += z.erwartet;
    }
    m_diagramm->zeige(Musterbezeichnung(art), stufen ? QStringLiteral("Summe ab") : QStringLiteral("Wert"), kategorien,
                      beobachtet, erwartet);
}
