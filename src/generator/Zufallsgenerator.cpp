// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Zufallsgenerator.h"

#include "tools/Binomialkoeffizient.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <random>

namespace {

// The bits of the numbers 1..49.
constexpr Reihenbits Spielzahlen = ((Reihenbits{1} << MaxZahl) - 1) << 1;

// How many rows are drawn between two calls of the progress function.
constexpr std::int64_t MeldeAbstand = 4096;

// Uniform picks from 0..n-1, two per 64-bit output of the engine: the product of 32 random bits
// and n, its upper half the pick, a rare low half below 2^32 mod n drawn again (Lemire's
// method), so every pick is exactly uniform.
class Griffe
{
public:
    explicit Griffe(std::uint64_t startwert) : m_maschine(startwert) {}

    std::uint32_t griff(std::uint32_t n)
    {
        std::uint64_t produkt = std::uint64_t{zufall32()} * n;
        auto rest = static_cast<std::uint32_t>(produkt);
        if (rest < n) {
            const std::uint32_t schwelle = (0U - n) % n;
            while (rest < schwelle) {
                produkt = std::uint64_t{zufall32()} * n;
                rest = static_cast<std::uint32_t>(produkt);
            }
        }
        return static_cast<std::uint32_t>(produkt >> 32);
    }

    // Uniform pick from 0..n-1 for n up to 2^64 - 1: 64 random bits, those below 2^64 mod n
    // drawn again.
    std::uint64_t griff64(std::uint64_t n)
    {
        const std::uint64_t schwelle = (0 - n) % n;
        for (;;) {
            const std::uint64_t hoch = zufall32();
            const std::uint64_t zahl = (hoch << 32) | zufall32();
            if (zahl >= schwelle)
                return zahl % n;
        }
    }

private:
    std::uint32_t zufall32()
    {
        if (m_halb) {
            m_halb = false;
            return static_cast<std::uint32_t>(m_vorrat >> 32);
        }
        m_vorrat = m_maschine();
        m_halb = true;
        return static_cast<std::uint32_t>(m_vorrat);
    }

    std::mt19937_64 m_maschine;
    std::uint64_t m_vorrat = 0;
    bool m_halb = false;
};

Zufallsreihen::Reihe alsReihe(Reihenbits bits)
{
    Zufallsreihen::Reihe reihe{};
    std::size_t i = 0;
    for (; bits != 0 && i < reihe.size(); bits &= bits - 1)
        reihe[i++] = static_cast<std::uint8_t>(std::countr_zero(bits));
    return reihe;
}

// The chance that the pot's picks make one given set of `favoriten` favourites and `andere`
// other numbers, in any order: each pick takes a number by its weight among what is left in
// the pot (`gewicht`), a pick of a number already taken being picked again.
double setzungschance(int favoriten, int andere, int gewicht)
{
    if (favoriten == 0 && andere == 0)
        return 1.0;
    double chance = 0.0;
    if (favoriten > 0)
        chance += 2.0 * favoriten / gewicht * setzungschance(favoriten - 1, andere, gewicht - 2);
    if (andere > 0)
        chance += static_cast<double>(andere) / gewicht * setzungschance(favoriten, andere - 1, gewicht - 1);
    return chance;
}

// The rows that may be drawn, five ascending numbers each: every row of `offen` drawable
// numbers (neither bank number nor killer) beside the bank numbers, in lexicographic order of
// the drawable ones, or, with a filter, the rows that pass it.
std::vector<std::uint8_t> waehlbareReihen(Reihenbits bank, Reihenbits kill, const Musterfilter &filter,
                                          std::int64_t anzahl)
{
    std::vector<std::uint8_t> zahlen;
    zahlen.reserve(static_cast<std::size_t>(anzahl) * ZahlenProReihe);
    const auto anhaengen = [&zahlen](Reihenbits reihe) {
        for (int i = 0; reihe != 0 && i < ZahlenProReihe; ++i, reihe &= reihe - 1)
            zahlen.push_back(static_cast<std::uint8_t>(std::countr_zero(reihe)));
    };
    if (filter.aktiv()) {
        for (const Reihenbits reihe : PassendeReihen(bank, kill, filter))
            anhaengen(reihe);
        return zahlen;
    }
    std::array<Reihenbits, MaxZahl> frei{};
    int m = 0;
    for (int n = 1; n <= MaxZahl; ++n)
        if (!((bank | kill) >> n & 1))
            frei[static_cast<std::size_t>(m++)] = Reihenbits{1} << n;
    const int k = ZahlenProReihe - std::popcount(bank);
    if (k < 0 || k > m)
        return zahlen;
    std::array<int, ZahlenProReihe> stelle{};
    for (int i = 0; i < k; ++i)
        stelle[static_cast<std::size_t>(i)] = i;
    for (;;) {
        Reihenbits reihe = bank;
        for (int i = 0; i < k; ++i)
            reihe |= frei[static_cast<std::size_t>(stelle[static_cast<std::size_t>(i)])];
        anhaengen(reihe);
        int i = k - 1;
        while (i >= 0 && stelle[static_cast<std::size_t>(i)] == m - k + i)
            --i;
        if (i < 0)
            return zahlen;
        ++stelle[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            stelle[static_cast<std::size_t>(j)] = stelle[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// Rows of five bytes, exchanged in place.
void tausche(std::uint8_t *zahlen, std::size_t a, std::size_t b)
{
    std::array<std::uint8_t, ZahlenProReihe> zwischen{};
    std::memcpy(zwischen.data(), zahlen + a * ZahlenProReihe, ZahlenProReihe);
    std::memmove(zahlen + a * ZahlenProReihe, zahlen + b * ZahlenProReihe, ZahlenProReihe);
    std::memcpy(zahlen + b * ZahlenProReihe, zwischen.data(), ZahlenProReihe);
}

int favoritenIn(const std::uint8_t *reihe, Reihenbits fav)
{
    int f = 0;
    for (int i = 0; i < ZahlenProReihe; ++i)
        f += static_cast<int>(fav >> reihe[i] & 1);
    return f;
}

std::int64_t ohneFilter(const Zufallsvorgaben &vorgaben)
{
    const int bank = std::popcount(vorgaben.BZGewaehlt.ersteWort() & Spielzahlen);
    const int kill = std::popcount(vorgaben.KillGewaehlt.ersteWort() & Spielzahlen);
    return Binomialkoeffizient(MaxZahl - bank - kill, ZahlenProReihe - bank);
}

QString pruefen(const Zufallsvorgaben &vorgaben, std::int64_t moeglich)
{
    if (vorgaben.ZufReihenAnz < 1)
        return MeldungAnzahlUngueltig;
    if (std::int64_t{vorgaben.ZufReihenAnz} > moeglich)
        return QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, ") +
               QString::number(vorgaben.ZufReihenAnz) + QStringLiteral(" Tippreihen zu bilden.") + Absatz +
               QStringLiteral("ich muss abbrechen.");
    return QString();
}

} // namespace

std::int64_t MoeglicheReihen(const Zufallsvorgaben &vorgaben)
{
    if (!vorgaben.filter.aktiv())
        return ohneFilter(vorgaben);
    const Reihenbits bank = vorgaben.BZGewaehlt.ersteWort() & Spielzahlen;
    const Reihenbits kill = vorgaben.KillGewaehlt.ersteWort() & Spielzahlen & ~bank;
    return PassendeReihenZaehlen(bank, kill, vorgaben.filter);
}

QString ZufallPruefen(const Zufallsvorgaben &vorgaben)
{
    return pruefen(vorgaben, MoeglicheReihen(vorgaben));
}

std::uint64_t NeuerStartwert()
{
    std::random_device zufall;
    const auto zeit = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return ((std::uint64_t{zufall()} << 32) ^ zufall()) ^ zeit;
}

template <class Pruefung>
Zufallsergebnis ZufallszahlenErmittelnMit(Pruefung &pruefung, const Zufallsvorgaben &vorgaben, std::uint64_t startwert,
                                          const Zwischenstand &zwischenstand)
{
    Zufallsergebnis ergebnis;
    const std::int64_t moeglich = MoeglicheReihen(vorgaben);
    ergebnis.meldung = pruefen(vorgaben, moeglich);
    if (!ergebnis.meldung.isEmpty())
        return ergebnis;

    // Only 1..49 ever belong to a row, whatever the sets hold beyond that.
    const Reihenbits bank = vorgaben.BZGewaehlt.ersteWort() & Spielzahlen;
    const Reihenbits kill = vorgaben.KillGewaehlt.ersteWort() & Spielzahlen & ~bank;
    const Reihenbits fav = vorgaben.FavGewaehlt.ersteWort() & Spielzahlen;
    const int bankAnzahl = std::popcount(bank);

    // The pot: every drawable number once, a favourite twice, directly after itself.
    std::array<std::uint8_t, 2 * MaxZahl> topf{};
    int topfgroesse = 0;
    for (int n = 1; n <= MaxZahl; ++n) {
        const Reihenbits bit = Reihenbits{1} << n;
        if ((bank | kill) & bit)
            continue;
        topf[static_cast<std::size_t>(topfgroesse++)] = static_cast<std::uint8_t>(n);
        if (fav & bit)
            topf[static_cast<std::size_t>(topfgroesse++)] = static_cast<std::uint8_t>(n);
    }

    Griffe griffe(startwert);
    const auto topfweite = static_cast<std::uint32_t>(std::max(topfgroesse, 1));
    const std::int32_t gewuenscht = vorgaben.ZufReihenAnz;
    std::vector<Reihenbits> reihen;
    reihen.reserve(static_cast<std::size_t>(gewuenscht));
    std::int64_t gezogen = 0;
    const bool mitFilter = vorgaben.filter.aktiv();
    const Musterfilter &filter = vorgaben.filter;
    if (moeglich < std::int64_t{10} * gewuenscht) {
        // The request is a large part of the rows there are: draw them directly from those rows,
        // each with the chance the pot gives it, instead of searching for the last ones among
        // many duplicates. That chance depends only on how many favourites the row holds beside
        // the bank numbers, so the rows are sorted into one group per count, and each pick first
        // takes a group by the weight of what is left in it, then a row of the group uniformly.
        // Drawn rows move to the front in the order drawn (Fisher and Yates), the groups behind
        // them, so the rows need no room beyond their own five bytes.
        std::vector<std::uint8_t> zahlen = waehlbareReihen(bank, kill, filter, moeglich);
        std::uint8_t *const z = zahlen.data();
        const std::size_t alle = zahlen.size() / ZahlenProReihe;
        const int offen = ZahlenProReihe - bankAnzahl;
        const Reihenbits favImTopf = fav & ~bank & ~kill;
        std::array<std::size_t, ZahlenProReihe + 2> anfang{}; // group g: anfang[g] .. anfang[g + 1] - 1
        std::array<std::uint64_t, ZahlenProReihe + 1> gewicht{};
        int gruppen = 1;
        anfang[1] = alle;
        if (favImTopf != 0) {
            gruppen = offen + 1;
            std::array<std::size_t, ZahlenProReihe + 1> zahl{};
            for (std::size_t i = 0; i < alle; ++i)
                ++zahl[static_cast<std::size_t>(favoritenIn(z + i * ZahlenProReihe, favImTopf))];
            for (int g = 0; g < gruppen; ++g)
                anfang[static_cast<std::size_t>(g + 1)] =
                    anfang[static_cast<std::size_t>(g)] + zahl[static_cast<std::size_t>(g)];
            // Sorted into their groups by exchanges: each row goes to the next free place of its group.
            std::array<std::size_t, ZahlenProReihe + 1> naechste{};
            std::copy_n(anfang.begin(), gruppen, naechste.begin());
            for (int g = 0; g < gruppen; ++g)
                for (std::size_t &i = naechste[static_cast<std::size_t>(g)];
                     i < anfang[static_cast<std::size_t>(g + 1)];) {
                    const auto h = static_cast<std::size_t>(favoritenIn(z + i * ZahlenProReihe, favImTopf));
                    if (h == static_cast<std::size_t>(g))
                        ++i;
                    else
                        tausche(z, i, naechste[h]++);
                }
            // Whole-number weights: the chances relative to the largest, in units of 2^-40; the
            // rows' weights then add up to less than 2^61.
            std::array<double, ZahlenProReihe + 1> chance{};
            double groesste = 0.0;
            for (int f = 0; f <= offen; ++f) {
                chance[static_cast<std::size_t>(f)] = setzungschance(f, offen - f, topfgroesse);
                groesste = std::max(groesste, chance[static_cast<std::size_t>(f)]);
            }
            for (int f = 0; f <= offen; ++f)
                gewicht[static_cast<std::size_t>(f)] =
                    std::max<std::uint64_t>(1, static_cast<std::uint64_t>(std::llround(
                                                   std::ldexp(chance[static_cast<std::size_t>(f)] / groesste, 40))));
        }
        for (std::size_t i = 0; i < static_cast<std::size_t>(gewuenscht); ++i) {
            int g = 0;
            if (gruppen > 1) {
                std::uint64_t summe = 0;
                for (int h = 0; h < gruppen; ++h)
                    summe += (anfang[static_cast<std::size_t>(h + 1)] - anfang[static_cast<std::size_t>(h)]) *
                             gewicht[static_cast<std::size_t>(h)];
                std::uint64_t wert = griffe.griff64(summe);
                for (;; ++g) {
                    const std::uint64_t teil =
                        (anfang[static_cast<std::size_t>(g + 1)] - anfang[static_cast<std::size_t>(g)]) *
                        gewicht[static_cast<std::size_t>(g)];
                    if (wert < teil)
                        break;
                    wert -= teil;
                }
            }
            const std::size_t von = anfang[static_cast<std::size_t>(g)];
            const std::size_t stelle =
                von + griffe.griff(static_cast<std::uint32_t>(anfang[static_cast<std::size_t>(g + 1)] - von));
            // The drawn row goes to the front of its group, then group by group to place i, each
            // group before it taking the row it gives up at its end.
            tausche(z, stelle, von);
            for (int h = g; h > 0; --h)
                tausche(z, anfang[static_cast<std::size_t>(h)], anfang[static_cast<std::size_t>(h - 1)]);
            for (int h = 0; h <= g; ++h)
                ++anfang[static_cast<std::size_t>(h)];
            if (zwischenstand && (i + 1) % MeldeAbstand == 0 && !zwischenstand(static_cast<std::int32_t>(i + 1))) {
                ergebnis.ausgang = Zufallsergebnis::Ausgang::Abgebrochen;
                return ergebnis;
            }
        }
        Zufallsreihen fertig = Zufallsreihen::ausZahlen(std::move(zahlen), gewuenscht, vorgaben.festeZusatzzahl);
        if (vorgaben.festeZusatzzahl.isEmpty())
            for (int r = 0; r < gewuenscht; ++r)
                fertig.setzeZusatzzahl(r, static_cast<std::uint8_t>(1 + griffe.griff(MaxZusatzzahl)));
        ergebnis.ausgang = Zufallsergebnis::Ausgang::Fertig;
        ergebnis.reihen = std::move(fertig);
        return ergebnis;
    }
    while (static_cast<std::int32_t>(reihen.size()) < gewuenscht) {
        Reihenbits reihe = bank;
        for (int gefuellt = bankAnzahl; gefuellt < ZahlenProReihe;) {
            const Reihenbits bit = Reihenbits{1} << topf[griffe.griff(topfweite)];
            if (reihe & bit)
                continue;
            reihe |= bit;
            ++gefuellt;
        }
        if ((!mitFilter || filter.erfuellt(MusterVon(reihe))) && pruefung.neu(reihe))
            reihen.push_back(reihe);
        if (zwischenstand && ++gezogen % MeldeAbstand == 0 &&
            !zwischenstand(static_cast<std::int32_t>(reihen.size()))) {
            ergebnis.ausgang = Zufallsergebnis::Ausgang::Abgebrochen;
            return ergebnis;
        }
    }

    Zufallsreihen fertig(gewuenscht, vorgaben.festeZusatzzahl);
    const bool gezogeneZusatzzahl = vorgaben.festeZusatzzahl.isEmpty();
    for (Reihenbits reihe : reihen)
        fertig.anhaengen(alsReihe(reihe),
                         gezogeneZusatzzahl ? static_cast<std::uint8_t>(1 + griffe.griff(MaxZusatzzahl)) : 0);
    ergebnis.ausgang = Zufallsergebnis::Ausgang::Fertig;
    ergebnis.reihen = std::move(fertig);
    return ergebnis;
}

template Zufallsergebnis ZufallszahlenErmittelnMit<Reihenbitfeld>(Reihenbitfeld &, const Zufallsvorgaben &,
                                                                  std::uint64_t, const Zwischenstand &);
template Zufallsergebnis ZufallszahlenErmittelnMit<Reihenliste>(Reihenliste &, const Zufallsvorgaben &, std::uint64_t,
                                                                const Zwischenstand &);

Zufallsergebnis ZufallszahlenErmitteln(const Zufallsvorgaben &vorgaben, std::uint64_t startwert,
                                       const Zwischenstand &zwischenstand)
{
    Reihenbitfeld pruefung;
    return ZufallszahlenErmittelnMit(pruefung, vorgaben, startwert, zwischenstand);
}
