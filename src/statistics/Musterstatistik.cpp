// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/Musterstatistik.h"

#include <algorithm>

Musterauswertung MusterAuswerten(const QVector<TGewZahlen> &ziehungen, int von, int bis)
{
    Musterauswertung auswertung;
    std::array<std::vector<std::int64_t>, Musterarten> beobachtet;
    for (const Musterart art : AlleMusterarten)
        beobachtet[static_cast<std::size_t>(art)].assign(static_cast<std::size_t>(WerteVon(art).anzahl()), 0);

    const int erste = std::max(von, 0);
    const int letzte = std::min(bis, static_cast<int>(ziehungen.size()) - 1);
    for (int i = erste; i <= letzte; ++i) {
        const Zahlenmenge menge = ziehungen.at(i).menge();
        if (menge.anzahl() != ZahlenProReihe)
            continue;
        const Musterwerte werte = MusterVon(menge.ersteWort());
        for (const Musterart art : AlleMusterarten)
            ++beobachtet[static_cast<std::size_t>(art)][static_cast<std::size_t>(werte.wert(art) - WerteVon(art).von)];
        ++auswertung.ziehungen;
    }

    for (const Musterart art : AlleMusterarten) {
        const auto a = static_cast<std::size_t>(art);
        const std::vector<std::int64_t> &alle = ErwarteteAnzahlen(art);
        Musterergebnis &ergebnis = auswertung.muster[a];
        ergebnis.art = art;
        std::vector<double> erwartet;
        for (std::size_t i = 0; i < alle.size(); ++i) {
            const double e = static_cast<double>(auswertung.ziehungen) * static_cast<double>(alle[i]) /
                             static_cast<double>(AlleReihen);
            ergebnis.werte.push_back({WerteVon(art).von + static_cast<int>(i), alle[i], beobachtet[a][i], e});
            erwartet.push_back(e);
        }
        ergebnis.test = ChiQuadratTest(WerteVon(art).von, beobachtet[a], erwartet);
    }
    return auswertung;
}

QString Musterbezeichnung(Musterart art)
{
    switch (art) {
    case Musterart::Summe:
        return QStringLiteral("Summe der Zahlen");
    case Musterart::Gerade:
        return QStringLiteral("Gerade Zahlen");
    case Musterart::Klein:
        return QStringLiteral("Kleine Zahlen (1\u201324)");
    case Musterart::Folge:
        return QStringLiteral("L\u00E4ngste Folge");
    case Musterart::Zehnergruppe:
        return QStringLiteral("H\u00F6chstens \u2026 je Zehnergruppe");
    }
    return {};
}

QString Musterschluessel(Musterart art)
{
    switch (art) {
    case Musterart::Summe:
        return QStringLiteral("summe");
    case Musterart::Gerade:
        return QStringLiteral("gerade");
    case Musterart::Klein:
        return QStringLiteral("klein");
    case Musterart::Folge:
        return QStringLiteral("folge");
    case Musterart::Zehnergruppe:
        return QStringLiteral("zehnergruppe");
    }
    return {};
}
