// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/Muster.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::uint64_t bits(int von, int bis)
{
    std::uint64_t m = 0;
    for (int n = von; n <= bis; ++n)
        m |= std::uint64_t{1} << n;
    return m;
}

constexpr std::uint64_t GeradeZahlen = [] {
    std::uint64_t m = 0;
    for (int n = 2; n <= MaxZahl; n += 2)
        m |= std::uint64_t{1} << n;
    return m;
}();
constexpr std::uint64_t KleineZahlen = bits(1, GroessteKleineZahl);
constexpr std::array<std::uint64_t, 5> Zehnergruppen{bits(1, 9), bits(10, 19), bits(20, 29), bits(30, 39),
                                                     bits(40, 49)};

int laengsteFolge(std::uint64_t reihe)
{
    // Each step keeps only the numbers whose successor is in the row too: a run of length L
    // survives L - 1 steps.
    int laenge = 0;
    for (; reihe != 0; reihe &= reihe >> 1)
        ++laenge;
    return laenge;
}

// Calls `besuch` with every row of five numbers, in lexicographic order.
template <class Besuch>
void jedeReihe(Besuch &&besuch)
{
    const auto bit = [](int n) { return std::uint64_t{1} << n; };
    for (int a = 1; a <= MaxZahl - 4; ++a)
        for (int b = a + 1; b <= MaxZahl - 3; ++b)
            for (int c = b + 1; c <= MaxZahl - 2; ++c)
                for (int d = c + 1; d <= MaxZahl - 1; ++d)
                    for (int e = d + 1; e <= MaxZahl; ++e)
                        besuch(bit(a) | bit(b) | bit(c) | bit(d) | bit(e));
}

} // namespace

int Musterwerte::wert(Musterart art) const
{
    switch (art) {
    case Musterart::Summe:
        return summe;
    case Musterart::Gerade:
        return gerade;
    case Musterart::Klein:
        return klein;
    case Musterart::Folge:
        return folge;
    case Musterart::Zehnergruppe:
        return zehnergruppe;
    }
    return 0;
}

Musterwerte MusterVon(std::uint64_t reihe)
{
    Musterwerte w;
    for (std::uint64_t rest = reihe; rest != 0; rest &= rest - 1)
        w.summe += std::countr_zero(rest);
    w.gerade = std::popcount(reihe & GeradeZahlen);
    w.klein = std::popcount(reihe & KleineZahlen);
    w.folge = laengsteFolge(reihe);
    for (const std::uint64_t gruppe : Zehnergruppen)
        w.zehnergruppe = std::max(w.zehnergruppe, std::popcount(reihe & gruppe));
    return w;
}

Wertebereich WerteVon(Musterart art)
{
    switch (art) {
    case Musterart::Summe:
        return {1 + 2 + 3 + 4 + 5, 45 + 46 + 47 + 48 + 49};
    case Musterart::Gerade:
    case Musterart::Klein:
        return {0, ZahlenProReihe};
    case Musterart::Folge:
    case Musterart::Zehnergruppe:
        return {1, ZahlenProReihe};
    }
    return {0, 0};
}

std::uint32_t Reihentafel::packe(const Musterwerte &w)
{
    return static_cast<std::uint32_t>(w.summe) | static_cast<std::uint32_t>(w.gerade) << 8 |
           static_cast<std::uint32_t>(w.klein) << 11 | static_cast<std::uint32_t>(w.folge) << 14 |
           static_cast<std::uint32_t>(w.zehnergruppe) << 17;
}

Musterwerte Reihentafel::entpacke(std::uint32_t m)
{
    return {summe(m), gerade(m), klein(m), folge(m), zehnergruppe(m)};
}

const Reihentafel &Reihentafel::alle()
{
    static const Reihentafel tafel = [] {
        Reihentafel t;
        t.reihen.reserve(AlleReihen);
        t.muster.reserve(AlleReihen);
        jedeReihe([&t](std::uint64_t reihe) {
            t.reihen.push_back(reihe);
            t.muster.push_back(packe(MusterVon(reihe)));
        });
        return t;
    }();
    return tafel;
}

// One walk over all rows, without keeping them: the statistics window needs no table.
const std::vector<std::int64_t> &ErwarteteAnzahlen(Musterart art)
{
    static const std::array<std::vector<std::int64_t>, Musterarten> alle = [] {
        std::array<std::vector<std::int64_t>, Musterarten> a;
        for (const Musterart art : AlleMusterarten)
            a[static_cast<std::size_t>(art)].assign(static_cast<std::size_t>(WerteVon(art).anzahl()), 0);
        jedeReihe([&a](std::uint64_t reihe) {
            const Musterwerte w = MusterVon(reihe);
            for (const Musterart art : AlleMusterarten)
                ++a[static_cast<std::size_t>(art)][static_cast<std::size_t>(w.wert(art) - WerteVon(art).von)];
        });
        return a;
    }();
    return alle[static_cast<std::size_t>(art)];
}
