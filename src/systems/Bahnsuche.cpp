// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Bahnsuche.h"

#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <random>

std::optional<Zyklen> Zyklen::lesen(const QString &text)
{
    Zyklen z;
    for (const QString &teil : text.split(QLatin1Char('.'))) {
        const QStringList lk = teil.split(QLatin1Char('x'));
        bool ok1 = false;
        bool ok2 = lk.size() == 1;
        const int laenge = lk.value(0).toInt(&ok1);
        const int anzahl = lk.size() == 2 ? lk[1].toInt(&ok2) : 1;
        if (!ok1 || !ok2 || lk.size() > 2 || laenge < 2 || laenge > MaxSystemzahlen || anzahl < 1 ||
            anzahl > MaxSystemzahlen)
            return std::nullopt;
        for (int i = 0; i < anzahl; ++i)
            z.laengen.push_back(laenge);
    }
    if (z.zahlen() > MaxSystemzahlen)
        return std::nullopt;
    return z;
}

QString Zyklen::text() const
{
    QStringList teile;
    for (std::size_t i = 0; i < laengen.size();) {
        std::size_t j = i;
        while (j < laengen.size() && laengen[j] == laengen[i])
            ++j;
        teile << (j - i == 1 ? QString::number(laengen[i]) : QStringLiteral("%1x%2").arg(laengen[i]).arg(j - i));
        i = j;
    }
    return teile.join(QLatin1Char('.'));
}

int Zyklen::zahlen() const
{
    int summe = 0;
    for (int l : laengen)
        summe += l;
    return summe;
}

std::vector<int> Zyklen::permutation(int n) const
{
    std::vector<int> bild(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        bild[static_cast<std::size_t>(i)] = i;
    int anfang = 0;
    for (int l : laengen) {
        for (int i = 0; i < l && anfang + i < n; ++i)
            bild[static_cast<std::size_t>(anfang + i)] = anfang + (i + 1) % l;
        anfang += l;
    }
    return bild;
}

namespace {

// Rank of a k-set among all k-sets of its numbers in colexicographic order.
class Kombirang
{
public:
    Kombirang()
    {
        for (int i = 0; i <= 31; ++i)
            for (int k = 0; k <= ZahlenProReihe; ++k)
                m_binom[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = Binomialkoeffizient(i, k);
    }
    std::size_t operator()(Reihenmaske menge) const
    {
        std::int64_t r = 0;
        std::size_t k = 1;
        for (; menge; menge &= menge - 1, ++k)
            r += m_binom[static_cast<std::size_t>(std::countr_zero(menge))][k];
        return static_cast<std::size_t>(r);
    }

private:
    std::array<std::array<std::int64_t, ZahlenProReihe + 1>, 32> m_binom{};
};

// Every k-subset of the set bits of `pool`, joined with `schon`.
template <class F>
void bahnTeilmengen(Reihenmaske pool, int k, Reihenmaske schon, F &&f)
{
    if (k == 0) {
        f(schon);
        return;
    }
    for (Reihenmaske rest = pool; std::popcount(rest) >= k; rest &= rest - 1) {
        const Reihenmaske b = rest & (~rest + 1);
        bahnTeilmengen(rest & ~b, k - 1, schon | b, f);
    }
}

Reihenmaske abbilden(Reihenmaske menge, const std::vector<int> &bild)
{
    Reihenmaske aus = 0;
    for (; menge; menge &= menge - 1)
        aus |= Reihenmaske{1} << bild[static_cast<std::size_t>(std::countr_zero(menge))];
    return aus;
}

// The orbits of the k-sets of n numbers: their members, and the orbit of each k-set by rank.
struct Bahnen
{
    std::vector<std::vector<Reihenmaske>> mitglieder;
    std::vector<std::int32_t> bahnVon;
};

Bahnen bahnenBilden(int n, int k, const std::vector<int> &bild, const Kombirang &rang)
{
    Bahnen b;
    b.bahnVon.assign(static_cast<std::size_t>(Binomialkoeffizient(n, k)), -1);
    bahnTeilmengen((Reihenmaske{1} << n) - 1, k, 0, [&](Reihenmaske menge) {
        if (b.bahnVon[rang(menge)] >= 0)
            return;
        const auto nummer = static_cast<std::int32_t>(b.mitglieder.size());
        std::vector<Reihenmaske> bahn;
        for (Reihenmaske m = menge; b.bahnVon[rang(m)] < 0; m = abbilden(m, bild)) {
            b.bahnVon[rang(m)] = nummer;
            bahn.push_back(m);
        }
        b.mitglieder.push_back(std::move(bahn));
    });
    return b;
}

class Bahnwuerfel
{
public:
    explicit Bahnwuerfel(std::uint64_t startwert) : m_motor(startwert) {}
    std::uint32_t unter(std::uint32_t grenze) { return static_cast<std::uint32_t>(m_motor() % grenze); }
    double anteil() { return static_cast<double>(m_motor() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 m_motor;
};

// The annealing over orbits of rows: which are chosen, and how many chosen orbits serve each
// orbit of m-sets.
class Bahndeckung
{
public:
    Bahndeckung(const std::vector<std::vector<std::int32_t>> &dient, const std::vector<std::vector<std::int32_t>> &bedient,
                const std::vector<int> &groesse)
        : m_dient(dient), m_bedient(bedient), m_groesse(groesse), m_zaehler(bedient.size(), 0),
          m_stelle(bedient.size(), 0), m_drin(dient.size(), -1)
    {
        for (std::size_t e = 0; e < bedient.size(); ++e) {
            m_stelle[e] = static_cast<std::int32_t>(m_offen.size());
            m_offen.push_back(static_cast<std::int32_t>(e));
        }
    }

    std::size_t offen() const { return m_offen.size(); }
    std::int32_t offeneBahn(std::size_t i) const { return m_offen[i]; }
    const std::vector<std::int32_t> &gewaehlt() const { return m_gewaehlt; }
    bool drin(std::int32_t b) const { return m_drin[static_cast<std::size_t>(b)] >= 0; }
    int reihen() const { return m_reihen; }

    // Change of the unserved count if orbit b came in / went out.
    int neu(std::int32_t b) const
    {
        int anzahl = 0;
        for (std::int32_t e : m_dient[static_cast<std::size_t>(b)])
            anzahl += m_zaehler[static_cast<std::size_t>(e)] == 0;
        return anzahl;
    }
    int allein(std::int32_t b) const
    {
        int anzahl = 0;
        for (std::int32_t e : m_dient[static_cast<std::size_t>(b)])
            anzahl += m_zaehler[static_cast<std::size_t>(e)] == 1;
        return anzahl;
    }

    void hinzu(std::int32_t b)
    {
        m_drin[static_cast<std::size_t>(b)] = static_cast<std::int32_t>(m_gewaehlt.size());
        m_gewaehlt.push_back(b);
        m_reihen += m_groesse[static_cast<std::size_t>(b)];
        for (std::int32_t e : m_dient[static_cast<std::size_t>(b)])
            if (m_zaehler[static_cast<std::size_t>(e)]++ == 0)
                aus(e);
    }
    void weg(std::int32_t b)
    {
        const auto stelle = static_cast<std::size_t>(m_drin[static_cast<std::size_t>(b)]);
        m_gewaehlt[stelle] = m_gewaehlt.back();
        m_drin[static_cast<std::size_t>(m_gewaehlt[stelle])] = static_cast<std::int32_t>(stelle);
        m_gewaehlt.pop_back();
        m_drin[static_cast<std::size_t>(b)] = -1;
        m_reihen -= m_groesse[static_cast<std::size_t>(b)];
        for (std::int32_t e : m_dient[static_cast<std::size_t>(b)])
            if (--m_zaehler[static_cast<std::size_t>(e)] == 0)
                ein(e);
    }

private:
    void aus(std::int32_t e)
    {
        const auto stelle = static_cast<std::size_t>(m_stelle[static_cast<std::size_t>(e)]);
        const std::int32_t letzte = m_offen.back();
        m_offen[stelle] = letzte;
        m_stelle[static_cast<std::size_t>(letzte)] = static_cast<std::int32_t>(stelle);
        m_offen.pop_back();
    }
    void ein(std::int32_t e)
    {
        m_stelle[static_cast<std::size_t>(e)] = static_cast<std::int32_t>(m_offen.size());
        m_offen.push_back(e);
    }

    const std::vector<std::vector<std::int32_t>> &m_dient;   // per row orbit: the m-set orbits it serves
    const std::vector<std::vector<std::int32_t>> &m_bedient; // per m-set orbit: the row orbits serving it
    const std::vector<int> &m_groesse;
    std::vector<std::int32_t> m_zaehler;
    std::vector<std::int32_t> m_offen;
    std::vector<std::int32_t> m_stelle;
    std::vector<std::int32_t> m_drin;
    std::vector<std::int32_t> m_gewaehlt;
    int m_reihen = 0;
};

} // namespace

std::vector<Reihenmaske> BahnenSuchen(const Bahnsuchvorgaben &v, const std::atomic<bool> *abbruch)
{
    const int n = v.n;
    const int t = v.garantie.richtige;
    const int m = v.garantie.wenn;
    if (n < ZahlenProReihe || n > MaxSystemzahlen || m > n || v.zyklen.zahlen() > n)
        return {};
    const Kombirang rang;
    const std::vector<int> bild = v.zyklen.permutation(n);
    const Bahnen zeilen = bahnenBilden(n, ZahlenProReihe, bild, rang);
    const Bahnen mengen = bahnenBilden(n, m, bild, rang);

    // What the first row of each orbit serves stands for the whole orbit.
    const Reihenmaske alle = (Reihenmaske{1} << n) - 1;
    std::vector<std::vector<std::int32_t>> dient(zeilen.mitglieder.size());
    std::vector<std::vector<std::int32_t>> bedient(mengen.mitglieder.size());
    std::vector<int> groesse(zeilen.mitglieder.size());
    for (std::size_t b = 0; b < zeilen.mitglieder.size(); ++b) {
        const Reihenmaske reihe = zeilen.mitglieder[b].front();
        groesse[b] = static_cast<int>(zeilen.mitglieder[b].size());
        auto &liste = dient[b];
        for (int j = t; j <= std::min(m, ZahlenProReihe); ++j)
            bahnTeilmengen(reihe, j, 0, [&](Reihenmaske innen) {
                bahnTeilmengen(alle & ~reihe, m - j, innen,
                               [&](Reihenmaske menge) { liste.push_back(mengen.bahnVon[rang(menge)]); });
            });
        std::sort(liste.begin(), liste.end());
        liste.erase(std::unique(liste.begin(), liste.end()), liste.end());
        for (std::int32_t e : liste)
            bedient[static_cast<std::size_t>(e)].push_back(static_cast<std::int32_t>(b));
    }

    Bahnwuerfel w(v.startwert);
    Bahndeckung d(dient, bedient, groesse);
    // Greedy start: for an unserved orbit, the row orbit serving most unserved ones per row.
    while (d.offen() > 0) {
        const auto &kandidaten = bedient[static_cast<std::size_t>(d.offeneBahn(w.unter(static_cast<std::uint32_t>(d.offen()))))];
        std::int32_t beste = kandidaten.front();
        double besterWert = -1;
        for (std::int32_t b : kandidaten) {
            const double wert = static_cast<double>(d.neu(b)) / groesse[static_cast<std::size_t>(b)] + 1e-3 * w.anteil();
            if (wert > besterWert) {
                besterWert = wert;
                beste = b;
            }
        }
        d.hinzu(beste);
    }
    const auto alsReihen = [&] {
        std::vector<Reihenmaske> reihen;
        for (std::int32_t b : d.gewaehlt())
            for (Reihenmaske r : zeilen.mitglieder[static_cast<std::size_t>(b)])
                reihen.push_back(r);
        std::sort(reihen.begin(), reihen.end());
        return reihen;
    };
    std::vector<Reihenmaske> beste = alsReihen();
    const std::int64_t untergrenze = Untergrenze(n, v.garantie);
    int ziel = d.reihen();

    constexpr double Anfangstemperatur = 1.0;
    constexpr double Endtemperatur = 0.02;
    constexpr int Auswahl = 3;
    double temperatur = Anfangstemperatur;
    std::int64_t seitAbkuehlung = 0;
    const auto verkleinern = [&] {
        // The orbit serving fewest orbits alone goes, until the rows fit below the best.
        ziel = static_cast<int>(beste.size()) - 1;
        while (d.reihen() > ziel && !d.gewaehlt().empty()) {
            std::int32_t weg = d.gewaehlt().front();
            double wenigste = 1e300;
            for (std::int32_t b : d.gewaehlt()) {
                const double wert = static_cast<double>(d.allein(b)) / groesse[static_cast<std::size_t>(b)];
                if (wert < wenigste) {
                    wenigste = wert;
                    weg = b;
                }
            }
            d.weg(weg);
        }
        temperatur = Anfangstemperatur;
        seitAbkuehlung = 0;
    };
    // The tabu search: the best exchange for an unserved orbit, whatever it costs; an orbit that
    // went out may not come back, one that came in may not go, for a few moves.
    std::vector<std::int64_t> gesperrtBis(dient.size(), -1);
    const auto tabuSchritt = [&](std::int64_t schritt) {
        const auto &kandidaten =
            bedient[static_cast<std::size_t>(d.offeneBahn(w.unter(static_cast<std::uint32_t>(d.offen()))))];
        std::int32_t rein = -1;
        double besterGewinn = -1;
        for (std::int32_t b : kandidaten) {
            if (d.drin(b) || gesperrtBis[static_cast<std::size_t>(b)] > schritt)
                continue;
            const double gewinn = d.neu(b) + 0.5 * w.anteil();
            if (gewinn > besterGewinn) {
                besterGewinn = gewinn;
                rein = b;
            }
        }
        if (rein < 0)
            return;
        const int neuGroesse = groesse[static_cast<std::size_t>(rein)];
        std::int32_t raus = -1;
        if (d.reihen() + neuGroesse > ziel) {
            double wenigste = 1e300;
            for (std::int32_t b : d.gewaehlt()) {
                if (gesperrtBis[static_cast<std::size_t>(b)] > schritt ||
                    d.reihen() - groesse[static_cast<std::size_t>(b)] + neuGroesse > ziel)
                    continue;
                const double verlust = d.allein(b) + 0.5 * w.anteil();
                if (verlust < wenigste) {
                    wenigste = verlust;
                    raus = b;
                }
            }
            if (raus < 0)
                return;
            d.weg(raus);
            gesperrtBis[static_cast<std::size_t>(raus)] = schritt + 3 + w.unter(8);
        }
        d.hinzu(rein);
        gesperrtBis[static_cast<std::size_t>(rein)] = schritt + 1 + w.unter(3);
    };
    if (static_cast<std::int64_t>(beste.size()) > untergrenze)
        verkleinern();
    for (std::int64_t schritt = 0; schritt < v.schritte; ++schritt) {
        if (d.offen() == 0) {
            if (d.reihen() < static_cast<int>(beste.size()))
                beste = alsReihen();
            if (static_cast<std::int64_t>(beste.size()) <= untergrenze)
                break;
            verkleinern();
            continue;
        }
        if ((schritt & 0xFF) == 0 && abbruch && abbruch->load(std::memory_order_relaxed))
            break;
        // An unserved orbit and one that serves it in; out goes a random chosen one, unless the
        // new one fits below the target without.
        if (v.tabu) {
            tabuSchritt(schritt);
            continue;
        }
        const auto &kandidaten =
            bedient[static_cast<std::size_t>(d.offeneBahn(w.unter(static_cast<std::uint32_t>(d.offen()))))];
        // Of a few orbits at random, the one serving most unserved orbits comes in, and the one
        // serving fewest alone goes out.
        std::int32_t rein = -1;
        int besterGewinn = -1;
        for (int versuch = 0; versuch < Auswahl; ++versuch) {
            const std::int32_t b = kandidaten[w.unter(static_cast<std::uint32_t>(kandidaten.size()))];
            if (d.drin(b))
                continue;
            if (const int gewinn = d.neu(b); gewinn > besterGewinn) {
                besterGewinn = gewinn;
                rein = b;
            }
        }
        if (rein < 0)
            continue;
        std::int32_t raus = -1;
        if (d.reihen() + groesse[static_cast<std::size_t>(rein)] > ziel) {
            // An orbit larger than the target allows can only come in for another.
            if (d.gewaehlt().empty())
                continue;
            int wenigste = 1 << 30;
            for (int versuch = 0; versuch < Auswahl; ++versuch) {
                const std::int32_t b = d.gewaehlt()[w.unter(static_cast<std::uint32_t>(d.gewaehlt().size()))];
                if (d.reihen() - groesse[static_cast<std::size_t>(b)] + groesse[static_cast<std::size_t>(rein)] > ziel)
                    continue;
                if (const int verlust = d.allein(b); verlust < wenigste) {
                    wenigste = verlust;
                    raus = b;
                }
            }
            if (raus < 0)
                continue;
        }
        const int vorher = static_cast<int>(d.offen());
        if (raus >= 0)
            d.weg(raus);
        d.hinzu(rein);
        const int wirkung = static_cast<int>(d.offen()) - vorher;
        if (wirkung > 0 && w.anteil() >= std::exp(-wirkung / temperatur)) {
            d.weg(rein);
            if (raus >= 0)
                d.hinzu(raus);
        }
        if (++seitAbkuehlung >= 64 + static_cast<std::int64_t>(d.gewaehlt().size())) {
            seitAbkuehlung = 0;
            temperatur *= 0.99;
            if (temperatur < Endtemperatur)
                temperatur = Anfangstemperatur;
        }
    }
    if (d.offen() == 0 && d.reihen() < static_cast<int>(beste.size()))
        beste = alsReihen();
    return beste;
}
