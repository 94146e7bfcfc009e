// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Binomialkoeffizient.h"

#include <algorithm>
#include <limits>

std::optional<Ganzzahl128> BinomialkoeffizientExakt(std::int32_t n, std::int32_t k)
{
    if (n < 0 || k < 0 || k > n)
        return Ganzzahl128{0};
    const std::int32_t kurz = std::min(k, n - k);
    // After step i the value is (n - kurz + i) over i, a whole number that never exceeds the
    // result. Dividing out the common factor of the value and i first keeps the product within
    // the result times (n - kurz + i) / i, so only a result too large can overflow.
    Ganzzahl128 wert = 1;
    for (std::int32_t i = 1; i <= kurz; ++i) {
        const auto faktor = static_cast<Ganzzahl128>(n - kurz + i);
        const auto teiler = static_cast<Ganzzahl128>(i);
        Ganzzahl128 a = wert;
        Ganzzahl128 b = teiler;
        while (b != 0) {
            const Ganzzahl128 r = a % b;
            a = b;
            b = r;
        }
        const Ganzzahl128 g = a;
        Ganzzahl128 produkt = 0;
        if (__builtin_mul_overflow(wert / g, faktor / (teiler / g), &produkt))
            return std::nullopt;
        wert = produkt;
    }
    return wert;
}

std::int64_t Binomialkoeffizient(std::int32_t n, std::int32_t k)
{
    constexpr auto groesste = std::numeric_limits<std::int64_t>::max();
    const std::optional<Ganzzahl128> wert = BinomialkoeffizientExakt(n, k);
    if (!wert || *wert > static_cast<Ganzzahl128>(groesste))
        return groesste;
    return static_cast<std::int64_t>(*wert);
}

QString MitTausendern(Ganzzahl128 wert, const QLocale &locale)
{
    QString ziffern;
    do {
        ziffern.prepend(QLatin1Char(static_cast<char>('0' + static_cast<int>(wert % 10))));
        wert /= 10;
    } while (wert != 0);
    const QString trenner =
        locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? QString() : locale.groupSeparator();
    for (qsizetype stelle = ziffern.size() - 3; stelle > 0; stelle -= 3)
        ziffern.insert(stelle, trenner);
    return ziffern;
}
