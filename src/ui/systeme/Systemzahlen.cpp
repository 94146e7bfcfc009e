// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/systeme/Systemzahlen.h"

#include "model/Spiel.h"
#include "ui/gemeinsam/Nummernknoepfe.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

Systemzahlen::Systemzahlen(QWidget *eltern) : QGroupBox(QStringLiteral("Ihre Zahlen"), eltern)
{
    setObjectName(QStringLiteral("PZahlen"));
    auto *spalte = new QVBoxLayout(this);
    auto *raster = new QGridLayout;
    raster->setSpacing(2);
    for (int z = 1; z <= MaxZahl; ++z) {
        auto *knopf = new TBZahl(z, this);
        knopf->setAccessibleName(QStringLiteral("Zahl %1").arg(z));
        m_knoepfe[static_cast<std::size_t>(z - 1)] = knopf;
        raster->addWidget(knopf, (z - 1) / 7, (z - 1) % 7);
        connect(knopf, &QPushButton::clicked, this, [this, knopf] {
            knopf->setzeGewaehlt(!knopf->gewaehlt());
            zaehlen();
        });
    }
    spalte->addLayout(raster);
    m_lAnzahl = new QLabel(this);
    m_lAnzahl->setObjectName(QStringLiteral("LGewaehlt"));
    spalte->addWidget(m_lAnzahl);
    zaehlen();
}

std::vector<int> Systemzahlen::zahlen() const
{
    std::vector<int> gewaehlt;
    for (const TBZahl *k : m_knoepfe)
        if (k->gewaehlt())
            gewaehlt.push_back(k->tag());
    return gewaehlt;
}

void Systemzahlen::setzeZahlen(const std::vector<int> &zahlen)
{
    for (TBZahl *k : m_knoepfe)
        k->setzeGewaehlt(std::find(zahlen.begin(), zahlen.end(), k->tag()) != zahlen.end());
    zaehlen();
}

void Systemzahlen::zaehlen()
{
    const auto n = zahlen().size();
    m_lAnzahl->setText(n == 1 ? QStringLiteral("1 Zahl gew\u00E4hlt") : QStringLiteral("%1 Zahlen gew\u00E4hlt").arg(n));
    Q_EMIT geaendert();
}
