// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// An amount of money in ten-thousandths of a euro; sums are exact.
using Betrag = std::int64_t;

inline constexpr Betrag BetragProEuro = 10000;

// "2.000,00": two decimals with the locale's separators.
QString BetragZuText(Betrag betrag, const QLocale &locale);
// "2.000,00 €": the locale's currency format with two decimals.
QString BetragZuWaehrung(Betrag betrag, const QLocale &locale);
