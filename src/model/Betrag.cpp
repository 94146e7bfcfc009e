// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Betrag.h"

QString BetragZuText(Betrag betrag, const QLocale &locale)
{
    // Integer arithmetic throughout: doubles would round large sums.
    const bool negativ = betrag < 0;
    const std::uint64_t betragAbs = negativ ? 0 - static_cast<std::uint64_t>(betrag) : static_cast<std::uint64_t>(betrag);
    const std::uint64_t cent = betragAbs / 100;
    QString text = locale.toString(static_cast<qulonglong>(cent / 100));
    text += locale.decimalPoint();
    text += QStringLiteral("%1").arg(cent % 100, 2, 10, QLatin1Char('0'));
    if (negativ)
        text.prepend(locale.negativeSign());
    return text;
}

QString BetragZuWaehrung(Betrag betrag, const QLocale &locale)
{
    // The locale decides where the symbol goes; the number itself is formatted exactly above.
    QString text = locale.toCurrencyString(1.0, locale.currencySymbol(), 2);
    text.replace(locale.toString(1.0, 'f', 2), BetragZuText(betrag, locale));
    return text;
}
