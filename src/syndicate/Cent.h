// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Money of a syndicate: whole cents, never fractions, so every split adds up exactly.
using Cent = qint64;

// An amount typed by a person: euros with at most two decimals after one "," or ".", no
// thousands separators, greater than 0 ("12,50", "12.50", "12"). nullopt for anything else,
// also for amounts beyond a billion euros.
std::optional<Cent> CentAusText(const QString &text);

// "1.234,50" in the locale's separators, and the same with the currency ("1.234,50 €").
QString CentText(Cent betrag, const QLocale &locale);
QString CentWaehrung(Cent betrag, const QLocale &locale);

// The price of a row in whole cents, rounded half up. The price is held as a float; its
// shortest decimal form is the text the user wrote, so 1,005 becomes 101 cents, not 100.
Cent ReihenpreisInCent(float reihenpreis);
