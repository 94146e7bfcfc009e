#pragma once

#include "model/Records.h"
#include "model/Spiel.h"

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
