// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systemchancen.h"

#include <algorithm>
#include <bit>
#include <thread>

namespace {

using Zaehlwort = std::uint64_t;
using Trefferzahlen = std::array<std::array<std::int64_t, MaxZusatzzahl + 1>, ZahlenProReihe + 1>;

// The rows of a system laid out for counting: rows with the same Zusatzzahl lie in words of
// their own, so a word's Zusatzzahl is known without looking at its rows.
struct Zaehlbild
{
    int n = 0;
    int worte = 0;
    std::vector<Zaehlwort> zahl;                     // n bit sets of `worte` words: rows holding number i
    std::vector<std::pair<int, int>> gruppe;    // per Zusatzzahl 0..10: first word, end word
};

Zaehlbild zaehlbildBauen(int n, const std::vector<Reihenmaske> &reihen, const std::vector<std::uint8_t> &zz)
{
    Zaehlbild b;
    b.n = n;
    std::array<int, MaxZusatzzahl + 1> anzahl{};
    const auto zusatz = [&](std::size_t r) {
        const std::uint8_t z = r < zz.size() ? zz[r] : 0;
        return istZusatzzahl(z) ? static_cast<std::size_t>(z) : std::size_t{0};
    };
    for (std::size_t r = 0; r < reihen.size(); ++r)
        ++anzahl[zusatz(r)];
    b.gruppe.resize(anzahl.size());
    std::array<int, MaxZusatzzahl + 1> naechste{};
    for (std::size_t z = 0; z < anzahl.size(); ++z) {
        b.gruppe[z] = {b.worte, b.worte + (anzahl[z] + 63) / 64};
        naechste[z] = b.worte * 64;
        b.worte = b.gruppe[z].second;
    }
    b.zahl.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(b.worte), 0);
    for (std::size_t r = 0; r < reihen.size(); ++r) {
        const int stelle = naechste[zusatz(r)]++;
        for (Reihenmaske m = reihen[r]; m; m &= m - 1)
            b.zahl[static_cast<std::size_t>(std::countr_zero(m)) * static_cast<std::size_t>(b.worte) +
                   static_cast<std::size_t>(stelle / 64)] |= Zaehlwort{1} << (stelle % 64);
    }
    return b;
}

// One subset grown by a number: the hit planes of the parent plus that number's rows give the
// child's, and the child's rows are counted by hits and Zusatzzahl. Compiled twice, with and
// without the processor's bit count, and chosen when the program loads.
__attribute__((target_clones("popcnt", "default"))) void
knotenZaehlen(const Zaehlbild &b, const Zaehlwort *alt, const Zaehlwort *zahl, Zaehlwort *neu, int groesse, Trefferzahlen &t)
{
    const auto w = static_cast<std::size_t>(b.worte);
    const Zaehlwort *a0 = alt;
    const Zaehlwort *a1 = alt + w;
    const Zaehlwort *a2 = alt + 2 * w;
    Zaehlwort *n0 = neu;
    Zaehlwort *n1 = neu + w;
    Zaehlwort *n2 = neu + 2 * w;
    for (std::size_t z = 0; z < b.gruppe.size(); ++z) {
        std::array<std::int64_t, ZahlenProReihe + 1> s{};
        for (auto i = static_cast<std::size_t>(b.gruppe[z].first); i < static_cast<std::size_t>(b.gruppe[z].second);
             ++i) {
            // A three-bit counter per row; five hits at most, so it never overflows.
            const Zaehlwort x = zahl[i];
            const Zaehlwort c0 = a0[i] & x;
            const Zaehlwort p0 = a0[i] ^ x;
            const Zaehlwort c1 = a1[i] & c0;
            const Zaehlwort p1 = a1[i] ^ c0;
            const Zaehlwort p2 = a2[i] | c1;
            n0[i] = p0;
            n1[i] = p1;
            n2[i] = p2;
            s[1] += std::popcount(p0 & ~p1 & ~p2);
            if (groesse >= 2)
                s[2] += std::popcount(~p0 & p1 & ~p2);
            if (groesse >= 3)
                s[3] += std::popcount(p0 & p1 & ~p2);
            if (groesse >= 4)
                s[4] += std::popcount(~p0 & ~p1 & p2);
            if (groesse >= 5)
                s[5] += std::popcount(p0 & ~p1 & p2);
        }
        for (std::size_t h = 1; h < s.size(); ++h)
            t[h][z] = s[h];
    }
}

// What one subset of the chosen numbers adds: every Zusatzzahl of the draw, each row in its class.
void teilmengeAuswerten(const Trefferzahlen &t, std::int64_t gewicht, Systemchancen &c)
{
    std::array<std::int64_t, ZahlenProReihe + 1> jeTreffer{};
    for (std::size_t h = 1; h < t.size(); ++h)
        for (std::int64_t a : t[h])
            jeTreffer[h] += a;
    for (int z = 1; z <= MaxZusatzzahl; ++z) {
        bool irgendeine = false;
        for (int h = 1; h <= ZahlenProReihe; ++h) {
            const auto hi = static_cast<std::size_t>(h);
            const std::int64_t passend = t[hi][static_cast<std::size_t>(z)];
            const std::int64_t sonst = jeTreffer[hi] - passend;
            for (const auto &[klasse, anzahl] :
                 {std::pair{KlasseFuer(h, true), passend}, std::pair{KlasseFuer(h, false), sonst}}) {
                if (anzahl == 0)
                    continue;
                const auto k = static_cast<std::size_t>(klasse - 1);
                c.mindestensEine[k] += gewicht;
                c.reihenSumme[k] += gewicht * anzahl;
                c.erwartungSumme += gewicht * anzahl * Gewinnklassen[k].Gewinn;
                irgendeine = true;
            }
        }
        if (irgendeine)
            c.gewinn += gewicht;
    }
}

// The subsets below one start: {i} alone, or every subset whose two smallest numbers are i < j.
struct Teilaufgabe
{
    int i = 0;
    int j = -1;
};

// Works through subsets depth first, with the hit planes of every level on a stack.
class Teilbaum
{
public:
    Teilbaum(const Zaehlbild &b, Systemchancen &c)
        : m_b(b), m_c(c), m_ebenen(static_cast<std::size_t>(ZahlenProReihe + 1) * 3 * static_cast<std::size_t>(b.worte), 0)
    {
        const int aussen = MaxZahl - b.n;
        for (int k = 0; k <= ZahlenProReihe; ++k)
            m_gewicht[static_cast<std::size_t>(k)] = Binomialkoeffizient(aussen, ZahlenProReihe - k);
    }

    void bearbeiten(Teilaufgabe a)
    {
        hinzu(0, a.i);
        if (a.j < 0) {
            zaehlen(1);
            return;
        }
        hinzu(1, a.j);
        absteigen(2, a.j + 1);
    }

private:
    Zaehlwort *ebene(int tiefe) { return m_ebenen.data() + static_cast<std::size_t>(tiefe) * 3 * static_cast<std::size_t>(m_b.worte); }
    void hinzu(int tiefe, int zahl)
    {
        knotenZaehlen(m_b, ebene(tiefe), m_b.zahl.data() + static_cast<std::size_t>(zahl) * static_cast<std::size_t>(m_b.worte),
                      ebene(tiefe + 1), tiefe + 1, m_treffer);
    }
    void zaehlen(int groesse)
    {
        if (const std::int64_t g = m_gewicht[static_cast<std::size_t>(groesse)]; g > 0)
            teilmengeAuswerten(m_treffer, g, m_c);
    }
    // The subset at this depth is counted (its planes are ready), then grown by each later number.
    void absteigen(int groesse, int ab)
    {
        zaehlen(groesse);
        if (groesse == ZahlenProReihe)
            return;
        for (int z = ab; z < m_b.n; ++z) {
            hinzu(groesse, z);
            absteigen(groesse + 1, z + 1);
        }
    }

    const Zaehlbild &m_b;
    Systemchancen &m_c;
    std::vector<Zaehlwort> m_ebenen; // per depth three planes
    std::array<std::int64_t, ZahlenProReihe + 1> m_gewicht{};
    Trefferzahlen m_treffer{};
};

void chancenAddieren(Systemchancen &ziel, const Systemchancen &teil)
{
    for (std::size_t k = 0; k < ziel.mindestensEine.size(); ++k) {
        ziel.mindestensEine[k] += teil.mindestensEine[k];
        ziel.reihenSumme[k] += teil.reihenSumme[k];
    }
    ziel.gewinn += teil.gewinn;
    ziel.erwartungSumme += teil.erwartungSumme;
}

} // namespace

std::optional<Systemchancen> SystemchancenZaehlen(int n, const std::vector<Reihenmaske> &reihen,
                                                  const std::vector<std::uint8_t> &zusatzzahlen, int wenn,
                                                  const std::atomic<bool> *abbruch,
                                                  const Systemchancenfortschritt &fortschritt)
{
    Systemchancen c;
    c.reihen = static_cast<int>(reihen.size());
    for (int j = wenn; j <= ZahlenProReihe; ++j)
        c.garantieGreift += Binomialkoeffizient(n, j) * Binomialkoeffizient(MaxZahl - n, ZahlenProReihe - j);
    const Zaehlbild bild = zaehlbildBauen(n, reihen, zusatzzahlen);

    // The pairs with the most subsets below them first, so the cores finish together.
    std::vector<Teilaufgabe> aufgaben;
    for (int j = 1; j < n; ++j)
        for (int i = 0; i < j; ++i)
            aufgaben.push_back({i, j});
    for (int i = 0; i < n; ++i)
        aufgaben.push_back({i, -1});
    const int gesamt = static_cast<int>(aufgaben.size());

    std::atomic<int> naechste{0};
    std::atomic<int> erledigt{0};
    std::atomic<bool> abgebrochen{false};
    const auto arbeiten = [&](Systemchancen &teil, bool melden) {
        Teilbaum baum(bild, teil);
        for (int a = naechste++; a < gesamt; a = naechste++) {
            if (abbruch && abbruch->load(std::memory_order_relaxed)) {
                abgebrochen = true;
                return;
            }
            baum.bearbeiten(aufgaben[static_cast<std::size_t>(a)]);
            const int fertig = ++erledigt;
            if (melden && fortschritt)
                fortschritt(fertig, gesamt);
        }
    };
    // The calling thread works too and alone reports; small systems stay on it.
    const unsigned kerne = std::clamp(std::thread::hardware_concurrency(), 1U, 8U);
    const unsigned helfer = reihen.size() * aufgaben.size() < 200'000 ? 0 : kerne - 1;
    std::vector<Systemchancen> teile(helfer);
    std::vector<std::thread> faeden;
    for (unsigned h = 0; h < helfer; ++h)
        faeden.emplace_back(arbeiten, std::ref(teile[h]), false);
    arbeiten(c, true);
    for (auto &f : faeden)
        f.join();
    if (abgebrochen)
        return std::nullopt;
    for (const auto &t : teile)
        chancenAddieren(c, t);
    return c;
}
