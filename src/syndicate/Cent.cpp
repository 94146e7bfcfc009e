// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Cent.h"

#include "model/Betrag.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {
constexpr Cent HoechsterBetrag = Cent{100'000'000'000}; // a billion euros
}

std::optional<Cent> CentAusText(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype trenner = -1;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (trenner >= 0)
                return std::nullopt;
            trenner = i;
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    const QString euro = trenner >= 0 ? t.left(trenner) : t;
    const QString nachkomma = trenner >= 0 ? t.mid(trenner + 1) : QString();
    if (euro.isEmpty() || (trenner >= 0 && (nachkomma.isEmpty() || nachkomma.size() > 2)) || euro.size() > 10)
        return std::nullopt;
    Cent betrag = euro.toLongLong() * 100;
    if (!nachkomma.isEmpty())
        betrag += nachkomma.toLongLong() * (nachkomma.size() == 1 ? 10 : 1);
    if (betrag <= 0 || betrag > HoechsterBetrag)
        return std::nullopt;
    return betrag;
}

QString CentText(Cent betrag, const QLocale &locale)
{
    return BetragZuText(betrag * (BetragProEuro / 100), locale);
}

QString CentWaehrung(Cent betrag, const QLocale &locale)
{
    return BetragZuWaehrung(betrag * (BetragProEuro / 100), locale);
}

Cent ReihenpreisInCent(float reihenpreis)
{
    if (!(reihenpreis > 0.0F) || !std::isfinite(reihenpreis))
        return 0;
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, reihenpreis, std::chars_format::fixed);
    if (fehler != std::errc())
        return 0;
    const std::string text(puffer, ende);
    const std::size_t punkt = text.find('.');
    const std::string ganz = text.substr(0, punkt);
    const std::string rest = punkt == std::string::npos ? std::string() : text.substr(punkt + 1);
    if (ganz.size() > 12)
        return 0;
    Cent cent = std::stoll(ganz) * 100;
    for (std::size_t i = 0; i < 2; ++i)
        cent += (i < rest.size() ? rest[i] - '0' : 0) * (i == 0 ? 10 : 1);
    // Half up: the third decimal decides, 5 and above rounds up.
    if (rest.size() > 2 && rest[2] >= '5')
        ++cent;
    return cent;
}
