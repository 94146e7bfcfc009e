// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systemsuche.h"

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <random>

namespace {

// Random numbers from one seeded engine, reduced the same way on every machine.
class Wuerfel
{
public:
    explicit Wuerfel(std::uint64_t startwert) : m_motor(startwert) {}
    std::uint32_t unter(std::uint32_t grenze) { return static_cast<std::uint32_t>(m_motor() % grenze); }
    double anteil() { return static_cast<double>(m_motor() >> 11) * 0x1.0p-53; }
    // A random set bit of `maske` (which must not be empty).
    Reihenmaske bit(Reihenmaske maske)
    {
        std::uint32_t k = unter(static_cast<std::uint32_t>(std::popcount(maske)));
        while (k--)
            maske &= maske - 1;
        return maske & (~maske + 1);
    }

private:
    std::mt19937_64 m_motor;
};

// Calls `f` with every k-subset of the set bits of `pool`.
template <class F>
void teilmengen(Reihenmaske pool, int k, Reihenmaske schon, F &&f)
{
    if (k == 0) {
        f(schon);
        return;
    }
    for (Reihenmaske rest = pool; std::popcount(rest) >= k; rest &= rest - 1) {
        const Reihenmaske b = rest & (~rest + 1);
        teilmengen(rest & ~b, k - 1, schon | b, f);
    }
}

// The state of the annealing: the rows, and for every m-set how many rows serve it.
class Deckung
{
public:
    Deckung(int n, Garantie g) : m_n(n), m_t(g.richtige), m_m(g.wenn), m_alle((Reihenmaske{1} << n) - 1)
    {
        for (int i = 0; i <= 31; ++i)
            for (int k = 0; k <= ZahlenProReihe; ++k)
                m_binom[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = Binomialkoeffizient(i, k);
        const auto mengen = static_cast<std::size_t>(Binomialkoeffizient(n, m_m));
        m_zaehler.assign(mengen, 0);
        m_offen.resize(mengen);
        m_stelle.resize(mengen);
        m_menge.resize(mengen);
        teilmengen(m_alle, m_m, 0, [this](Reihenmaske menge) { m_menge[rang(menge)] = menge; });
        for (std::size_t i = 0; i < mengen; ++i) {
            m_offen[i] = static_cast<std::int32_t>(i);
            m_stelle[i] = static_cast<std::int32_t>(i);
        }
    }

    const std::vector<Reihenmaske> &reihen() const { return m_reihen; }
    std::size_t offen() const { return m_offen.size(); }
    Reihenmaske offeneMenge(std::size_t i) const { return m_menge[static_cast<std::size_t>(m_offen[i])]; }

    // Calls `f` with the rank of every m-set the row serves.
    template <class F>
    void bedient(Reihenmaske reihe, F &&f) const
    {
        for (int j = m_t; j <= std::min(m_m, ZahlenProReihe); ++j)
            teilmengen(reihe, j, 0, [&](Reihenmaske innen) {
                teilmengen(m_alle & ~reihe, m_m - j, innen, [&](Reihenmaske menge) { f(rang(menge)); });
            });
    }

    void hinzu(Reihenmaske reihe)
    {
        m_reihen.push_back(reihe);
        bedient(reihe, [this](std::size_t i) { erhoehen(i); });
    }
    void entfernen(std::size_t index)
    {
        bedient(m_reihen[index], [this](std::size_t i) { senken(i); });
        m_reihen[index] = m_reihen.back();
        m_reihen.pop_back();
    }
    // How many m-sets would be served by no row if this row went.
    std::int64_t alleinBedient(Reihenmaske reihe) const
    {
        std::int64_t anzahl = 0;
        bedient(reihe, [&](std::size_t i) { anzahl += m_zaehler[i] == 1; });
        return anzahl;
    }
    std::int64_t neuBedient(Reihenmaske reihe) const
    {
        std::int64_t anzahl = 0;
        bedient(reihe, [&](std::size_t i) { anzahl += m_zaehler[i] == 0; });
        return anzahl;
    }

    // The m-sets whose service changes when row `reihe` gives up number `weg` for `dazu`: those
    // holding exactly t of the row with `weg` among them lose it, those with `dazu` in its place
    // gain it. Both are t-1 further numbers of the row and m-t numbers outside both rows.
    template <class F>
    void tausch(Reihenmaske reihe, Reihenmaske weg, Reihenmaske dazu, F &&f) const
    {
        const Reihenmaske aussen = m_alle & ~reihe & ~dazu;
        teilmengen(reihe & ~weg, m_t - 1, 0, [&](Reihenmaske innen) {
            teilmengen(aussen, m_m - m_t, innen, [&](Reihenmaske rest) { f(rang(rest | weg), rang(rest | dazu)); });
        });
    }
    // Change in unserved m-sets by that exchange.
    int tauschWirkung(Reihenmaske reihe, Reihenmaske weg, Reihenmaske dazu) const
    {
        int wirkung = 0;
        tausch(reihe, weg, dazu, [&](std::size_t verliert, std::size_t gewinnt) {
            wirkung += (m_zaehler[verliert] == 1) - (m_zaehler[gewinnt] == 0);
        });
        return wirkung;
    }
    void tauschen(std::size_t index, Reihenmaske weg, Reihenmaske dazu)
    {
        tausch(m_reihen[index], weg, dazu, [&](std::size_t verliert, std::size_t gewinnt) {
            senken(verliert);
            erhoehen(gewinnt);
        });
        m_reihen[index] ^= weg | dazu;
    }

private:
    std::size_t rang(Reihenmaske menge) const
    {
        std::int64_t r = 0;
        std::size_t k = 1;
        for (; menge; menge &= menge - 1, ++k)
            r += m_binom[static_cast<std::size_t>(std::countr_zero(menge))][k];
        return static_cast<std::size_t>(r);
    }
    void erhoehen(std::size_t i)
    {
        if (m_zaehler[i]++ == 0) {
            const auto stelle = static_cast<std::size_t>(m_stelle[i]);
            const std::int32_t letzte = m_offen.back();
            m_offen[stelle] = letzte;
            m_stelle[static_cast<std::size_t>(letzte)] = static_cast<std::int32_t>(stelle);
            m_offen.pop_back();
        }
    }
    void senken(std::size_t i)
    {
        if (--m_zaehler[i] == 0) {
            m_stelle[i] = static_cast<std::int32_t>(m_offen.size());
            m_offen.push_back(static_cast<std::int32_t>(i));
        }
    }

    int m_n;
    int m_t;
    int m_m;
    Reihenmaske m_alle;
    std::array<std::array<std::int64_t, ZahlenProReihe + 1>, 32> m_binom{};
    std::vector<Reihenmaske> m_reihen;
    std::vector<std::int32_t> m_zaehler; // rows serving each m-set, by rank
    std::vector<std::int32_t> m_offen;   // ranks of the unserved m-sets
    std::vector<std::int32_t> m_stelle;  // position of each unserved m-set in m_offen
    std::vector<Reihenmaske> m_menge;    // the m-set of each rank
};

// A row holding t numbers of `menge` and 5-t others, at random.
Reihenmaske zufallsreihe(Wuerfel &w, Reihenmaske menge, Reihenmaske alle, int t)
{
    Reihenmaske reihe = 0;
    for (int i = 0; i < t; ++i)
        reihe |= w.bit(menge & ~reihe);
    while (std::popcount(reihe) < ZahlenProReihe)
        reihe |= w.bit(alle & ~reihe);
    return reihe;
}

// The greedy start: while an m-set is unserved, the best of a few random rows serving it.
void gierigerStart(Deckung &d, Wuerfel &w, int n, int t)
{
    const Reihenmaske alle = (Reihenmaske{1} << n) - 1;
    constexpr int Versuche = 12;
    while (d.offen() > 0) {
        const Reihenmaske menge = d.offeneMenge(0);
        Reihenmaske beste = 0;
        std::int64_t besterWert = -1;
        for (int v = 0; v < Versuche; ++v) {
            const Reihenmaske reihe = zufallsreihe(w, menge, alle, t);
            const std::int64_t wert = d.neuBedient(reihe);
            if (wert > besterWert) {
                besterWert = wert;
                beste = reihe;
            }
        }
        d.hinzu(beste);
    }
}

std::vector<Reihenmaske> ohneDoppelte(std::vector<Reihenmaske> reihen)
{
    std::sort(reihen.begin(), reihen.end());
    reihen.erase(std::unique(reihen.begin(), reihen.end()), reihen.end());
    return reihen;
}

} // namespace

Systemsuchergebnis SystemSuchen(const Systemsuchvorgaben &v, const std::atomic<bool> *abbruch, const Systemsuchfortschritt &fortschritt)
{
    Systemsuchergebnis ergebnis;
    const int t = v.garantie.richtige;
    Wuerfel w(v.startwert);
    Deckung d(v.n, v.garantie);
    for (Reihenmaske r : ohneDoppelte(v.startreihen))
        if (std::popcount(r) == ZahlenProReihe && r < (Reihenmaske{1} << v.n))
            d.hinzu(r);
    gierigerStart(d, w, v.n, t);
    ergebnis.reihen = ohneDoppelte(d.reihen());
    const auto untergrenze = static_cast<std::size_t>(std::max(Untergrenze(v.n, v.garantie), v.ziel));

    QElapsedTimer uhr;
    uhr.start();
    const auto melden = [&] {
        if (fortschritt)
            fortschritt(static_cast<int>(ergebnis.reihen.size()), ergebnis.schritte);
    };
    melden();

    // Temperatures as the covering-design searches use them: a few units of the cost at the
    // start, cooling by 1 % every so many moves, raised again once nothing moves any more.
    constexpr double Anfangstemperatur = 1.0;
    constexpr double Endtemperatur = 0.02;
    constexpr double Abkuehlung = 0.99;
    double temperatur = Anfangstemperatur;
    std::int64_t seitAbkuehlung = 0;

    // A complete system loses a row; the annealing has to make it complete again.
    const auto reiheEntfernen = [&] {
        std::size_t weg = 0;
        std::int64_t wenigste = -1;
        for (std::size_t r = 0; r < d.reihen().size(); ++r) {
            const std::int64_t allein = d.alleinBedient(d.reihen()[r]);
            if (wenigste < 0 || allein < wenigste) {
                wenigste = allein;
                weg = r;
            }
        }
        d.entfernen(weg);
        temperatur = Anfangstemperatur;
        seitAbkuehlung = 0;
    };
    while (v.schritte <= 0 || ergebnis.schritte < v.schritte) {
        if (d.offen() == 0) {
            ergebnis.reihen = ohneDoppelte(d.reihen());
            melden();
            if (ergebnis.reihen.size() <= untergrenze || ergebnis.reihen.size() <= 1)
                break;
            // Duplicates go first: they serve nothing alone.
            while (d.reihen().size() >= ergebnis.reihen.size())
                reiheEntfernen();
            continue;
        }
        if ((ergebnis.schritte & 0xFF) == 0) {
            if (abbruch && abbruch->load(std::memory_order_relaxed)) {
                ergebnis.abgebrochen = true;
                break;
            }
            if (v.millisekunden > 0 && uhr.elapsed() >= v.millisekunden)
                break;
            if ((ergebnis.schritte & 0xFFFF) == 0)
                melden();
        }
        ++ergebnis.schritte;

        // A random unserved m-set, and a row holding t-1 of its numbers (any row if none does).
        const Reihenmaske menge = d.offeneMenge(w.unter(static_cast<std::uint32_t>(d.offen())));
        const auto &reihen = d.reihen();
        std::size_t wahl = reihen.size();
        std::uint32_t gesehen = 0;
        for (std::size_t r = 0; r < reihen.size(); ++r)
            if (std::popcount(reihen[r] & menge) == t - 1 && w.unter(++gesehen) == 0)
                wahl = r;
        if (wahl == reihen.size())
            wahl = w.unter(static_cast<std::uint32_t>(reihen.size()));
        const Reihenmaske reihe = reihen[wahl];
        const Reihenmaske weg = w.bit(reihe & ~menge);
        const Reihenmaske dazu = w.bit(menge & ~reihe);
        const int wirkung = d.tauschWirkung(reihe, weg, dazu);
        if (wirkung <= 0 || w.anteil() < std::exp(-wirkung / temperatur))
            d.tauschen(wahl, weg, dazu);

        if (++seitAbkuehlung >= 64 + static_cast<std::int64_t>(reihen.size())) {
            seitAbkuehlung = 0;
            temperatur *= Abkuehlung;
            if (temperatur < Endtemperatur)
                temperatur = Anfangstemperatur;
        }
    }
    // The last move may have completed a smaller system.
    if (d.offen() == 0 && ohneDoppelte(d.reihen()).size() < ergebnis.reihen.size())
        ergebnis.reihen = ohneDoppelte(d.reihen());
    std::sort(ergebnis.reihen.begin(), ergebnis.reihen.end(), [](Reihenmaske a, Reihenmaske b) {
        const Reihenmaske unterschied = a ^ b;
        return (a & unterschied & (~unterschied + 1)) != 0;
    });
    melden();
    return ergebnis;
}
