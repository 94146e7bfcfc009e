// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strategy/Strategiereihen.h"

#include "evaluation/Gewinnchancen.h"
#include "systems/Systembau.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// Spreads the bits of a start value; a different constant per use keeps the streams apart.
std::uint64_t reihenStreuen(std::uint64_t x)
{
    x += 0x9E37'79B9'7F4A'7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D0'49BB'1331'11EBULL;
    return x ^ (x >> 31);
}

std::int64_t reihenerwartung(Reihenwort reihe)
{
    return ErwartungMalZiehungen(std::popcount(reihe & Spielzahlbits),
                                 (reihe >> ZusatzzahlStelle) != KeineReihenZusatzzahl);
}

// A system's rows over the numbers 1..n as masks, each with its Zusatzzahl in the top byte.
std::vector<Reihenwort> systemreihen(const Systemergebnis &system)
{
    std::vector<Reihenwort> reihen;
    reihen.reserve(system.reihen.size());
    for (std::size_t r = 0; r < system.reihen.size(); ++r)
        reihen.push_back(Reihenwort{system.reihen[r]} |
                         (Reihenwort{system.zusatzzahlen[r]} << ZusatzzahlStelle));
    return reihen;
}

} // namespace

Reihenwort ReihenwortVon(const Tippreihe &reihe)
{
    Reihenwort w = 0;
    for (const std::uint8_t n : reihe.zahlen)
        if (istZahl(n))
            w |= Reihenwort{1} << n;
    const std::uint8_t zz = istZusatzzahl(reihe.zusatzzahl) ? reihe.zusatzzahl : KeineReihenZusatzzahl;
    return w | (Reihenwort{zz} << ZusatzzahlStelle);
}

Reihenwort ReihenwortVon(const std::array<std::uint8_t, ZahlenProReihe> &zahlen, std::uint8_t zusatzzahl)
{
    Tippreihe r;
    r.zahlen = zahlen;
    r.zusatzzahl = zusatzzahl;
    return ReihenwortVon(r);
}

Reihenwort ZiehungswortVon(const TGewZahlen &ziehung)
{
    const std::uint8_t zz = istZusatzzahl(ziehung.bonus) ? ziehung.bonus : KeineZiehungsZusatzzahl;
    return (ziehung.menge().ersteWort() & Spielzahlbits) | (Reihenwort{zz} << ZusatzzahlStelle);
}

std::vector<std::array<std::uint8_t, MaxRegelzahlen>> RegelzahlenErmitteln(const QVector<TGewZahlen> &ziehungen,
                                                                            int von, int bis, Rangfolge rangfolge,
                                                                            int anzahl, int fenster)
{
    std::vector<std::array<std::uint8_t, MaxRegelzahlen>> ergebnis;
    if (von < 0 || bis >= ziehungen.size() || bis < von)
        return ergebnis;
    anzahl = std::clamp(anzahl, 1, MaxRegelzahlen);
    ergebnis.reserve(static_cast<std::size_t>(bis - von + 1));
    std::vector<Reihenwort> worte(static_cast<std::size_t>(bis + 1));
    for (int i = 0; i <= bis; ++i)
        worte[static_cast<std::size_t>(i)] = ziehungen[i].menge().ersteWort() & Spielzahlbits;

    // The window of draw d is lo..d-1; counts and last appearances follow it draw by draw.
    std::array<std::int32_t, MaxZahl + 1> anzahlen{};
    std::array<std::int32_t, MaxZahl + 1> zuletzt;
    zuletzt.fill(-1);
    std::array<std::int64_t, MaxZahl + 1> wert{};
    std::array<std::uint8_t, MaxZahl> folge{};
    for (int d = 0; d <= bis; ++d) {
        if (d >= von) {
            const int lo = fenster > 0 ? std::max(0, d - fenster) : 0;
            const int laenge = d - lo;
            for (int n = 1; n <= MaxZahl; ++n) {
                const auto i = static_cast<std::size_t>(n);
                switch (rangfolge) {
                case Rangfolge::Haeufigste: wert[i] = anzahlen[i]; break;
                case Rangfolge::Seltenste: wert[i] = -anzahlen[i]; break;
                case Rangfolge::Ausgeblieben:
                    // Never drawn in the window: as long as the window, more than any drawn number.
                    wert[i] = zuletzt[i] >= lo ? d - 1 - zuletzt[i] : laenge;
                    break;
                }
                folge[i - 1] = static_cast<std::uint8_t>(n);
            }
            // Highest value first, ties to the lower number.
            std::partial_sort(folge.begin(), folge.begin() + anzahl, folge.end(), [&](std::uint8_t a, std::uint8_t b) {
                return wert[a] != wert[b] ? wert[a] > wert[b] : a < b;
            });
            std::array<std::uint8_t, MaxRegelzahlen> gewaehlt{};
            std::copy(folge.begin(), folge.begin() + anzahl, gewaehlt.begin());
            std::sort(gewaehlt.begin(), gewaehlt.begin() + anzahl);
            ergebnis.push_back(gewaehlt);
        }
        for (Reihenwort w = worte[static_cast<std::size_t>(d)]; w != 0; w &= w - 1) {
            const auto n = static_cast<std::size_t>(std::countr_zero(w));
            ++anzahlen[n];
            zuletzt[n] = d;
        }
        // Draw d - fenster + 1 starts the next window, so draw d - fenster leaves it.
        if (fenster > 0 && d - fenster >= 0)
            for (Reihenwort w = worte[static_cast<std::size_t>(d - fenster)]; w != 0; w &= w - 1)
                --anzahlen[static_cast<std::size_t>(std::countr_zero(w))];
    }
    return ergebnis;
}

Strategiereihen Strategiereihen::vorbereiten(const Strategie &s, const QVector<TGewZahlen> &ziehungen, int von,
                                             int bis, std::uint64_t startwert, int position,
                                             const std::atomic<bool> *abbruch, QString &fehler)
{
    Strategiereihen r;
    fehler = StrategiePruefen(s);
    if (!fehler.isEmpty())
        return r;
    if (von < 0 || bis >= ziehungen.size() || bis < von) {
        fehler = QStringLiteral("Im gew\u00E4hlten Zeitraum liegt keine Ziehung.");
        return r;
    }
    r.m_art = s.art;
    const std::uint64_t eigeneSaat = reihenStreuen(startwert ^ reihenStreuen(0x5354'5241'0000'0000ULL + std::uint64_t(position)));
    const auto system = [&](const std::vector<int> &zahlen) -> std::optional<Systemergebnis> {
        Systemwunsch w;
        w.zahlen = zahlen;
        w.garantie = s.garantie;
        w.startwert = eigeneSaat;
        w.schritte = s.garantie ? std::max<std::int64_t>(s.schritte, 1) : 0;
        w.festeZusatzzahl = s.festeZusatzzahl;
        Systemergebnis e = SystemBauen(w, abbruch);
        if (abbruch && *abbruch)
            return std::nullopt;
        if (!e.fehler.isEmpty()) {
            // The choice was checked before, so only the search can have failed.
            fehler = s.garantie ? QStringLiteral("Die Suche hat in %1 Schritten kein System mit der Garantie "
                                                 "\u201E%2\u201C gefunden. Erlauben Sie ihr mehr Schritte.")
                                      .arg(w.schritte)
                                      .arg(GarantieKurz(*s.garantie))
                                : e.fehler;
            return std::nullopt;
        }
        return e;
    };

    switch (s.art) {
    case Strategieart::Schein:
        for (const Tippreihe &reihe : s.reihen)
            r.m_fest.push_back(ReihenwortVon(reihe));
        break;
    case Strategieart::System: {
        const std::optional<Systemergebnis> e = system(s.zahlen);
        if (!e)
            return Strategiereihen();
        for (int i = 0; i < e->anzahl(); ++i)
            r.m_fest.push_back(ReihenwortVon(e->reihe(i), e->zusatzzahlen[static_cast<std::size_t>(i)]));
        break;
    }
    case Strategieart::Zufall:
        r.m_vorgaben = s.vorgaben;
        r.m_vorgaben.festeZusatzzahl = s.festeZusatzzahl ? QString::number(s.festeZusatzzahl) : QString();
        // Each draw's rows follow from the start value and the draw's date alone, so a draw
        // keeps its rows whatever period is tested.
        for (int d = von; d <= bis; ++d)
            r.m_saat.push_back(reihenStreuen(eigeneSaat ^ static_cast<std::uint64_t>(std::llround(ziehungen[d].datum))));
        break;
    case Strategieart::Regel: {
        std::vector<int> platzhalter;
        for (int z = 1; z <= s.anzahl; ++z)
            platzhalter.push_back(z);
        const std::optional<Systemergebnis> e = system(platzhalter);
        if (!e)
            return Strategiereihen();
        r.m_fest = systemreihen(*e);
        r.m_regelAnzahl = s.anzahl;
        r.m_regel = RegelzahlenErmitteln(ziehungen, von, bis, s.rangfolge, s.anzahl, s.fenster);
        break;
    }
    }
    r.m_ziehungen = bis - von + 1;
    // A ticket's damaged row expects only what it can win; a rule's rows (held as masks) always
    // hold five numbers and a proper Zusatzzahl.
    if (s.art == Strategieart::Regel)
        r.m_festErwartung = static_cast<std::int64_t>(r.m_fest.size()) * ErwartungMalZiehungen();
    else
        for (const Reihenwort w : r.m_fest)
            r.m_festErwartung += reihenerwartung(w);
    return r;
}

void Strategiereihen::reihen(int j, std::vector<Reihenwort> &aus) const
{
    switch (m_art) {
    case Strategieart::Schein:
    case Strategieart::System:
        aus.insert(aus.end(), m_fest.begin(), m_fest.end());
        return;
    case Strategieart::Zufall: {
        // Small runs compare rows directly; both tests give the very same rows.
        Zufallsergebnis e;
        if (m_vorgaben.ZufReihenAnz <= 64) {
            Reihenliste pruefung(m_vorgaben.ZufReihenAnz);
            e = ZufallszahlenErmittelnMit(pruefung, m_vorgaben, m_saat[static_cast<std::size_t>(j)]);
        } else {
            Reihenbitfeld pruefung;
            e = ZufallszahlenErmittelnMit(pruefung, m_vorgaben, m_saat[static_cast<std::size_t>(j)]);
        }
        const Zufallsreihen &z = e.reihen;
        const std::uint8_t fest = static_cast<std::uint8_t>(z.festeZusatzzahl().toInt());
        for (int i = 0; i < z.anzahl(); ++i) {
            std::array<std::uint8_t, ZahlenProReihe> zahlen{};
            for (int k = 0; k < ZahlenProReihe; ++k)
                zahlen[static_cast<std::size_t>(k)] = z.zahl(i, k);
            aus.push_back(ReihenwortVon(zahlen, z.festeZusatzzahl().isEmpty() ? z.gezogeneZusatzzahl(i) : fest));
        }
        return;
    }
    case Strategieart::Regel: {
        // Bit i of a mask stands for the i-th smallest chosen number: two tables of six bits.
        const auto &zahlen = m_regel[static_cast<std::size_t>(j)];
        std::array<Reihenwort, 64> unten{};
        std::array<Reihenwort, 64> oben{};
        for (int m = 1; m < 64; ++m) {
            const int bit = std::countr_zero(static_cast<unsigned>(m));
            const int rest = m & (m - 1);
            const auto zahlBit = [&](int i) {
                return i < m_regelAnzahl ? Reihenwort{1} << zahlen[static_cast<std::size_t>(i)] : Reihenwort{0};
            };
            unten[static_cast<std::size_t>(m)] = unten[static_cast<std::size_t>(rest)] | zahlBit(bit);
            oben[static_cast<std::size_t>(m)] = oben[static_cast<std::size_t>(rest)] | zahlBit(bit + 6);
        }
        const std::size_t alt = aus.size();
        aus.resize(alt + m_fest.size());
        Reihenwort *ziel = aus.data() + alt;
        for (const Reihenwort w : m_fest)
            *ziel++ = unten[w & 63] | oben[(w >> 6) & 63] | (w & (Reihenwort{0xFF} << ZusatzzahlStelle));
        return;
    }
    }
}

std::int32_t Strategiereihen::reihenAnzahl(int) const
{
    return m_art == Strategieart::Zufall ? m_vorgaben.ZufReihenAnz : static_cast<std::int32_t>(m_fest.size());
}

std::int64_t Strategiereihen::erwartungMal(int) const
{
    // Generated rows always hold five numbers and a proper Zusatzzahl.
    return m_art == Strategieart::Zufall ? std::int64_t{m_vorgaben.ZufReihenAnz} * ErwartungMalZiehungen()
                                         : m_festErwartung;
}

std::vector<int> Strategiereihen::regelzahlen(int j) const
{
    std::vector<int> z;
    if (m_art != Strategieart::Regel || j < 0 || j >= static_cast<int>(m_regel.size()))
        return z;
    for (int i = 0; i < m_regelAnzahl; ++i)
        z.push_back(m_regel[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)]);
    return z;
}
