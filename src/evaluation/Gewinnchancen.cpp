// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluation/Gewinnchancen.h"

#include "model/Spiel.h"

#include <algorithm>
#include <cmath>

namespace {
// n over k for the small values of one draw (n <= 49, k <= 5); every step divides exactly.
constexpr std::int64_t auswahl(int n, int k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    std::int64_t wert = 1;
    for (int i = 1; i <= k; ++i)
        wert = wert * (n - k + i) / i;
    return wert;
}
static_assert(auswahl(MaxZahl, ZahlenProReihe) * MaxZusatzzahl == MoeglicheZiehungen);
} // namespace

std::array<std::int64_t, AnzahlGewinnklassen> GuenstigeZiehungen(int zahlen, bool mitZusatzzahl)
{
    zahlen = std::clamp(zahlen, 0, ZahlenProReihe);
    std::array<std::int64_t, AnzahlGewinnklassen> faelle{};
    for (int treffer = 1; treffer <= zahlen; ++treffer) {
        // Sets of winning numbers that hold exactly `treffer` of the row's numbers.
        const std::int64_t mengen = auswahl(zahlen, treffer) * auswahl(MaxZahl - zahlen, ZahlenProReihe - treffer);
        // One Zusatzzahl of ten matches the row's; a row without a proper one never matches.
        const std::int64_t passend = mitZusatzzahl ? 1 : 0;
        faelle[static_cast<std::size_t>(KlasseFuer(treffer, true) - 1)] += mengen * passend;
        faelle[static_cast<std::size_t>(KlasseFuer(treffer, false) - 1)] += mengen * (MaxZusatzzahl - passend);
    }
    return faelle;
}

std::int64_t ErwartungMalZiehungen(int zahlen, bool mitZusatzzahl)
{
    const auto faelle = GuenstigeZiehungen(zahlen, mitZusatzzahl);
    std::int64_t summe = 0;
    for (std::size_t k = 0; k < faelle.size(); ++k)
        summe += faelle[k] * Gewinnklassen[k].Gewinn;
    return summe;
}

QString ChanceText(std::int64_t guenstige, const QLocale &locale)
{
    if (guenstige <= 0)
        return QStringLiteral("-");
    const QString eins = QStringLiteral("1 : ");
    if (MoeglicheZiehungen % guenstige == 0)
        return eins + locale.toString(MoeglicheZiehungen / guenstige);
    return eins + locale.toString(static_cast<double>(MoeglicheZiehungen) / static_cast<double>(guenstige), 'f', 2);
}

QString ErwartungText(double zehntausendstel, const QLocale &locale)
{
    // Money shows whole cents, as every amount of the program: rounded half away from zero.
    const Betrag cents = std::llround(zehntausendstel / double(BetragProEuro / 100));
    return BetragZuWaehrung(cents * (BetragProEuro / 100), locale);
}

TextTabelle GewinnchancenTabelle(const QLocale &locale)
{
    const auto faelle = GuenstigeZiehungen();
    TextTabelle t(5, AnzahlGewinnklassen + 2);
    const QStringList kopf{QStringLiteral("Kl."), QStringLiteral("Richtige"), QStringLiteral("Gewinn"),
                           QStringLiteral("Chance"), QStringLiteral("Erwartung je Reihe")};
    for (int s = 0; s < kopf.size(); ++s)
        t.setzeZelle(s, 0, kopf[s]);
    std::int64_t jede = 0;
    for (int k = 0; k < AnzahlGewinnklassen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        jede += faelle[i];
        t.setzeZelle(0, k + 1, QString::number(k + 1));
        t.setzeZelle(1, k + 1, Gewinnklassen[i].Bezeichnung);
        t.setzeZelle(2, k + 1, BetragZuWaehrung(Gewinnklassen[i].Gewinn, locale));
        t.setzeZelle(3, k + 1, ChanceText(faelle[i], locale));
        t.setzeZelle(
            4, k + 1,
            ErwartungText(static_cast<double>(faelle[i] * Gewinnklassen[i].Gewinn) / MoeglicheZiehungen, locale));
    }
    const int letzte = AnzahlGewinnklassen + 1;
    t.setzeZelle(0, letzte, QStringLiteral("alle"));
    t.setzeZelle(3, letzte, ChanceText(jede, locale));
    t.setzeZelle(4, letzte, ErwartungText(static_cast<double>(ErwartungMalZiehungen()) / MoeglicheZiehungen, locale));
    return t;
}
