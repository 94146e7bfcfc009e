// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DemoTippschein.h"

#include "model/Records.h"

QByteArray DemoTippschein()
{
    static constexpr std::uint8_t Reihen[12][6] = {
        {3, 12, 25, 38, 47, 7}, {1, 9, 17, 33, 42, 2},  {5, 11, 19, 27, 45, 10}, {2, 14, 21, 36, 49, 4},
        {7, 13, 24, 31, 40, 1}, {8, 16, 22, 29, 44, 6}, {4, 18, 26, 35, 43, 9},  {6, 10, 23, 37, 48, 3},
        {15, 20, 28, 32, 46, 5}, {9, 19, 30, 34, 41, 8}, {11, 17, 25, 39, 47, 2}, {3, 6, 27, 33, 44, 7},
    };
    QByteArray daten;
    for (const auto &reihe : Reihen) {
        TNormalSchein s;
        for (int i = 0; i < 6; ++i)
            s.WZ[static_cast<std::size_t>(i)] = reihe[i];
        s.AntGes = 1;
        s.Antmeine = 1;
        daten += s.alsBytes();
    }
    return daten;
}
