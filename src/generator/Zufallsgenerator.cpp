#include "generator/Zufallsgenerator.h"

#include "tools/Binomialkoeffizient.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
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

// Drawing without replacement by weight: a Fenwick tree of the weights, each pick found by
// descending the tree, then its weight set to 0. Whole numbers, so a taken row is never
// picked again and the run needs exactly one pick per row.
class Gewichtsbaum
{
public:
    explicit Gewichtsbaum(const std::vector<std::uint64_t> &gewichte) : m_baum(gewichte.size() + 1, 0)
    {
        for (std::size_t i = 1; i <= gewichte.size(); ++i) {
            m_baum[i] += gewichte[i - 1];
            m_summe += gewichte[i - 1];
            if (const std::size_t oben = i + (i & (0 - i)); oben < m_baum.size())
                m_baum[oben] += m_baum[i];
        }
        for (m_schritt = 1; m_schritt * 2 < m_baum.size();)
            m_schritt *= 2;
    }

    std::uint64_t summe() const { return m_summe; }

    // The element in whose share of 0..summe()-1 `wert` falls; its weight leaves the tree.
    std::size_t nimm(std::uint64_t wert)
    {
        std::size_t stelle = 0;
        for (std::size_t schritt = m_schritt; schritt > 0; schritt /= 2)
            if (stelle + schritt < m_baum.size() && m_baum[stelle + schritt] <= wert) {
                stelle += schritt;
                wert -= m_baum[stelle];
            }
        const std::uint64_t gewicht = gewichtVon(stelle);
        for (std::size_t i = stelle + 1; i < m_baum.size(); i += i & (0 - i))
            m_baum[i] -= gewicht;
        m_summe -= gewicht;
        return stelle;
    }

private:
    std::uint64_t gewichtVon(std::size_t stelle) const
    {
        // Prefix sum up to the element minus that before it.
        const auto praefix = [this](std::size_t i) {
            std::uint64_t s = 0;
            for (; i > 0; i -= i & (0 - i))
                s += m_baum[i];
            return s;
        };
        return praefix(stelle + 1) - praefix(stelle);
    }

    std::vector<std::uint64_t> m_baum;
    std::uint64_t m_summe = 0;
    std::size_t m_schritt = 1;
};

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
    if (mitFilter && moeglich < std::int64_t{10} * gewuenscht) {
        // Few rows pass: pick among them directly, each with the chance the pot gives it. That
        // chance depends only on how many favourites the row holds besides the bank numbers.
        const std::vector<Reihenbits> passend = PassendeReihen(bank, kill, filter);
        const int offen = ZahlenProReihe - bankAnzahl;
        const Reihenbits favImTopf = fav & ~bank & ~kill;
        std::array<double, ZahlenProReihe + 1> chance{};
        double groesste = 0.0;
        for (int f = 0; f <= offen; ++f) {
            chance[static_cast<std::size_t>(f)] = setzungschance(f, offen - f, topfgroesse);
            groesste = std::max(groesste, chance[static_cast<std::size_t>(f)]);
        }
        // Whole-number weights: the chances relative to the largest, in units of 2^-40.
        std::array<std::uint64_t, ZahlenProReihe + 1> einheit{};
        for (int f = 0; f <= offen; ++f)
            einheit[static_cast<std::size_t>(f)] = std::max<std::uint64_t>(
                1, static_cast<std::uint64_t>(std::llround(std::ldexp(chance[static_cast<std::size_t>(f)] / groesste, 40))));
        std::vector<std::uint64_t> gewichte;
        gewichte.reserve(passend.size());
        for (const Reihenbits reihe : passend)
            gewichte.push_back(einheit[static_cast<std::size_t>(std::popcount(reihe & favImTopf))]);
        Gewichtsbaum baum(gewichte);
        while (static_cast<std::int32_t>(reihen.size()) < gewuenscht) {
            reihen.push_back(passend[baum.nimm(griffe.griff64(baum.summe()))]);
            if (zwischenstand && ++gezogen % MeldeAbstand == 0 &&
                !zwischenstand(static_cast<std::int32_t>(reihen.size()))) {
                ergebnis.ausgang = Zufallsergebnis::Ausgang::Abgebrochen;
                return ergebnis;
            }
        }
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
