// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systems/Systemchancen.h"

#include "evaluation/Gewinnchancen.h"

#include <QStringList>

#include <algorithm>
#include <bit>

namespace {

// a / b rounded half away from zero, for a >= 0 and b > 0.
std::int64_t gerundetGeteilt(std::int64_t a, std::int64_t b)
{
    return (2 * a + b) / (2 * b);
}

} // namespace

QString MittelText(std::int64_t guenstig, std::int64_t moeglich, const QLocale &locale)
{
    if (guenstig <= 0 || moeglich <= 0)
        return QStringLiteral("0");
    // Exact in integers: the value lies in [10^e, 10^(e+1)); three significant digits need
    // 2 - e decimals, none once the whole part has three digits or more. No product here
    // exceeds 1000 times `moeglich`.
    int e = 0;
    std::int64_t zehnHochE = 1; // 10^|e|
    if (guenstig >= moeglich) {
        while (moeglich * zehnHochE * 10 <= guenstig) {
            zehnHochE *= 10;
            ++e;
        }
    } else {
        while (guenstig * zehnHochE < moeglich) {
            zehnHochE *= 10;
            --e;
        }
    }
    const int stellen = std::max(0, 2 - e);
    std::int64_t skala = 1;
    for (int i = 0; i < stellen; ++i)
        skala *= 10;
    const std::int64_t wert = gerundetGeteilt(guenstig * skala, moeglich);
    const auto ganz = static_cast<qint64>(wert / skala);
    QString bruch = QString::number(static_cast<qint64>(wert % skala)).rightJustified(stellen, QLatin1Char('0'));
    while (bruch.endsWith(QLatin1Char('0')))
        bruch.chop(1);
    QString text = locale.toString(ganz);
    if (!bruch.isEmpty())
        text += locale.decimalPoint() + bruch;
    return text;
}

std::int64_t ErwartungCent(const Systemchancen &c)
{
    const std::int64_t nenner = static_cast<std::int64_t>(MoeglicheZiehungen) * (BetragProEuro / 100);
    const std::int64_t summe = c.erwartungSumme;
    const std::int64_t betrag = gerundetGeteilt(summe < 0 ? -summe : summe, nenner);
    return static_cast<std::int64_t>(summe < 0 ? -betrag : betrag);
}

Betrag Systemeinsatz(std::int64_t reihen, float reihenpreis)
{
    return reihen * static_cast<Betrag>(std::llround(static_cast<double>(reihenpreis) * BetragProEuro));
}

TextTabelle SystemchancenTabelle(const Systemchancen &c, const QLocale &locale)
{
    TextTabelle t(5, AnzahlGewinnklassen + 2);
    const QStringList kopf{QStringLiteral("Kl."), QStringLiteral("Richtige"), QStringLiteral("Gewinn"),
                           QStringLiteral("Chance mind. eine Reihe"), QStringLiteral("Reihen im Mittel")};
    for (int s = 0; s < kopf.size(); ++s)
        t.setzeZelle(s, 0, kopf[s]);
    std::int64_t alleReihen = 0;
    for (int k = 0; k < AnzahlGewinnklassen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        alleReihen += c.reihenSumme[i];
        t.setzeZelle(0, k + 1, QString::number(k + 1));
        t.setzeZelle(1, k + 1, Gewinnklassen[i].Bezeichnung);
        t.setzeZelle(2, k + 1, BetragZuWaehrung(Gewinnklassen[i].Gewinn, locale));
        t.setzeZelle(3, k + 1, ChanceText(c.mindestensEine[i], locale));
        t.setzeZelle(4, k + 1, MittelText(c.reihenSumme[i], MoeglicheZiehungen, locale));
    }
    const int letzte = AnzahlGewinnklassen + 1;
    t.setzeZelle(0, letzte, QStringLiteral("alle"));
    t.setzeZelle(3, letzte, ChanceText(c.gewinn, locale));
    t.setzeZelle(4, letzte, MittelText(alleReihen, MoeglicheZiehungen, locale));
    return t;
}

Systemkennzahlen SystemkennzahlenTexte(const Systemchancen &c, float reihenpreis, const QLocale &locale)
{
    Systemkennzahlen k;
    k.erwartung = BetragZuWaehrung(ErwartungCent(c) * (BetragProEuro / 100), locale);
    k.einsatz = BetragZuWaehrung(Systemeinsatz(c.reihen, reihenpreis), locale);
    k.gewinnChance = ChanceText(c.gewinn, locale);
    // The guarantee counts sets of winning numbers; every Zusatzzahl goes with each.
    k.garantieGreift = ChanceText(c.garantieGreift * MaxZusatzzahl, locale);
    return k;
}
