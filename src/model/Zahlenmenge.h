// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

// Bits set in a block of bytes, counted four bits at a time through a table.
int Bitanzahl(const void *block, std::size_t laenge);

// A set over 0..255 as a 256-bit bitmap: number n is bit (n mod 8) of byte (n div 8).
// Held as four little-endian 64-bit words, so the byte layout is exactly that bitmap.
class Zahlenmenge
{
public:
    static_assert(std::endian::native == std::endian::little, "the bitmap layout assumes a little-endian machine");

    constexpr Zahlenmenge() = default;

    constexpr void hinzu(std::uint8_t n) { w[n >> 6] |= std::uint64_t{1} << (n & 63); }
    constexpr void entferne(std::uint8_t n) { w[n >> 6] &= ~(std::uint64_t{1} << (n & 63)); }
    constexpr bool enthaelt(std::uint8_t n) const { return (w[n >> 6] >> (n & 63)) & 1U; }
    constexpr void leeren() { w = {}; }
    constexpr bool leer() const { return (w[0] | w[1] | w[2] | w[3]) == 0; }

    constexpr int anzahl() const
    {
        return std::popcount(w[0]) + std::popcount(w[1]) + std::popcount(w[2]) + std::popcount(w[3]);
    }
    constexpr Zahlenmenge schnitt(const Zahlenmenge &o) const
    {
        Zahlenmenge r;
        for (std::size_t i = 0; i < 4; ++i)
            r.w[i] = w[i] & o.w[i];
        return r;
    }
    // Number of common members, the hits of a row in a draw.
    constexpr int gemeinsam(const Zahlenmenge &o) const
    {
        return std::popcount(w[0] & o.w[0]) + std::popcount(w[1] & o.w[1]) + std::popcount(w[2] & o.w[2])
               + std::popcount(w[3] & o.w[3]);
    }
    constexpr bool operator==(const Zahlenmenge &) const = default;

    // Members 0..63 as one word: every number of the game (1..49) lies in it.
    constexpr std::uint64_t ersteWort() const { return w[0]; }

    const std::uint8_t *bytes() const { return reinterpret_cast<const std::uint8_t *>(w.data()); }
    static constexpr std::size_t Groesse = 32;

private:
    std::array<std::uint64_t, 4> w{};
};

// Members from 1 up to `hoechste`, ascending, joined by `trenner`.
QString MengeZuText(const Zahlenmenge &menge, int hoechste, const QString &trenner);

// The first k members in ascending order, found by scanning 1..hoechste.
QByteArray MengeZuReihe(const Zahlenmenge &menge, int k, int hoechste);
