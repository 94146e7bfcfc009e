// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/System.h"

#include <algorithm>
#include <bit>

QString SystemPruefen(const std::vector<int> &zahlen, const std::optional<Garantie> &garantie)
{
    const int n = static_cast<int>(zahlen.size());
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        if (!istZahl(zahlen[i]))
            return QStringLiteral("Die Zahl %1 liegt nicht zwischen 1 und 49.").arg(zahlen[i]);
        for (std::size_t j = 0; j < i; ++j)
            if (zahlen[j] == zahlen[i])
                return QStringLiteral("Die Zahl %1 steht zweimal da.").arg(zahlen[i]);
    }
    if (!garantie) {
        if (n < MinSystemzahlen || n > MaxVollsystemzahlen)
            return QStringLiteral("Ein Vollsystem braucht 6 bis 20 Zahlen, gew\u00E4hlt sind %1.").arg(n);
        return {};
    }
    if (n < MinSystemzahlen || n > MaxSystemzahlen)
        return QStringLiteral("Ein Kurzsystem braucht 6 bis 30 Zahlen, gew\u00E4hlt sind %1.").arg(n);
    const Garantie g = *garantie;
    if (g.wenn < 1 || g.wenn > ZahlenProReihe || g.richtige < 1 || g.richtige > g.wenn)
        return QStringLiteral("Die Garantie \u201E%1 bei %2\u201C gibt es nicht: es gilt 1 \u2264 Richtige \u2264 "
                              "Gewinnzahlen \u2264 5.")
            .arg(g.richtige)
            .arg(g.wenn);
    if (g.richtige == ZahlenProReihe)
        return QStringLiteral("Die Garantie \u201E5 bei 5\u201C gibt nur das Vollsystem.");
    return {};
}

std::vector<Reihenmaske> Vollsystem(int n)
{
    std::vector<Reihenmaske> reihen;
    reihen.reserve(static_cast<std::size_t>(Binomialkoeffizient(n, ZahlenProReihe)));
    // Gosper's hack walks the 5-bit masks in ascending order of their value, which is the
    // colexicographic order; sorting by the numbers gives the order a player reads.
    const Reihenmaske ende = Reihenmaske{1} << n;
    for (Reihenmaske r = 0x1F; r < ende;) {
        reihen.push_back(r);
        const Reihenmaske c = r & (~r + 1);
        const Reihenmaske s = r + c;
        r = (((r ^ s) >> 2) / c) | s;
    }
    std::sort(reihen.begin(), reihen.end(), [](Reihenmaske a, Reihenmaske b) {
        // Lexicographic on the ascending bit positions: compare at the lowest differing bit.
        const Reihenmaske d = a ^ b;
        return (a & d & (~d + 1)) != 0;
    });
    return reihen;
}

std::int64_t UngedeckteMengen(int n, const std::vector<Reihenmaske> &reihen, Garantie garantie, Reihenmaske *erste)
{
    const int m = garantie.wenn;
    const int t = garantie.richtige;
    if (m < 1 || m > n)
        return 0;
    std::int64_t fehlend = 0;
    const std::uint64_t ende = std::uint64_t{1} << n;
    std::uint64_t menge = (std::uint64_t{1} << m) - 1;
    // The row that served the last m-set is tried first: neighbouring m-sets share most numbers.
    std::size_t zuletzt = 0;
    while (menge < ende) {
        const auto maske = static_cast<Reihenmaske>(menge);
        bool gedeckt = !reihen.empty() && std::popcount(reihen[zuletzt] & maske) >= t;
        for (std::size_t r = 0; !gedeckt && r < reihen.size(); ++r)
            if (std::popcount(reihen[r] & maske) >= t) {
                gedeckt = true;
                zuletzt = r;
            }
        if (!gedeckt) {
            if (fehlend == 0 && erste)
                *erste = maske;
            ++fehlend;
        }
        const std::uint64_t c = menge & (~menge + 1);
        const std::uint64_t s = menge + c;
        menge = (((menge ^ s) >> 2) / c) | s;
    }
    return fehlend;
}

std::int64_t MengenJeReihe(int n, Garantie garantie)
{
    std::int64_t anzahl = 0;
    for (int j = garantie.richtige; j <= std::min(ZahlenProReihe, garantie.wenn); ++j)
        anzahl += Binomialkoeffizient(ZahlenProReihe, j) * Binomialkoeffizient(n - ZahlenProReihe, garantie.wenn - j);
    return anzahl;
}

std::int64_t Untergrenze(int n, Garantie garantie)
{
    const int t = garantie.richtige;
    const int m = garantie.wenn;
    if (t == m) {
        std::int64_t grenze = 1;
        for (int i = t - 1; i >= 0; --i) {
            const std::int64_t zaehler = static_cast<std::int64_t>(n - i) * grenze;
            const std::int64_t nenner = ZahlenProReihe - i;
            grenze = (zaehler + nenner - 1) / nenner;
        }
        return grenze;
    }
    const std::int64_t jeReihe = std::max<std::int64_t>(1, MengenJeReihe(n, garantie));
    std::int64_t grenze = (Binomialkoeffizient(n, m) + jeReihe - 1) / jeReihe;
    if (t == 1)
        grenze = std::max<std::int64_t>(grenze, (n - m + 1 + ZahlenProReihe - 1) / ZahlenProReihe);
    return std::max<std::int64_t>(grenze, 1);
}

QString GarantieKurz(Garantie garantie)
{
    return QStringLiteral("%1 bei %2").arg(garantie.richtige).arg(garantie.wenn);
}

QString GarantieText(int n, const std::optional<Garantie> &garantie)
{
    if (!garantie)
        return QStringLiteral("Jede Reihe aus Ihren %1 Zahlen ist dabei: Sind alle 5 Gewinnzahlen unter Ihren "
                              "%1 Zahlen, hat eine Reihe 5 Richtige.")
            .arg(n);
    const QString bedingung = garantie->wenn == ZahlenProReihe
                                  ? QStringLiteral("Sind alle 5 Gewinnzahlen unter Ihren %1 Zahlen").arg(n)
                                  : QStringLiteral("Sind mindestens %1 der 5 Gewinnzahlen unter Ihren %2 Zahlen")
                                        .arg(garantie->wenn)
                                        .arg(n);
    return bedingung + QStringLiteral(", hat mindestens eine Reihe %1 oder mehr Richtige.").arg(garantie->richtige);
}

std::array<std::uint8_t, ZahlenProReihe> ReihenZahlen(const std::vector<int> &zahlen, Reihenmaske reihe)
{
    std::array<std::uint8_t, ZahlenProReihe> aus{};
    std::size_t s = 0;
    for (Reihenmaske r = reihe; r && s < aus.size(); r &= r - 1)
        aus[s++] = static_cast<std::uint8_t>(zahlen[static_cast<std::size_t>(std::countr_zero(r))]);
    return aus;
}
