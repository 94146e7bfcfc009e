#include "generator/Zufallsgenerator.h"

#include "tools/Binomialkoeffizient.h"

#include <bit>
#include <chrono>
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

} // namespace

std::int64_t MoeglicheReihen(const Zufallsvorgaben &vorgaben)
{
    const int bank = std::popcount(vorgaben.BZGewaehlt.ersteWort() & Spielzahlen);
    const int kill = std::popcount(vorgaben.KillGewaehlt.ersteWort() & Spielzahlen);
    return Binomialkoeffizient(MaxZahl - bank - kill, ZahlenProReihe - bank);
}

QString ZufallPruefen(const Zufallsvorgaben &vorgaben)
{
    if (vorgaben.ZufReihenAnz < 1)
        return MeldungAnzahlUngueltig;
    if (std::int64_t{vorgaben.ZufReihenAnz} > MoeglicheReihen(vorgaben))
        return QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, ") +
               QString::number(vorgaben.ZufReihenAnz) + QStringLiteral(" Tippreihen zu bilden.") + Absatz +
               QStringLiteral("ich muss abbrechen.");
    return QString();
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
    ergebnis.meldung = ZufallPruefen(vorgaben);
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
    while (static_cast<std::int32_t>(reihen.size()) < gewuenscht) {
        Reihenbits reihe = bank;
        for (int gefuellt = bankAnzahl; gefuellt < ZahlenProReihe;) {
            const Reihenbits bit = Reihenbits{1} << topf[griffe.griff(topfweite)];
            if (reihe & bit)
                continue;
            reihe |= bit;
            ++gefuellt;
        }
        if (pruefung.neu(reihe))
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
