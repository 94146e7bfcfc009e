// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zufall/Zahlenfelder.h"

#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/Steuerelemente.h"
#include "ui/gemeinsam/Symbole.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Normal look, then one selected look per panel: green bank numbers (the colour they have in
// the grid), struck-out dark red quota killers, blue favourites.
const QString Aussehen = QStringLiteral(
    "TBZufall { background: #f4f4f4; color: black; border: 1px solid #a0a0a0; border-radius: 3px; }"
    "TBZufall:hover { border-color: #505050; }"
    "TBZufall:disabled { color: #909090; border-color: #c8c8c8; }"
    "TBZufall[feld=\"1\"][gewaehlt=\"true\"] { background: #93fd72; border: 1px solid #2f7d18; }"
    "TBZufall[feld=\"2\"][gewaehlt=\"true\"] { background: #8b1a1a; color: white; border: 1px solid #4a0000; "
    "text-decoration: line-through; }"
    "TBZufall[feld=\"3\"][gewaehlt=\"true\"] { background: #28b8ff; border: 1px solid #005f8f; }");

struct Feldnamen
{
    QString titel;
    QString leerenKnopf;
};

Feldnamen namen(Zufallsfeld feld)
{
    switch (feld) {
    case Zufallsfeld::Bankzahlen:
        return {QStringLiteral("Bankzahlen"), QStringLiteral("SpeedButton5")};
    case Zufallsfeld::Quotenkiller:
        return {QStringLiteral("Quotenkiller"), QStringLiteral("SpeedButton7")};
    case Zufallsfeld::Favoriten:
        return {QStringLiteral("Favoriten"), QStringLiteral("SpeedButton8")};
    }
    return {};
}
} // namespace

TBZufall::TBZufall(Zufallsfeld feld, int zahl, QWidget *eltern)
    : Nummernknopf(100 * static_cast<int>(feld) + zahl, eltern)
{
    setObjectName(QStringLiteral("BZuf%1").arg(tag()));
    setProperty("feld", static_cast<int>(feld));
    setText(QString::number(zahl));
    QFont f = font();
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    setFixedSize(std::max(24, fontMetrics().horizontalAdvance(QStringLiteral("49")) + 8),
                 std::max(20, fontMetrics().height() + 4));
    setStyleSheet(Aussehen);
}

Zufallszahlenfeld::Zufallszahlenfeld(Zufallsfeld feld, QWidget *eltern) : QFrame(eltern), m_feld(feld)
{
    setObjectName(QStringLiteral("P%1").arg(static_cast<int>(feld)));
    setFrameShape(QFrame::StyledPanel);
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 2, 4, 4);
    spalte->setSpacing(2);

    auto *kopf = new QHBoxLayout;
    const Feldnamen name = namen(feld);
    auto *ueberschrift = FettesLabel(QStringLiteral("L%1").arg(name.titel), Qt::AlignLeft, this);
    ueberschrift->setText(name.titel);
    kopf->addWidget(ueberschrift, 1);
    m_leeren = Bildknopf(name.leerenKnopf, Symbole::loeschen(), name.titel + QStringLiteral(" alle abwählen"), this);
    m_leeren->setIconSize(QSize(14, 14));
    m_leeren->setAutoRaise(true);
    kopf->addWidget(m_leeren);
    spalte->addLayout(kopf);

    auto *raster = new QGridLayout;
    raster->setSpacing(1);
    for (int n = 1; n <= MaxZahl; ++n) {
        auto *knopf = new TBZufall(feld, n, this);
        raster->addWidget(knopf, (n - 1) / 7, (n - 1) % 7);
        m_knoepfe[static_cast<std::size_t>(n)] = knopf;
        connect(knopf, &QPushButton::clicked, this, [this, knopf] { Q_EMIT geklickt(knopf->tag()); });
    }
    // A hidden button keeps its place, so the panel does not shift.
    for (int n = 1; n <= MaxZahl; ++n) {
        QSizePolicy politik = m_knoepfe[static_cast<std::size_t>(n)]->sizePolicy();
        politik.setRetainSizeWhenHidden(true);
        m_knoepfe[static_cast<std::size_t>(n)]->setSizePolicy(politik);
    }
    spalte->addLayout(raster);
    spalte->addStretch();
    connect(m_leeren, &QToolButton::clicked, this, &Zufallszahlenfeld::leerenGeklickt);
}

Zahlenwahl::Zahlenwahl(Zufallszahlenfeld *bank, Zufallszahlenfeld *kill, Zufallszahlenfeld *fav, QWidget *fenster)
    : QObject(fenster), m_felder{bank, kill, fav}, m_fenster(fenster)
{
    for (Zufallszahlenfeld *feld : m_felder) {
        connect(feld, &Zufallszahlenfeld::geklickt, this, &Zahlenwahl::BLotAuswerten);
        connect(feld, &Zufallszahlenfeld::leerenGeklickt, this, [this, feld] { leeren(feld->feld()); });
    }
}

void Zahlenwahl::BLotAuswerten(int tag)
{
    using W = Zufallsauswahl::Wirkung;
    switch (umschalten(tag)) {
    case W::ZuVieleBankzahlen:
        Meldungen::fehler(m_fenster, MeldungZuVieleBankzahlen);
        break;
    case W::ZuVieleQuotenkiller:
        Meldungen::fehler(m_fenster, MeldungZuVieleQuotenkiller);
        break;
    default:
        break;
    }
}

Zufallsauswahl::Wirkung Zahlenwahl::umschalten(int tag)
{
    using W = Zufallsauswahl::Wirkung;
    const W wirkung = m_auswahl.umschalten(tag);
    const int n = tag % 100;
    if (wirkung != W::Gewaehlt && wirkung != W::Abgewaehlt)
        return wirkung;
    const bool gewaehlt = wirkung == W::Gewaehlt;
    for (Zufallszahlenfeld *feld : m_felder) {
        if (static_cast<int>(feld->feld()) == tag / 100)
            feld->knopf(n)->setzeGewaehlt(gewaehlt);
        else
            feld->knopf(n)->setVisible(!gewaehlt);
    }
    Q_EMIT geaendert();
    return wirkung;
}

void Zahlenwahl::leeren(Zufallsfeld feld)
{
    for (int n = 1; n <= MaxZahl; ++n)
        if (m_auswahl.menge(feld).enthaelt(static_cast<std::uint8_t>(n)))
            BLotAuswerten(100 * static_cast<int>(feld) + n);
}
