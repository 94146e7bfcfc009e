// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Verteilung.h"

#include "generator/Zufallsreihen.h"
#include "ui/gemeinsam/Symbole.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QColor Bankfarbe(147, 253, 114);
const QColor Favoritenfarbe(40, 184, 255);

// The widest count a number can reach: every row holding it, 48 over 4 of all rows.
const QString BreitesterZaehler = QStringLiteral("194580");

QFont schrift(const QFont &basis, bool fett)
{
    QFont f = basis;
    f.setPointSize(8);
    f.setBold(fett);
    return f;
}
} // namespace

Verteilung::Verteilung(QWidget *eltern) : QFrame(eltern)
{
    setObjectName(QStringLiteral("PVert"));
    setFrameShape(QFrame::StyledPanel);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 2, 4, 4);
    spalte->setSpacing(4);

    auto *lVert = new QLabel(QStringLiteral("Verteilung der Tippzahlen"), this);
    lVert->setObjectName(QStringLiteral("LVert"));
    QFont fett = lVert->font();
    fett.setBold(true);
    lVert->setFont(fett);
    spalte->addWidget(lVert);

    auto *flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("PVertFlaeche"));
    PlattenBauen(flaeche);
    spalte->addWidget(flaeche, 0, Qt::AlignHCenter);
    spalte->addStretch();

    m_bAuf = new QPushButton(this);
    m_bAuf->setObjectName(QStringLiteral("BAuf"));
    connect(m_bAuf, &QPushButton::clicked, this, &Verteilung::BAufClick);
    spalte->addWidget(m_bAuf);
    setzeAufKnopf();
}

void Verteilung::PlattenBauen(QWidget *flaeche)
{
    // The pitch of 33 x 40 pixels grows where the font needs more room for a count.
    const QFont nummernschrift = schrift(font(), false);
    const QFont zaehlerschrift = schrift(font(), true);
    const QFontMetrics nm(nummernschrift);
    const QFontMetrics zm(zaehlerschrift);
    const int breite = std::max(32, zm.horizontalAdvance(BreitesterZaehler) + 6);
    const int nummernhoehe = std::max(17, nm.height() + 3);
    const int zaehlerhoehe = std::max(21, zm.height() + 6);
    const int zeilenabstand = nummernhoehe + zaehlerhoehe + 2;

    for (int n = 1; n <= MaxZahl; ++n) {
        const int i = (n - 1) / 7;
        const int j = (n - 1) % 7;
        const int links = j * (breite + 1);
        const int oben = i * zeilenabstand;

        auto *nummer = new QLabel(QString::number(n), flaeche);
        nummer->setObjectName(QStringLiteral("BStatNr%1").arg(n));
        nummer->setFont(nummernschrift);
        nummer->setAlignment(Qt::AlignCenter);
        nummer->setAutoFillBackground(true);
        QPalette p = nummer->palette();
        p.setColor(QPalette::Window, QColor(0, 55, 55));
        p.setColor(QPalette::WindowText, QColor(183, 255, 183));
        nummer->setPalette(p);
        nummer->setGeometry(links, oben, breite, nummernhoehe);
        m_nummern[static_cast<std::size_t>(n)] = nummer;

        auto *wert = new QLabel(flaeche);
        wert->setObjectName(QStringLiteral("BStatW%1").arg(n));
        wert->setFont(zaehlerschrift);
        wert->setAlignment(Qt::AlignCenter);
        wert->setFrameStyle(QFrame::Panel | QFrame::Raised);
        wert->setAutoFillBackground(true);
        wert->setGeometry(links, oben + nummernhoehe - 1, breite, zaehlerhoehe);
        m_ENrEcke[static_cast<std::size_t>(n)] = wert->pos();
        m_werte[static_cast<std::size_t>(n)] = wert;
    }
    flaeche->setFixedSize(7 * (breite + 1), 6 * zeilenabstand + nummernhoehe + zaehlerhoehe);
}

void Verteilung::zeigeZaehler(const std::array<std::int32_t, MaxZahl + 1> &nrCount, const Zahlenmenge &bank,
                              const Zahlenmenge &fav)
{
    m_nrCount = nrCount;
    for (int n = 1; n <= MaxZahl; ++n) {
        QLabel *wert = BStatW(n);
        wert->setText(QString::number(nrCount[static_cast<std::size_t>(n)]));
        const auto z = static_cast<std::uint8_t>(n);
        QPalette p = palette();
        p.setColor(QPalette::Window, bank.enthaelt(z)  ? Bankfarbe
                                     : fav.enthaelt(z) ? Favoritenfarbe
                                                       : palette().color(QPalette::Button));
        p.setColor(QPalette::WindowText, Qt::black);
        wert->setPalette(p);
    }
}

void Verteilung::BAufClick()
{
    if (!m_nachHaeufigkeit) {
        const std::array<int, MaxZahl> folge = ::NachHaeufigkeit(m_nrCount);
        for (int position = 1; position <= MaxZahl; ++position) {
            const int n = folge[static_cast<std::size_t>(position - 1)];
            BStatNr(position)->setText(QString::number(n));
            BStatW(n)->move(m_ENrEcke[static_cast<std::size_t>(position)]);
        }
    } else {
        for (int n = 1; n <= MaxZahl; ++n) {
            BStatNr(n)->setText(QString::number(n));
            BStatW(n)->move(m_ENrEcke[static_cast<std::size_t>(n)]);
        }
    }
    m_nachHaeufigkeit = !m_nachHaeufigkeit;
    setzeAufKnopf();
}

void Verteilung::setzeAufKnopf()
{
    if (m_nachHaeufigkeit) {
        m_bAuf->setText(QStringLiteral("Von 1 - 49 sortieren"));
        m_bAuf->setIcon(Symbole::symbol(QStringLiteral("1"), QColor(0x2F, 0x6F, 0xD6)));
    } else {
        m_bAuf->setText(QStringLiteral("Aufsteigend sortieren"));
        m_bAuf->setIcon(Symbole::symbol(QStringLiteral("\u2191"), QColor(0x1E, 0x88, 0x5A)));
    }
}
