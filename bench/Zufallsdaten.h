// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "model/Spiel.h"

#include <QByteArray>
#include <QVector>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>

// Five different numbers of 1..49 in ascending order, as a draw or a tip row has them.
inline std::array<std::uint8_t, 5> fuenfAus49(std::mt19937 &zufall)
{
    std::array<std::uint8_t, MaxZahl> topf{};
    std::iota(topf.begin(), topf.end(), std::uint8_t{1});
    std::shuffle(topf.begin(), topf.end(), zufall);
    std::array<std::uint8_t, 5> zahlen{};
    std::copy_n(topf.begin(), 5, zahlen.begin());
    std::sort(zahlen.begin(), zahlen.end());
    return zahlen;
}

// A ticket file of `reihen` random tip rows, unshared.
inline QByteArray zufallsschein(std::mt19937 &zufall, int reihen)
{
    QByteArray schein;
    for (int i = 0; i < reihen; ++i) {
        TNormalSchein s;
        const auto zahlen = fuenfAus49(zufall);
        std::copy(zahlen.begin(), zahlen.end(), s.WZ.begin());
        s.WZ[5] = static_cast<std::uint8_t>(1 + zufall() % 10);
        schein += s.alsBytes();
    }
    return schein;
}

// `anzahl` weekly draws of random numbers, the same on every run.
inline QVector<TGewZahlen> zufallsziehungen(int anzahl)
{
    std::mt19937 zufall(549);
    QVector<TGewZahlen> ziehungen;
    ziehungen.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        TGewZahlen z;
        z.datum = 36000.0 + 7.0 * i;
        z.GZ = fuenfAus49(zufall);
        z.bonus = static_cast<std::uint8_t>(1 + zufall() % MaxZusatzzahl);
        ziehungen.append(z);
    }
    return ziehungen;
}
