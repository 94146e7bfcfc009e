// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Testumgebung.h"

#include "model/Records.h"

#include <QByteArray>
#include <QDate>
#include <QList>

#include <array>
#include <cstdint>

// Ticket and history fixtures of the ticket-tab tests.

// A row of a ticket file: five numbers and the Zusatzzahl.
using Reihe = std::array<std::uint8_t, 6>;

// A ticket file of these rows, every row with the same shares.
inline QByteArray schein(const QList<Reihe> &reihen, std::uint16_t gesamt = 1, std::uint16_t meine = 1)
{
    QByteArray daten;
    for (const Reihe &r : reihen) {
        TNormalSchein s;
        s.WZ = r;
        s.AntGes = gesamt;
        s.Antmeine = meine;
        daten += s.alsBytes();
    }
    return daten;
}

// Three draws: 01.01.2024 {1..5}/1, 08.01.2024 {6..10}/2, 15.01.2024 {11..15}/3.
inline QByteArray dreiZiehungen()
{
    QByteArray d;
    for (int i = 0; i < 3; ++i) {
        const auto a = static_cast<std::uint8_t>(1 + 5 * i);
        d += Testumgebung::ziehung(
                 QDate(2024, 1, 1).addDays(7 * i),
                 {a, std::uint8_t(a + 1), std::uint8_t(a + 2), std::uint8_t(a + 3), std::uint8_t(a + 4)},
                 std::uint8_t(1 + i))
                 .alsBytes();
    }
    return d;
}
