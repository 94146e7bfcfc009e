// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Zufallsreihen.h"

#include <algorithm>
#include <numeric>

Zufallsreihen::Zufallsreihen(int anzahl, const QString &festeZusatzzahl) : m_festeZusatzzahl(festeZusatzzahl)
{
    m_zahlen.reserve(static_cast<std::size_t>(std::max(anzahl, 0)) * ZahlenProReihe);
    if (festeZusatzzahl.isEmpty())
        m_zusatz.reserve(static_cast<std::size_t>(std::max(anzahl, 0)));
}

QString Zufallsreihen::zusatzzahl(int reihe) const
{
    return m_zusatz.empty() ? m_festeZusatzzahl : QString::number(m_zusatz[static_cast<std::size_t>(reihe)]);
}

void Zufallsreihen::anhaengen(const Reihe &reihe, std::uint8_t zusatzzahl)
{
    m_zahlen.insert(m_zahlen.end(), reihe.begin(), reihe.end());
    if (m_festeZusatzzahl.isEmpty())
        m_zusatz.push_back(zusatzzahl);
    for (std::uint8_t n : reihe)
        if (istZahl(n))
            ++m_nrCount[n];
    ++m_anzahl;
}

Zufallsreihen Zufallsreihen::ausZahlen(std::vector<std::uint8_t> zahlen, int anzahl, const QString &festeZusatzzahl)
{
    Zufallsreihen reihen;
    reihen.m_festeZusatzzahl = festeZusatzzahl;
    reihen.m_anzahl = static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(std::max(anzahl, 0)), zahlen.size() / ZahlenProReihe));
    const std::size_t groesse = static_cast<std::size_t>(reihen.m_anzahl) * ZahlenProReihe;
    if (zahlen.size() > groesse) {
        zahlen.resize(groesse);
        zahlen.shrink_to_fit();
    }
    reihen.m_zahlen = std::move(zahlen);
    for (const std::uint8_t n : reihen.m_zahlen)
        if (istZahl(n))
            ++reihen.m_nrCount[n];
    if (festeZusatzzahl.isEmpty())
        reihen.m_zusatz.assign(static_cast<std::size_t>(reihen.m_anzahl), 0);
    return reihen;
}

TextTabelle Zufallsreihen::alsTabelle(const Textmesser &textbreite) const
{
    TextTabelle tabelle(TippreihenSpalten, m_anzahl + 1);
    KopfTippreihen(tabelle, 40, textbreite);
    // One shared string per value instead of one per cell keeps a table of millions of rows small.
    std::array<QString, 256> texte;
    for (int n = 0; n < 256; ++n)
        texte[static_cast<std::size_t>(n)] = QString::number(n);
    for (int r = 0; r < m_anzahl; ++r) {
        for (int s = 0; s < ZahlenProReihe; ++s)
            tabelle.setzeZelle(s + 1, r + 1, texte[zahl(r, s)]);
        tabelle.setzeZelle(6, r + 1,
                           m_zusatz.empty() ? m_festeZusatzzahl : texte[m_zusatz[static_cast<std::size_t>(r)]]);
    }
    return tabelle;
}

std::array<int, MaxZahl> NachHaeufigkeit(const std::array<std::int32_t, MaxZahl + 1> &nrCount)
{
    std::array<int, MaxZahl> folge{};
    std::iota(folge.begin(), folge.end(), 1);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        return nrCount[static_cast<std::size_t>(a)] < nrCount[static_cast<std::size_t>(b)];
    });
    return folge;
}
