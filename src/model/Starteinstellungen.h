// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class Einstellungen;

// How the start uses the settings file: the price of a row and the remembered ticket files.

struct Preiswahl
{
    float reihenpreis = 2.0F;
    std::optional<QString> neuerText; // to be written back into [Abrechnung] Preis
};

// The price of a row from the stored text of [Abrechnung] Preis. Old files held the price in
// cents: exactly 200 becomes 2,00 and is written back. Anything that is no usable price keeps
// 2,00, so the price stays positive.
Preiswahl PreisAuswerten(const QString &text, const QLocale &locale);

// More remembered ticket files than the start opens as tabs: the rest are left out.
inline constexpr int MaxGemerkteDateien = 100;

struct GemerkteScheine
{
    int anzahl = 0;     // [Spielscheine] Dateienanzahl as stored
    QStringList pfade;  // the files to open, in the order of their numbers, at most MaxGemerkteDateien
    int ausgelassen = 0; // remembered files beyond those
};

// The remembered ticket files: Datei1 up to Datei<Dateienanzahl>, but never past the highest
// "Datei" key that exists. A missing or empty key names no file and is skipped. The cost grows
// with the keys the section holds, never with the count it names.
GemerkteScheine GemerkteDateien(const Einstellungen &einstellungen);

// The note the start shows once when remembered files were left out.
QString AusgelasseneDateienText(const GemerkteScheine &gemerkt);

// Remembers `dateien` as the files to open at the next start: [Spielscheine] then holds
// Dateienanzahl and Datei1..DateiN only, the first MaxGemerkteDateien of them. One write, so a
// failed one keeps the old list.
bool DateienMerken(Einstellungen &einstellungen, const QStringList &dateien);
