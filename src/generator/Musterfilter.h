// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics/Muster.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Optional filters on the patterns of a row: the sum, the even and the small numbers each
// within a range, the longest run and the most numbers per group of ten each at most a value.
// A pattern without a range lets every row pass.

struct Musterbereich
{
    int von = 0;
    int bis = 0;
    bool operator==(const Musterbereich &) const = default;
};

class Musterfilter
{
public:
    bool aktiv() const;
    const std::optional<Musterbereich> &bereich(Musterart art) const { return m_bereiche[index(art)]; }
    void setze(Musterart art, std::optional<Musterbereich> bereich) { m_bereiche[index(art)] = bereich; }
    bool erfuellt(const Musterwerte &werte) const;

    // Run and group of ten take only an upper limit: their range starts at 1.
    static bool nurHoechstwert(Musterart art) { return art == Musterart::Folge || art == Musterart::Zehnergruppe; }

    // The text of a setting or an option: "100-150" (or "120" for exactly 120), for run and
    // group "2" (at most 2); empty means off. Nullopt for an empty text; `ok` false for a text
    // that is no range of values the pattern can take.
    static std::optional<Musterbereich> lesen(Musterart art, const QString &text, bool *ok);
    // The same text back, empty when the pattern is off.
    QString text(Musterart art) const;

    bool operator==(const Musterfilter &) const = default;

private:
    static std::size_t index(Musterart art) { return static_cast<std::size_t>(art); }
    std::array<std::optional<Musterbereich>, Musterarten> m_bereiche;
};

// The filter as a quick test of a row's packed pattern values (Reihentafel).
class Filterpruefung
{
public:
    explicit Filterpruefung(const Musterfilter &filter);
    bool operator()(std::uint32_t gepackt) const
    {
        return ((m_summe[(gepackt >> 6) & 3] >> (gepackt & 63)) & 1) && ((m_rest >> ((gepackt >> 8) & 7)) & 1) &&
               ((m_rest >> (8 + ((gepackt >> 11) & 7))) & 1) && ((m_rest >> (16 + ((gepackt >> 14) & 7))) & 1) &&
               ((m_rest >> (24 + ((gepackt >> 17) & 7))) & 1);
    }

private:
    std::array<std::uint64_t, 4> m_summe{}; // allowed sums as a 256-bit set
    std::uint32_t m_rest = 0;               // allowed values 0..7 of even, small, run, group: a byte each
};

// The rows of five numbers that hold every number of `bank`, none of `kill` and pass the
// filter (bits 1..49 as in Reihenbits): counted, or listed in lexicographic order.
std::int64_t PassendeReihenZaehlen(std::uint64_t bank, std::uint64_t kill, const Musterfilter &filter);
std::vector<std::uint64_t> PassendeReihen(std::uint64_t bank, std::uint64_t kill, const Musterfilter &filter);
