// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Textzellen.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The rows of one generation, held compactly: five bytes per row for its numbers in ascending
// order and one byte for its Zusatzzahl, or, when every row has the same fixed Zusatzzahl, that
// text once. A run of all 1,906,884 rows takes about 11 MB.
class Zufallsreihen
{
public:
    using Reihe = std::array<std::uint8_t, ZahlenProReihe>;

    Zufallsreihen() = default;
    // Room for `anzahl` rows; `festeZusatzzahl` empty means a drawn Zusatzzahl per row.
    Zufallsreihen(int anzahl, const QString &festeZusatzzahl);

    int anzahl() const { return m_anzahl; }
    bool leer() const { return m_anzahl == 0; }

    // Number `stelle` (0..4) of row `reihe` (0-based).
    std::uint8_t zahl(int reihe, int stelle) const
    {
        return m_zahlen[static_cast<std::size_t>(reihe) * ZahlenProReihe + static_cast<std::size_t>(stelle)];
    }
    // The Zusatzzahl as shown: the drawn number, or the fixed text exactly as typed ("07").
    QString zusatzzahl(int reihe) const;
    // The drawn Zusatzzahl of a row, 0 when the rows carry a fixed one.
    std::uint8_t gezogeneZusatzzahl(int reihe) const
    {
        return m_zusatz.empty() ? 0 : m_zusatz[static_cast<std::size_t>(reihe)];
    }
    const QString &festeZusatzzahl() const { return m_festeZusatzzahl; }

    // How often each number 1..49 occurs in the rows (index 0 unused).
    const std::array<std::int32_t, MaxZahl + 1> &NrCount() const { return m_nrCount; }

    // Appends a row and counts its numbers.
    void anhaengen(const Reihe &reihe, std::uint8_t zusatzzahl);
    // The first `anzahl` rows of `zahlen`, five ascending numbers each, taken over without a copy
    // and counted; a drawn Zusatzzahl of each row is 0 until setzeZusatzzahl gives it.
    static Zufallsreihen ausZahlen(std::vector<std::uint8_t> zahlen, int anzahl, const QString &festeZusatzzahl);
    void setzeZusatzzahl(int reihe, std::uint8_t zusatzzahl)
    {
        if (!m_zusatz.empty())
            m_zusatz[static_cast<std::size_t>(reihe)] = zusatzzahl;
    }

    // The rows as a tip-row table for the save commands: header row, the five numbers in
    // columns 1 to 5 and the Zusatzzahl in column 6, with the row numbers of column 0 left
    // empty (no save writes them). Cells of equal text share one string.
    TextTabelle alsTabelle(const Textmesser &textbreite) const;

private:
    int m_anzahl = 0;
    std::vector<std::uint8_t> m_zahlen;
    std::vector<std::uint8_t> m_zusatz;
    QString m_festeZusatzzahl;
    std::array<std::int32_t, MaxZahl + 1> m_nrCount{};
};

// The numbers 1..49 in ascending order of their count, equal counts by ascending number: the
// order of the distribution area when it is sorted by count.
std::array<int, MaxZahl> NachHaeufigkeit(const std::array<std::int32_t, MaxZahl + 1> &nrCount);
