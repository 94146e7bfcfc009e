// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnauswertung.h"

#include "evaluation/Gewinnchancen.h"
#include "model/Dateien.h"
#include "model/Datum.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <limits>

namespace {

// Numbers 1..49 all live in the first 64-bit word of a number set, so one popcount per pair
// gives the hits.
std::uint64_t reihenwort(const Tippreihe &reihe)
{
    std::uint64_t wort = 0;
    for (const std::uint8_t n : reihe.zahlen) {
        if (istZahl(n))
            wort |= std::uint64_t{1} << n;
    }
    return wort;
}

// Invalid Zusatzzahlen get different markers on the two sides, so they never match each other.
constexpr std::uint8_t KeineReihenZZ = 0xFF;
constexpr std::uint8_t KeineZiehungsZZ = 0xFE;

// A pair's case is 2 * hits + (1 when the Zusatzzahlen match): 0..11.
constexpr int Faelle = 12;

// Class by case, 0 for no win.
constexpr std::array<std::uint8_t, Faelle> klassentabelle()
{
    std::array<std::uint8_t, Faelle> t{};
    for (int treffer = 0; treffer <= 5; ++treffer)
        for (int passt = 0; passt <= 1; ++passt)
            t[static_cast<std::size_t>(treffer * 2 + passt)] =
                static_cast<std::uint8_t>(KlasseFuer(treffer, passt != 0));
    return t;
}
constexpr std::array<std::uint8_t, Faelle> Klassen = klassentabelle();

// The class again, but no win as the largest byte, so the smallest value of a draw is its best win.
constexpr std::array<std::uint8_t, Faelle> rangtabelle()
{
    std::array<std::uint8_t, Faelle> t = Klassen;
    for (std::uint8_t &k : t)
        k = k == 0 ? 0xFF : k;
    return t;
}
constexpr std::array<std::uint8_t, Faelle> Rang = rangtabelle();

// The cases are counted in two words of six 10-bit counters each, added to in registers and
// emptied every 1023 pairs: a count kept in memory would make every pair wait for the last.
constexpr int Zaehlerbits = 10;
constexpr std::size_t Zaehlerspanne = (std::size_t{1} << Zaehlerbits) - 1;
constexpr std::array<std::uint64_t, Faelle> einheiten(bool hoch)
{
    std::array<std::uint64_t, Faelle> t{};
    for (int f = 0; f < Faelle; ++f)
        if ((f >= Faelle / 2) == hoch)
            t[static_cast<std::size_t>(f)] = std::uint64_t{1} << (Zaehlerbits * (f % (Faelle / 2)));
    return t;
}
constexpr std::array<std::uint64_t, Faelle> EinheitTief = einheiten(false);
constexpr std::array<std::uint64_t, Faelle> EinheitHoch = einheiten(true);

// The loop over all pairs. Built twice where the compiler can: with the processor's popcount
// instruction and without, chosen when the program is loaded; the plain x86-64 baseline would
// otherwise call a library routine for every pair.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__POPCNT__) && !defined(__SANITIZE_ADDRESS__)
#define MIT_POPCOUNT __attribute__((target_clones("popcnt", "default")))
#else
#define MIT_POPCOUNT
#endif

// One draw against every row: each pair is written to the next place of `aus` and the place
// kept only for a win, so no branch depends on chance. Counts the cases into `faelle` and
// returns the end of the winning rows; `beste` becomes the draw's best class (0xFF: none).
MIT_POPCOUNT Ergebniszeile *paareEinerZiehung(const std::uint64_t *reihenworte, const std::uint8_t *reihenZZ,
                                              std::size_t anzahl, std::uint64_t wort, std::uint8_t zz,
                                              std::int32_t ziehung, Ergebniszeile *aus,
                                              std::array<std::int64_t, Faelle> &faelle, std::uint8_t &beste)
{
    std::uint8_t kleinster = 0xFF;
    for (std::size_t r = 0; r < anzahl;) {
        const std::size_t ende = std::min(anzahl, r + Zaehlerspanne);
        std::uint64_t tief = 0;
        std::uint64_t hoch = 0;
        for (; r < ende; ++r) {
            const auto fall = static_cast<std::size_t>(2 * std::popcount(reihenworte[r] & wort) + (reihenZZ[r] == zz));
            const std::uint8_t klasse = Klassen[fall];
            aus->ziehung = ziehung;
            aus->reihe = static_cast<std::int32_t>(r + 1);
            aus->klasse = klasse;
            aus->blockanfang = false;
            aus += klasse != 0;
            tief += EinheitTief[fall];
            hoch += EinheitHoch[fall];
            kleinster = std::min(kleinster, Rang[fall]);
        }
        for (int f = 0; f < Faelle / 2; ++f) {
            faelle[static_cast<std::size_t>(f)] +=
                static_cast<std::int64_t>((tief >> (Zaehlerbits * f)) & Zaehlerspanne);
            faelle[static_cast<std::size_t>(f + Faelle / 2)] +=
                static_cast<std::int64_t>((hoch >> (Zaehlerbits * f)) & Zaehlerspanne);
        }
    }
    beste = kleinster;
    return aus;
}

std::size_t gewinnerZaehlen(const std::uint64_t *reihenworte, std::size_t anzahl, std::uint64_t wort)
{
    std::size_t gewinner = 0;
    for (std::size_t r = 0; r < anzahl; ++r)
        gewinner += (reihenworte[r] & wort) != 0;
    return gewinner;
}

// `gesamt` in ten-thousandths; a double, so an expected total fits as well as a won one.
Betrag ruecklaufquote(double gesamt, std::int64_t paare, float reihenpreis)
{
    const double preis = static_cast<double>(reihenpreis);
    if (paare <= 0 || !std::isfinite(preis) || preis <= 0.0)
        return 0;
    const double prozent = gesamt / static_cast<double>(BetragProEuro) / (static_cast<double>(paare) * preis) * 100.0;
    // Ten-thousandths of a percent; nearbyint rounds halves to even.
    const double wert = std::nearbyint(prozent * static_cast<double>(BetragProEuro));
    if (!std::isfinite(wert) || wert >= 9.0e18)
        return std::numeric_limits<Betrag>::max();
    return static_cast<Betrag>(wert);
}

} // namespace

QVector<Tippreihe> TippreihenAusTabelle(const TextTabelle &tabelle)
{
    const auto zahl = [&](int spalte, int zeile, bool zusatz) -> std::uint8_t {
        bool ok = false;
        const int wert = tabelle.zelle(spalte, zeile).trimmed().toInt(&ok, 10);
        if (!ok || !(zusatz ? istZusatzzahl(wert) : istZahl(wert)))
            return 0;
        return static_cast<std::uint8_t>(wert);
    };
    QVector<Tippreihe> reihen;
    reihen.reserve(std::max(tabelle.zeilen() - 1, 0));
    for (int zeile = 1; zeile < tabelle.zeilen(); ++zeile) {
        Tippreihe r;
        for (int i = 0; i < 5; ++i)
            r.zahlen[static_cast<std::size_t>(i)] = zahl(i + 1, zeile, false);
        r.zusatzzahl = zahl(6, zeile, true);
        reihen.append(r);
    }
    return reihen;
}

Scheinreihen TippreihenLesen(const QString &pfad)
{
    Scheinreihen schein;
    const Dateiinhalt gelesen = DateiLesen(pfad);
    if (gelesen.status == Dateiinhalt::Status::Fehlt) {
        schein.fehler = DateiFehlerText(pfad, SystemfehlerText(ENOENT), false);
        return schein;
    }
    if (!gelesen.fehler.isEmpty())
        schein.fehler = DateiFehlerText(pfad, gelesen.fehler, false);
    // Whole records only, as the ticket file is read everywhere.
    const qsizetype anzahl = gelesen.daten.size() / TNormalSchein::Groesse;
    schein.reihen.reserve(anzahl);
    for (qsizetype k = 0; k < anzahl; ++k) {
        const TNormalSchein s = TNormalSchein::ausBytes(gelesen.daten.constData() + k * TNormalSchein::Groesse);
        Tippreihe r;
        for (std::size_t i = 0; i < r.zahlen.size(); ++i)
            r.zahlen[i] = istZahl(s.WZ[i]) ? s.WZ[i] : 0;
        r.zusatzzahl = istZusatzzahl(s.WZ[5]) ? s.WZ[5] : 0;
        schein.reihen.append(r);
        if (k == 0) {
            schein.antGes = s.AntGes == 0 ? 1 : s.AntGes;
            schein.antMeine = s.Antmeine;
        }
    }
    return schein;
}

Betrag MeinAnteil(int antGes, int antMeine, Betrag betrag)
{
    const std::int64_t gesamt = std::max(antGes, 1);
    const std::int64_t meine = std::clamp<std::int64_t>(antMeine, 0, gesamt);
    if (betrag <= 0)
        return 0;
    // Split so that cents * meine cannot overflow for any amount: q * meine <= cents, and
    // r * meine < gesamt^2 < 2^62.
    const std::int64_t cent = betrag / 100;
    const std::int64_t q = cent / gesamt;
    const std::int64_t r = cent % gesamt;
    return (q * meine + r * meine / gesamt) * 100;
}

Auswertungsergebnis GewinnAuswertungBlockweise(Zustand &zustand, const QVector<Tippreihe> &reihen, int antGes,
                                               int antMeine, int endIndex, int startIndex, bool zeitraum,
                                               Ergebnisempfaenger &empfaenger)
{
    Auswertungsergebnis e;
    if (!zeitraum)
        startIndex = endIndex;
    const QVector<TGewZahlen> &ziehungen = zustand.Ziehungen; // const access: never detach the history
    const qsizetype vorhanden = ziehungen.size();
    if (vorhanden == 0) {
        e.status = Auswertungsstatus::KeinZeitraum;
        e.meldung = MeldungKeineZiehungen;
        return e;
    }
    // A date list copied before the history changed may point past its end.
    if (endIndex < 0 || endIndex >= vorhanden || startIndex < 0 || startIndex >= vorhanden) {
        e.status = Auswertungsstatus::KeinZeitraum;
        e.meldung = MeldungZiehungFehlt;
        return e;
    }
    if (endIndex < startIndex) {
        e.status = Auswertungsstatus::Zeitraum;
        e.meldung = MeldungZeitraum;
        return e;
    }

    e.antGes = std::max(antGes, 1);
    e.antMeine = std::clamp(antMeine, 0, e.antGes);
    e.reihenpreis = zustand.Reihenpreis;
    const QLocale &locale = zustand.Formateinstellungen;
    for (std::size_t k = 0; k < Gewinnklassen.size(); ++k) {
        e.gewinnTexte[k] = BetragZuText(Gewinnklassen[k].Gewinn, locale);
        e.anteilTexte[k] = BetragZuText(MeinAnteil(e.antGes, e.antMeine, Gewinnklassen[k].Gewinn), locale);
    }

    // The draws, prepared once: date text, number set and the bitmask used for counting.
    const int anzahlZiehungen = endIndex - startIndex + 1;
    const QString format = Datum::kurzesFormat(locale);
    e.ziehungen.reserve(anzahlZiehungen);
    std::vector<std::uint64_t> ziehungsworte(static_cast<std::size_t>(anzahlZiehungen));
    std::vector<std::uint8_t> ziehungsZZ(static_cast<std::size_t>(anzahlZiehungen));
    for (int i = 0; i < anzahlZiehungen; ++i) {
        const TGewZahlen &z = ziehungen[startIndex + i];
        TGewAusw a;
        a.dat = z.datum;
        a.SDatum = locale.toString(Datum::zuDatum(z.datum), format).left(10);
        a.GZA = z.menge(); // keeps only 1..49, so damaged numbers never hit
        a.bonus = z.bonus;
        ziehungsworte[static_cast<std::size_t>(i)] = a.GZA.ersteWort();
        ziehungsZZ[static_cast<std::size_t>(i)] = istZusatzzahl(z.bonus) ? z.bonus : KeineZiehungsZZ;
        e.ziehungen.append(a);
    }

    std::array<std::int64_t, Faelle> faelle{};
    const std::size_t anzahlReihen = static_cast<std::size_t>(reihen.size());
    std::vector<std::uint64_t> reihenworte(anzahlReihen);
    std::vector<std::uint8_t> reihenZZ(anzahlReihen);
    for (std::size_t r = 0; r < anzahlReihen; ++r) {
        const Tippreihe &reihe = reihen[static_cast<qsizetype>(r)];
        reihenworte[r] = reihenwort(reihe);
        reihenZZ[r] = istZusatzzahl(reihe.zusatzzahl) ? reihe.zusatzzahl : KeineReihenZZ;
    }

    // The winners are counted first, so a consumer that keeps the list allocates it once at its
    // final size; a draw without a win takes its single "---" row.
    std::size_t gesamtzeilen = 0;
    for (int d = 0; d < anzahlZiehungen; ++d) {
        const std::size_t gewinner =
            gewinnerZaehlen(reihenworte.data(), anzahlReihen, ziehungsworte[static_cast<std::size_t>(d)]);
        gesamtzeilen += std::max<std::size_t>(gewinner, 1);
    }
    empfaenger.anfang(e, gesamtzeilen);

    // Pairs: each draw's winning rows are written without branching into one block, counted and
    // handed on. Only a draw that beats the best class so far is looked through for its row.
    std::vector<Ergebniszeile> block(anzahlReihen + 1);
    std::int64_t position = 0;                 // result rows handed on so far
    int besteKlasse = AnzahlGewinnklassen + 1; // lower class = higher amount
    for (int d = 0; d < anzahlZiehungen; ++d) {
        std::uint8_t beste = 0xFF;
        Ergebniszeile *const ende = paareEinerZiehung(
            reihenworte.data(), reihenZZ.data(), anzahlReihen, ziehungsworte[static_cast<std::size_t>(d)],
            ziehungsZZ[static_cast<std::size_t>(d)], d, block.data(), faelle, beste);
        if (ende == block.data()) {
            const Ergebniszeile keinGewinn{d, 0, 0, true};
            empfaenger.block(e, {&keinGewinn, 1});
            ++position;
            continue;
        }
        block.front().blockanfang = true;
        // Strictly greater only: on equal amounts the earliest pair keeps the place.
        if (beste < besteKlasse) {
            const Ergebniszeile *bester = block.data();
            while (bester->klasse != beste)
                ++bester;
            besteKlasse = beste;
            e.hoechsterPosition = static_cast<int>(position + (bester - block.data()) + 1);
            e.hoechsterDatum = e.ziehungen[d].SDatum;
            e.hoechsterZiehung = d;
            e.hoechsterReihe = bester->reihe;
        }
        empfaenger.block(e, {block.data(), ende});
        position += ende - block.data();
    }

    e.paare = static_cast<std::int64_t>(anzahlZiehungen) * static_cast<std::int64_t>(anzahlReihen);
    for (std::size_t f = 0; f < Klassen.size(); ++f)
        if (Klassen[f] != 0)
            e.klassenAnzahl[Klassen[f] - 1u] += faelle[f];
    for (std::size_t i = 0; i < e.klassenAnzahl.size(); ++i)
        e.gesamt += e.klassenAnzahl[i] * Gewinnklassen[i].Gewinn;
    if (besteKlasse <= AnzahlGewinnklassen)
        e.hoechster = Gewinnklassen[static_cast<std::size_t>(besteKlasse - 1)].Gewinn;
    // Once on the total, so it may exceed the sum of the truncated share column.
    e.gesamtAnteil = MeinAnteil(e.antGes, e.antMeine, e.gesamt);
    e.ruecklauf = ruecklaufquote(static_cast<double>(e.gesamt), e.paare, zustand.Reihenpreis);

    // Expected: every row by the numbers it really holds and whether its Zusatzzahl can match,
    // so a damaged row expects what it can win. Summed exactly over the rows, once per draw.
    std::int64_t erwartungProZiehung = 0;
    for (std::size_t r = 0; r < anzahlReihen; ++r)
        erwartungProZiehung += ErwartungMalZiehungen(std::popcount(reihenworte[r]), reihenZZ[r] != KeineReihenZZ);
    e.erwartet = static_cast<double>(erwartungProZiehung) / static_cast<double>(MoeglicheZiehungen) * anzahlZiehungen;
    e.erwarteterRuecklauf = ruecklaufquote(e.erwartet, e.paare, zustand.Reihenpreis);

    zustand.AuswZiehungen = e.ziehungen;
    return e;
}

Auswertungsergebnis GewinnAuswertung(Zustand &zustand, const QVector<Tippreihe> &reihen, int antGes, int antMeine,
                                     int endIndex, int startIndex, bool zeitraum)
{
    // Keeps every block, for a list shown or printed whole.
    class Sammler : public Ergebnisempfaenger
    {
    public:
        std::vector<Ergebniszeile> zeilen;
        void anfang(const Auswertungsergebnis &, std::size_t anzahl) override { zeilen.reserve(anzahl); }
        void block(const Auswertungsergebnis &, std::span<const Ergebniszeile> block) override
        {
            zeilen.insert(zeilen.end(), block.begin(), block.end());
        }
    } sammler;
    Auswertungsergebnis e =
        GewinnAuswertungBlockweise(zustand, reihen, antGes, antMeine, endIndex, startIndex, zeitraum, sammler);
    e.zeilen = std::move(sammler.zeilen);
    return e;
}

QString Ergebnistext(const Auswertungsergebnis &ergebnis, int zeile, int spalte)
{
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= ergebnis.zeilen.size())
        return QString();
    const Ergebniszeile &z = ergebnis.zeilen[static_cast<std::size_t>(zeile)];
    const bool gewinn = z.klasse >= 1 && z.klasse <= AnzahlGewinnklassen;
    const std::size_t k = gewinn ? std::size_t{z.klasse} - 1 : 0;
    switch (spalte) {
    case 0:
        return z.blockanfang && z.ziehung >= 0 && z.ziehung < ergebnis.ziehungen.size()
                   ? ergebnis.ziehungen[z.ziehung].SDatum
                   : QString();
    case 1:
        return gewinn ? Gewinnklassen[k].Bezeichnung : QStringLiteral("---");
    case 2:
        return gewinn ? QString::number(z.reihe) : QStringLiteral("---");
    case 3:
        return gewinn ? ergebnis.gewinnTexte[k] : QStringLiteral("---");
    case 4:
        return gewinn ? ergebnis.anteilTexte[k] : QString();
    default:
        return QString();
    }
}

QString KlassenanzahlText(std::int64_t anzahl)
{
    return anzahl == 0 ? QStringLiteral("-") : QString::number(anzahl);
}

QString RuecklaufText(Betrag ruecklauf, const QLocale &locale)
{
    // Four implied decimals down to two, exactly and half away from zero.
    const bool negativ = ruecklauf < 0;
    const std::uint64_t betrag =
        negativ ? 0 - static_cast<std::uint64_t>(ruecklauf) : static_cast<std::uint64_t>(ruecklauf);
    const std::uint64_t hundertstel = (betrag + 50) / 100;
    QString text = QString::number(hundertstel / 100) + locale.decimalPoint() +
                   QStringLiteral("%1").arg(hundertstel % 100, 2, 10, QLatin1Char('0'));
    if (negativ)
        text.prepend(locale.negativeSign());
    return text + QStringLiteral(" %");
}

Kennzahltexte KennzahlenTexte(const Auswertungsergebnis &ergebnis, const QLocale &locale)
{
    Kennzahltexte t;
    t.gesamt = BetragZuWaehrung(ergebnis.gesamt, locale);
    t.gesamtAnteil = BetragZuWaehrung(ergebnis.gesamtAnteil, locale);
    t.ruecklauf = RuecklaufText(ergebnis.ruecklauf, locale);
    t.erwarteterRuecklauf = RuecklaufText(ergebnis.erwarteterRuecklauf, locale);
    t.hoechster = BetragZuWaehrung(ergebnis.hoechster, locale);
    t.hoechsterDatum = ergebnis.hoechsterDatum;
    for (std::size_t k = 0; k < t.klassenAnzahl.size(); ++k)
        t.klassenAnzahl[k] = KlassenanzahlText(ergebnis.klassenAnzahl[k]);
    return t;
}
