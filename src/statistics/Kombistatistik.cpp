// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/Kombistatistik.h"

#include "model/Datum.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr int HoechstesK = 4;

// Binomial coefficients C(n, j) for n = 0..49 and j = 0..4.
constexpr auto Binom = [] {
    std::array<std::array<int, HoechstesK + 1>, MaxZahl + 1> b{};
    for (int n = 0; n <= MaxZahl; ++n) {
        b[n][0] = 1;
        for (int j = 1; j <= HoechstesK; ++j)
            b[n][j] = n == 0 ? 0 : b[n - 1][j - 1] + b[n - 1][j];
    }
    return b;
}();
static_assert(Binom[MaxZahl][2] == KombiAnzahl[0] && Binom[MaxZahl][3] == KombiAnzahl[1] &&
              Binom[MaxZahl][4] == KombiAnzahl[2]);

// Numbers 1..49 are bits 1..49 of the bitmap's first word.
constexpr std::uint64_t AlleZahlen = ((std::uint64_t{1} << MaxZahl) - 1) << 1;

struct Zeitraum
{
    int von;
    int bis;
};

Zeitraum begrenzt(int von, int bis, qsizetype anzahl)
{
    return {std::max(von, 0), static_cast<int>(std::min<qsizetype>(bis, anzahl - 1))};
}

// The members of a set in ascending order; returns how many.
int glieder(const Zahlenmenge &menge, std::array<int, MaxZahl> &zahlen)
{
    int n = 0;
    for (std::uint64_t rest = menge.ersteWort() & AlleZahlen; rest != 0; rest &= rest - 1)
        zahlen[static_cast<std::size_t>(n++)] = std::countr_zero(rest);
    return n;
}

// Adds 1 to the entry of every k-subset of the n ascending numbers.
void zaehleTeilmengen(std::vector<TKombiEintrag> &eintraege, int k, const std::array<int, MaxZahl> &zahlen, int n)
{
    if (n < k)
        return;
    std::array<int, HoechstesK> stelle{};
    for (int i = 0; i < k; ++i)
        stelle[static_cast<std::size_t>(i)] = i;
    std::array<int, HoechstesK> kombi{};
    for (;;) {
        for (int i = 0; i < k; ++i)
            kombi[static_cast<std::size_t>(i)] = zahlen[static_cast<std::size_t>(stelle[static_cast<std::size_t>(i)])];
        ++eintraege[static_cast<std::size_t>(KombiPosition(kombi.data(), k))].Anzahl;
        // Next subset in lexicographic order of the places.
        int i = k - 1;
        while (i >= 0 && stelle[static_cast<std::size_t>(i)] == n - k + i)
            --i;
        if (i < 0)
            return;
        ++stelle[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            stelle[static_cast<std::size_t>(j)] = stelle[static_cast<std::size_t>(j - 1)] + 1;
    }
}

// Whole classes of equal counts, from `start` towards `ende`, until more than Mindestraenge
// rows are taken; each class in table order.
Rangliste rangliste(const Kombitabelle &tabelle, bool haeufigsteZuerst)
{
    const Anzahlspanne spanne = AnzahlspanneVon(tabelle);
    const std::uint32_t breite = spanne.groesste - spanne.kleinste + 1;
    // Class c (0 = the first class of the list) holds the entries with this count.
    const auto klasse = [&](std::uint32_t anzahl) {
        return haeufigsteZuerst ? spanne.groesste - anzahl : anzahl - spanne.kleinste;
    };

    std::vector<std::size_t> groesse(breite, 0);
    for (const TKombiEintrag &e : tabelle.eintraege)
        ++groesse[klasse(e.Anzahl)];

    // Every class lies within the table, so the rows pass Mindestraenge at the latest with the
    // last class (every table is larger than that).
    std::vector<std::size_t> beginn(breite, 0);
    std::size_t zeilen = 0;
    std::uint32_t klassen = 0;
    while (klassen < breite && zeilen <= static_cast<std::size_t>(Mindestraenge)) {
        beginn[klassen] = zeilen;
        zeilen += groesse[klassen];
        ++klassen;
    }

    Rangliste liste(zeilen);
    for (const TKombiEintrag &e : tabelle.eintraege) {
        const std::uint32_t c = klasse(e.Anzahl);
        if (c >= klassen)
            continue;
        Rangzeile &z = liste[beginn[c]++];
        z.Anzahl = e.Anzahl;
        std::size_t i = 0;
        for (std::uint64_t rest = e.Kombi.ersteWort() & AlleZahlen; rest != 0 && i < z.zahlen.size(); rest &= rest - 1)
            z.zahlen[i++] = static_cast<std::uint8_t>(std::countr_zero(rest));
    }
    return liste;
}

} // namespace

Kombitabelle KombisErzeugen(int k)
{
    Kombitabelle tabelle;
    if (k < 2 || k > HoechstesK)
        return tabelle;
    tabelle.k = k;
    tabelle.eintraege.reserve(static_cast<std::size_t>(kombiAnzahl(k)));
    // Ascending tuples, the first number in the outermost place.
    std::array<int, HoechstesK> zahl{};
    for (int i = 0; i < k; ++i)
        zahl[static_cast<std::size_t>(i)] = i + 1;
    for (;;) {
        TKombiEintrag e;
        for (int i = 0; i < k; ++i)
            e.Kombi.hinzu(static_cast<std::uint8_t>(zahl[static_cast<std::size_t>(i)]));
        tabelle.eintraege.push_back(e);
        int i = k - 1;
        while (i >= 0 && zahl[static_cast<std::size_t>(i)] == MaxZahl - (k - 1 - i))
            --i;
        if (i < 0)
            return tabelle;
        ++zahl[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            zahl[static_cast<std::size_t>(j)] = zahl[static_cast<std::size_t>(j - 1)] + 1;
    }
}

int KombiPosition(const int *zahlen, int k)
{
    // The tuples after (a1, …, ak) are those that, from some place i on, only use numbers above
    // ai: C(49 - ai, k - i + 1) of them for each place. Counting back from the last entry
    // gives the position.
    int position = Binom[MaxZahl][k] - 1;
    for (int i = 0; i < k; ++i)
        position -= Binom[static_cast<std::size_t>(MaxZahl - zahlen[i])][static_cast<std::size_t>(k - i)];
    return position;
}

void KombisZaehlen(Kombitabelle &tabelle, const QVector<Zahlenmenge> &mengen, int von, int bis)
{
    for (TKombiEintrag &e : tabelle.eintraege)
        e.Anzahl = 0;
    if (tabelle.k < 2)
        return;
    const Zeitraum z = begrenzt(von, bis, mengen.size());
    std::array<int, MaxZahl> zahlen{};
    for (int d = z.von; d <= z.bis; ++d)
        zaehleTeilmengen(tabelle.eintraege, tabelle.k, zahlen, glieder(mengen.at(d), zahlen));
}

void KombisZaehlenDurchSchnitte(Kombitabelle &tabelle, const QVector<Zahlenmenge> &mengen, int von, int bis)
{
    const Zeitraum z = begrenzt(von, bis, mengen.size());
    for (TKombiEintrag &e : tabelle.eintraege) {
        e.Anzahl = 0;
        for (int d = z.von; d <= z.bis; ++d) {
            if (e.Kombi.schnitt(mengen.at(d)) == e.Kombi)
                ++e.Anzahl;
        }
    }
}

Anzahlspanne AnzahlspanneVon(const Kombitabelle &tabelle)
{
    if (tabelle.eintraege.empty())
        return {};
    Anzahlspanne s{tabelle.eintraege.front().Anzahl, tabelle.eintraege.front().Anzahl};
    for (const TKombiEintrag &e : tabelle.eintraege) {
        s.kleinste = std::min(s.kleinste, e.Anzahl);
        s.groesste = std::max(s.groesste, e.Anzahl);
    }
    return s;
}

Rangliste HaeufigsteKombis(const Kombitabelle &tabelle)
{
    return rangliste(tabelle, true);
}

Rangliste SeltensteKombis(const Kombitabelle &tabelle)
{
    return rangliste(tabelle, false);
}

Favoriten KombinationenFavoriten(Kombitabelle &tabelle, const QVector<Zahlenmenge> &mengen, int von, int bis)
{
    KombisZaehlen(tabelle, mengen, von, bis);
    return {HaeufigsteKombis(tabelle), SeltensteKombis(tabelle)};
}

QString Kombitext(const Zahlenmenge &kombi)
{
    return MengeZuText(kombi, MaxZahl, QStringLiteral(","));
}

QString Kombitext(const Rangzeile &zeile)
{
    QString text;
    for (const std::uint8_t n : zeile.zahlen) {
        if (n == 0)
            break;
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += QString::number(n);
    }
    return text;
}

Suchauswahl::Ergebnis Suchauswahl::umschalten(int zahl)
{
    // Tags above 49 would be Zusatzzahlen there.
    if (!istZahl(zahl) || m_auswahl.BLotAuswerten(zahl) != Zahlenauswahl::Ergebnis::Geaendert)
        return Ergebnis::Abgelehnt;
    return SuchMenge().enthaelt(static_cast<std::uint8_t>(zahl)) ? Ergebnis::Aufgenommen : Ergebnis::Entfernt;
}

Suchergebnis KombisSuchen(const Zustand &zustand, const Zahlenmenge &suchMenge, int von, int bis)
{
    Suchergebnis ergebnis;
    TextTabelle &t = ergebnis.tabelle;
    t.setzeSpalten(3);
    t.setzeZeilen(2);
    t.setzeZelle(0, 0, QStringLiteral("Nr."));
    t.setzeZelle(1, 0, QStringLiteral("Datum"));
    t.setzeZelle(2, 0, QStringLiteral("mit..."));

    // Dates come from Ziehungen, membership from the sets: stay within both.
    const Zeitraum z = begrenzt(von, bis, std::min(zustand.Ziehungen.size(), zustand.Ziehungsmengen.size()));
    std::vector<int> gefunden;
    for (int d = z.von; d <= z.bis; ++d) {
        if (suchMenge.schnitt(zustand.Ziehungsmengen.at(d)) == suchMenge)
            gefunden.push_back(d);
    }
    ergebnis.treffer = static_cast<int>(gefunden.size());
    if (gefunden.empty())
        return ergebnis;

    t.setzeZeilen(ergebnis.treffer + 1);
    for (int r = 1; r <= ergebnis.treffer; ++r) {
        const int d = gefunden[static_cast<std::size_t>(r - 1)];
        Zahlenmenge rest = zustand.Ziehungsmengen.at(d);
        for (int n = 1; n <= MaxZahl; ++n) {
            if (suchMenge.enthaelt(static_cast<std::uint8_t>(n)))
                rest.entferne(static_cast<std::uint8_t>(n));
        }
        t.setzeZelle(0, r, QString::number(r));
        t.setzeZelle(1, r, Datum::kurz(zustand.Ziehungen.at(d).datum, zustand.Formateinstellungen));
        t.setzeZelle(2, r, Kombitext(rest));
    }
    return ergebnis;
}
