// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "strategy/Strategietest.h"

#include "evaluation/Gewinnchancen.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <thread>

// The loops over rows and draws, built with and without the processor's popcount instruction
// and chosen when the program is loaded: the x86-64 baseline would call a library routine.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__POPCNT__) && !defined(__SANITIZE_ADDRESS__)
#define STRATEGIE_POPCOUNT __attribute__((target_clones("popcnt", "default")))
#else
#define STRATEGIE_POPCOUNT
#endif

namespace {

std::uint64_t strategieStreuen(std::uint64_t x)
{
    x += 0x9E37'79B9'7F4A'7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D0'49BB'1331'11EBULL;
    return x ^ (x >> 31);
}

// The win of each class in cents, by hits * 2 + Zusatzzahl match.
std::array<std::int64_t, 12> strategieGewinntabelle()
{
    std::array<std::int64_t, 12> t{};
    for (int treffer = 0; treffer <= ZahlenProReihe; ++treffer)
        for (int passt = 0; passt <= 1; ++passt)
            if (const int k = KlasseFuer(treffer, passt != 0); k > 0)
                t[static_cast<std::size_t>(treffer * 2 + passt)] =
                    Gewinnklassen[static_cast<std::size_t>(k - 1)].Gewinn / (BetragProEuro / 100);
    return t;
}

// Rows of one draw by class: index treffer * 2 + passt.
STRATEGIE_POPCOUNT void trefferZaehlen(const Reihenwort *reihen, std::size_t anzahl, Reihenwort ziehung,
                                       std::array<std::int64_t, 12> &faelle)
{
    const Reihenwort zahlen = ziehung & Spielzahlbits;
    const Reihenwort zz = ziehung >> ZusatzzahlStelle;
    for (std::size_t r = 0; r < anzahl; ++r) {
        const Reihenwort w = reihen[r];
        ++faelle[static_cast<std::size_t>(std::popcount(w & zahlen) * 2 + ((w >> ZusatzzahlStelle) == zz))];
    }
}

STRATEGIE_POPCOUNT std::int64_t gewinnSumme(const Reihenwort *reihen, std::size_t anzahl, Reihenwort ziehung,
                                            const std::int64_t *tabelle)
{
    const Reihenwort zahlen = ziehung & Spielzahlbits;
    const Reihenwort zz = ziehung >> ZusatzzahlStelle;
    std::int64_t summe = 0;
    for (std::size_t r = 0; r < anzahl; ++r) {
        const Reihenwort w = reihen[r];
        summe += tabelle[std::popcount(w & zahlen) * 2 + ((w >> ZusatzzahlStelle) == zz)];
    }
    return summe;
}

// Runs f(begin, end) over contiguous parts of 0..anzahl-1 on up to `threads` threads.
template <class F> void strategieVerteilen(int anzahl, int threads, const F &f)
{
    threads = std::clamp(threads, 1, std::max(anzahl, 1));
    if (threads == 1) {
        f(0, anzahl);
        return;
    }
    std::vector<std::thread> arbeiter;
    arbeiter.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        const int anfang = static_cast<int>(std::int64_t{anzahl} * t / threads);
        const int ende = static_cast<int>(std::int64_t{anzahl} * (t + 1) / threads);
        arbeiter.emplace_back([&f, anfang, ende] { f(anfang, ende); });
    }
    for (std::thread &a : arbeiter)
        a.join();
}

bool laufAbgebrochen(const std::atomic<bool> *abbruch)
{
    return abbruch && abbruch->load(std::memory_order_relaxed);
}

// Half away from zero.
std::int64_t strategieGerundet(Ganzzahl128Vz zaehler, Ganzzahl128Vz nenner)
{
    const bool negativ = zaehler < 0;
    const Ganzzahl128Vz betrag = negativ ? -zaehler : zaehler;
    const auto q = static_cast<std::int64_t>((2 * betrag + nenner) / (2 * nenner));
    return negativ ? -q : q;
}

// What one draw of the real history gave a strategy.
struct Ziehungsertrag
{
    std::int32_t reihen = 0;
    std::int64_t gewinnCent = 0;
    std::array<std::int64_t, AnzahlGewinnklassen> klassen{};
};

} // namespace

std::int64_t ReihenpreisCent(float reihenpreis)
{
    if (!std::isfinite(reihenpreis) || reihenpreis <= 0.0F || reihenpreis > 1.0e9F)
        return 0;
    // The shortest text that reads back as this float is the price as it was written.
    char text[64];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, reihenpreis, std::chars_format::fixed);
    if (fehler != std::errc())
        return 0;
    std::int64_t cent = 0;
    int nachkomma = -1; // digits after the point seen so far; -1 before the point
    bool aufrunden = false;
    for (const char *c = text; c != ende; ++c) {
        if (*c == '.') {
            nachkomma = 0;
            continue;
        }
        const int ziffer = *c - '0';
        if (nachkomma < 0 || nachkomma < 2) {
            cent = cent * 10 + ziffer;
            if (nachkomma >= 0)
                ++nachkomma;
        } else if (nachkomma == 2) {
            aufrunden = ziffer >= 5;
            ++nachkomma;
        }
    }
    for (int n = std::max(nachkomma, 0); n < 2; ++n)
        cent *= 10;
    return cent + (aufrunden ? 1 : 0);
}

Fairziehungen::Fairziehungen(std::uint64_t startwert, int verlauf)
{
    std::uint64_t saat = strategieStreuen(startwert ^ 0x4641'4952'0000'0000ULL) ^
                         strategieStreuen(static_cast<std::uint64_t>(verlauf) + 0x1234'5678ULL);
    for (std::uint64_t &z : m_zustand)
        z = saat = strategieStreuen(saat);
}

std::uint64_t Fairziehungen::zufall()
{
    // xoshiro256**
    const std::uint64_t ergebnis = std::rotl(m_zustand[1] * 5, 7) * 9;
    const std::uint64_t t = m_zustand[1] << 17;
    m_zustand[2] ^= m_zustand[0];
    m_zustand[3] ^= m_zustand[1];
    m_zustand[1] ^= m_zustand[2];
    m_zustand[0] ^= m_zustand[3];
    m_zustand[2] ^= t;
    m_zustand[3] = std::rotl(m_zustand[3], 45);
    return ergebnis;
}

std::uint32_t Fairziehungen::unter(std::uint32_t n)
{
    // Lemire's method: exactly uniform over 0..n-1.
    for (;;) {
        const std::uint64_t produkt = (zufall() >> 32) * n;
        if (static_cast<std::uint32_t>(produkt) >= (0U - n) % n)
            return static_cast<std::uint32_t>(produkt >> 32);
    }
}

Reihenwort Fairziehungen::naechste()
{
    Reihenwort zahlen = 0;
    for (int gezogen = 0; gezogen < ZahlenProReihe;) {
        const Reihenwort bit = Reihenwort{1} << (1 + unter(MaxZahl));
        if (zahlen & bit)
            continue;
        zahlen |= bit;
        ++gezogen;
    }
    return zahlen | (Reihenwort{1 + unter(MaxZusatzzahl)} << ZusatzzahlStelle);
}

QString PlatzierungAnteil(int mindestensSoGut, int verlaeufe)
{
    if (verlaeufe <= 0)
        return QString();
    const std::int64_t hundert = std::int64_t{mindestensSoGut} * 100;
    if (hundert < verlaeufe)
        return QStringLiteral("weniger als 1 %");
    if (hundert > std::int64_t{99} * verlaeufe)
        return QStringLiteral("mehr als 99 %");
    return QStringLiteral("%1 %").arg((2 * hundert + verlaeufe) / (2 * std::int64_t{verlaeufe}));
}

QString PlatzierungText(int mindestensSoGut, int verlaeufe)
{
    return QStringLiteral("Ein mindestens so gutes Ergebnis hatten %1 der zuf\u00E4lligen Verl\u00E4ufe.")
        .arg(PlatzierungAnteil(mindestensSoGut, verlaeufe));
}

QString CentText(std::int64_t cent, const QLocale &locale)
{
    return BetragZuWaehrung(cent * (BetragProEuro / 100), locale);
}

Testergebnis StrategienTesten(const Testauftrag &a, const std::atomic<bool> *abbruch, std::atomic<int> *promille)
{
    Testergebnis e;
    const auto melden = [promille](int wert) {
        if (promille)
            promille->store(wert, std::memory_order_relaxed);
    };
    melden(0);
    if (a.ziehungen.isEmpty()) {
        e.fehler = QStringLiteral("Es sind keine Ziehungen vorhanden, mit denen ich testen k\u00F6nnte.");
        return e;
    }
    if (a.von < 0 || a.bis >= a.ziehungen.size() || a.bis < a.von) {
        e.fehler = QStringLiteral("Im gew\u00E4hlten Zeitraum liegt keine Ziehung. Bitte w\u00E4hlen Sie das "
                                  "Ende nicht vor dem Anfang.");
        return e;
    }
    if (a.strategien.empty()) {
        e.fehler = QStringLiteral("Es ist keine Strategie angelegt. Bitte f\u00FCgen Sie zuerst eine hinzu.");
        return e;
    }
    if (a.verlaeufe < 0 || a.verlaeufe > MaxVerlaeufe) {
        e.fehler = QStringLiteral("Die Zahl der zuf\u00E4lligen Verl\u00E4ufe muss zwischen 0 und 100.000 liegen.");
        return e;
    }
    const int threads =
        a.threads > 0 ? a.threads : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    e.von = a.von;
    e.bis = a.bis;
    e.startwert = a.startwert;
    e.verlaeufe = a.verlaeufe;
    e.preisCent = ReihenpreisCent(a.reihenpreis);
    const int D = a.bis - a.von + 1;
    const int P = static_cast<int>(a.strategien.size());
    const bool mitBand = a.verlaeufe > 0;
    const int walkAnteil = mitBand ? 100 : 1000;

    std::vector<Strategiereihen> plaene;
    for (int p = 0; p < P; ++p) {
        QString fehler;
        const Strategie &s = a.strategien[static_cast<std::size_t>(p)];
        plaene.push_back(Strategiereihen::vorbereiten(s, a.ziehungen, a.von, a.bis, a.startwert, p, abbruch, fehler));
        if (laufAbgebrochen(abbruch)) {
            e.abgebrochen = true;
            return e;
        }
        if (!fehler.isEmpty()) {
            e.fehler = QStringLiteral("Die Strategie \u201E%1\u201C l\u00E4sst sich nicht spielen:").arg(Anzeigename(s)) +
                       Absatz + fehler;
            return e;
        }
    }

    std::vector<Reihenwort> ziehungsworte(static_cast<std::size_t>(D));
    for (int j = 0; j < D; ++j)
        ziehungsworte[static_cast<std::size_t>(j)] = ZiehungswortVon(a.ziehungen[a.von + j]);

    // The real history, draw by draw: each draw's yield in parallel, then the running figures.
    const Ganzzahl128Vz ziehungenMal = MoeglicheZiehungen;
    std::atomic<int> erledigt{0};
    for (int p = 0; p < P; ++p) {
        const Strategie &s = a.strategien[static_cast<std::size_t>(p)];
        const Strategiereihen &plan = plaene[static_cast<std::size_t>(p)];
        std::vector<Ziehungsertrag> ertrag(static_cast<std::size_t>(D));
        strategieVerteilen(D, threads, [&](int anfang, int ende) {
            std::vector<Reihenwort> reihen;
            const std::array<std::int64_t, 12> cent = strategieGewinntabelle();
            for (int j = anfang; j < ende && !laufAbgebrochen(abbruch); ++j) {
                reihen.clear();
                plan.reihen(j, reihen);
                std::array<std::int64_t, 12> faelle{};
                trefferZaehlen(reihen.data(), reihen.size(), ziehungsworte[static_cast<std::size_t>(j)], faelle);
                Ziehungsertrag &z = ertrag[static_cast<std::size_t>(j)];
                z.reihen = static_cast<std::int32_t>(reihen.size());
                for (int t = 0; t < 12; ++t) {
                    const auto i = static_cast<std::size_t>(t);
                    z.gewinnCent += faelle[i] * cent[i];
                    if (const int k = KlasseFuer(t / 2, t % 2 != 0); k > 0)
                        z.klassen[static_cast<std::size_t>(k - 1)] += faelle[i];
                }
                const int fertig = erledigt.fetch_add(1, std::memory_order_relaxed) + 1;
                if ((fertig & 255) == 0)
                    melden(static_cast<int>(std::int64_t{walkAnteil} * fertig / (std::int64_t{D} * P)));
            }
        });
        if (laufAbgebrochen(abbruch)) {
            e.abgebrochen = true;
            return e;
        }

        Strategieergebnis r;
        r.name = Anzeigename(s);
        r.art = s.art;
        r.ziehungen = D;
        r.verlauf.resize(static_cast<std::size_t>(D));
        r.erwartetVerlauf.resize(static_cast<std::size_t>(D));
        Ganzzahl128Vz erwartet = 0;
        int durst = 0;
        int besteKlasse = AnzahlGewinnklassen + 1;
        for (int j = 0; j < D; ++j) {
            const Ziehungsertrag &z = ertrag[static_cast<std::size_t>(j)];
            const std::int64_t einsatz = std::int64_t{z.reihen} * e.preisCent;
            r.reihen += z.reihen;
            r.einsatzCent += einsatz;
            r.gewinnCent += z.gewinnCent;
            for (std::size_t k = 0; k < r.klassen.size(); ++k)
                r.klassen[k] += z.klassen[k];
            // Strictly better only: on equal amounts the earliest draw keeps the place.
            for (int k = 1; k < besteKlasse; ++k)
                if (z.klassen[static_cast<std::size_t>(k - 1)] > 0) {
                    besteKlasse = k;
                    r.hoechsterZiehung = a.von + j;
                    break;
                }
            durst = z.gewinnCent > 0 ? 0 : durst + 1;
            r.laengsteDurststrecke = std::max(r.laengsteDurststrecke, durst);
            Ziehungsstand &stand = r.verlauf[static_cast<std::size_t>(j)];
            stand.reihen = z.reihen;
            stand.gewinnCent = z.gewinnCent;
            stand.bilanzCent = r.gewinnCent - r.einsatzCent;
            erwartet += Ganzzahl128Vz{plan.erwartungMal(j)} - Ganzzahl128Vz{einsatz} * 100 * ziehungenMal;
            r.erwartetVerlauf[static_cast<std::size_t>(j)] = static_cast<double>(erwartet) / (100.0 * MoeglicheZiehungen);
        }
        if (besteKlasse <= AnzahlGewinnklassen)
            r.hoechsterCent = Gewinnklassen[static_cast<std::size_t>(besteKlasse - 1)].Gewinn / (BetragProEuro / 100);
        r.bilanzCent = r.gewinnCent - r.einsatzCent;
        if (s.art == Strategieart::Schein) {
            r.antGes = std::max(s.antGes, 1);
            r.antMeine = std::clamp(s.antMeine, 0, r.antGes);
            r.anteilCent = MeinAnteil(r.antGes, r.antMeine, r.gewinnCent * (BetragProEuro / 100)) / (BetragProEuro / 100);
        } else {
            r.anteilCent = r.gewinnCent;
        }
        if (r.einsatzCent > 0)
            r.ruecklauf = strategieGerundet(Ganzzahl128Vz{r.gewinnCent} * 1'000'000, r.einsatzCent);
        r.erwartetMal = erwartet;
        r.erwartetCent = strategieGerundet(erwartet, Ganzzahl128Vz{100} * ziehungenMal);
        e.strategien.push_back(std::move(r));
    }
    melden(walkAnteil);
    if (!mitBand)
        return e;

    // The band: the same rows against S fair histories, in blocks of draws so that the balances
    // of every history at every draw of a block fit in memory at once.
    const int S = a.verlaeufe;
    const std::int64_t untenRang = (std::int64_t{5} * S + 99) / 100;  // ceil(0.05 S), 1-based
    const std::int64_t obenRang = (std::int64_t{95} * S + 99) / 100; // ceil(0.95 S)
    const int block = static_cast<int>(std::clamp<std::int64_t>((std::int64_t{1} << 22) / (std::int64_t{S} * P), 1, 256));
    std::vector<Fairziehungen> fair;
    fair.reserve(static_cast<std::size_t>(S));
    for (int s = 0; s < S; ++s)
        fair.emplace_back(a.startwert, s);
    std::vector<std::int64_t> bilanz(static_cast<std::size_t>(S) * P, 0);
    for (Strategieergebnis &r : e.strategien) {
        r.bandUnten.resize(static_cast<std::size_t>(D));
        r.bandOben.resize(static_cast<std::size_t>(D));
        r.verlaeufe = S;
    }
    std::vector<std::int64_t> stand;
    // Rows of the block's draws, strategy by strategy: a list of rows and where each draw's begin.
    std::vector<std::vector<Reihenwort>> blockreihen(static_cast<std::size_t>(P));
    std::vector<std::vector<std::size_t>> blockanfang(static_cast<std::size_t>(P));
    const std::array<std::int64_t, 12> cent = strategieGewinntabelle();
    for (int b = 0; b < D; b += block) {
        const int laenge = std::min(block, D - b);
        for (int p = 0; p < P; ++p) {
            const Strategiereihen &plan = plaene[static_cast<std::size_t>(p)];
            std::vector<std::vector<Reihenwort>> jeZiehung(static_cast<std::size_t>(laenge));
            strategieVerteilen(laenge, threads, [&](int anfang, int ende) {
                for (int jj = anfang; jj < ende; ++jj)
                    plan.reihen(b + jj, jeZiehung[static_cast<std::size_t>(jj)]);
            });
            auto &liste = blockreihen[static_cast<std::size_t>(p)];
            auto &anfang = blockanfang[static_cast<std::size_t>(p)];
            liste.clear();
            anfang.assign(1, 0);
            for (const auto &reihen : jeZiehung) {
                liste.insert(liste.end(), reihen.begin(), reihen.end());
                anfang.push_back(liste.size());
            }
        }
        stand.assign(static_cast<std::size_t>(P) * laenge * S, 0);
        strategieVerteilen(S, threads, [&](int anfang, int ende) {
            for (int s = anfang; s < ende && !laufAbgebrochen(abbruch); ++s) {
                Fairziehungen &ziehung = fair[static_cast<std::size_t>(s)];
                for (int jj = 0; jj < laenge; ++jj) {
                    const Reihenwort w = ziehung.naechste();
                    for (int p = 0; p < P; ++p) {
                        const auto &liste = blockreihen[static_cast<std::size_t>(p)];
                        const auto &start = blockanfang[static_cast<std::size_t>(p)];
                        const std::size_t von = start[static_cast<std::size_t>(jj)];
                        const std::size_t anzahl = start[static_cast<std::size_t>(jj) + 1] - von;
                        std::int64_t &bil = bilanz[static_cast<std::size_t>(s) * P + p];
                        bil += gewinnSumme(liste.data() + von, anzahl, w, cent.data()) -
                               static_cast<std::int64_t>(anzahl) * e.preisCent;
                        stand[(static_cast<std::size_t>(p) * laenge + jj) * S + s] = bil;
                    }
                }
            }
        });
        if (laufAbgebrochen(abbruch)) {
            e = Testergebnis();
            e.abgebrochen = true;
            return e;
        }
        strategieVerteilen(P * laenge, threads, [&](int anfang, int ende) {
            for (int i = anfang; i < ende; ++i) {
                const int p = i / laenge;
                const int jj = i % laenge;
                auto *werte = stand.data() + static_cast<std::size_t>(i) * S;
                std::nth_element(werte, werte + (untenRang - 1), werte + S);
                const std::int64_t unten = werte[untenRang - 1];
                std::nth_element(werte + untenRang, werte + (obenRang - 1), werte + S);
                const std::int64_t oben = obenRang == untenRang ? unten : werte[obenRang - 1];
                Strategieergebnis &r = e.strategien[static_cast<std::size_t>(p)];
                r.bandUnten[static_cast<std::size_t>(b + jj)] = unten;
                r.bandOben[static_cast<std::size_t>(b + jj)] = oben;
            }
        });
        melden(walkAnteil + static_cast<int>(std::int64_t{1000 - walkAnteil} * (b + laenge) / D));
    }
    for (int p = 0; p < P; ++p) {
        Strategieergebnis &r = e.strategien[static_cast<std::size_t>(p)];
        for (int s = 0; s < S; ++s)
            r.mindestensSoGut += bilanz[static_cast<std::size_t>(s) * P + p] >= r.bilanzCent ? 1 : 0;
    }
    return e;
}

#undef STRATEGIE_POPCOUNT
