// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Datum.h"

#include <cmath>

namespace Datum {

QDate Nullpunkt() { return QDate(1899, 12, 30); }

double ausDatum(const QDate &datum) { return static_cast<double>(Nullpunkt().daysTo(datum)); }

QDate zuDatum(double tage)
{
    // A damaged file may hold any double; keep far-off or non-finite values from overflowing.
    if (!std::isfinite(tage) || std::fabs(tage) > 3.0e6)
        return QDate();
    return Nullpunkt().addDays(static_cast<qint64>(std::floor(tage)));
}

QString kurzesFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString kurz(const QDate &datum, const QLocale &locale) { return locale.toString(datum, kurzesFormat(locale)); }

QString kurz(double tage, const QLocale &locale) { return kurz(zuDatum(tage), locale); }

QStringList muster(const QLocale &locale)
{
    QStringList texte;
    for (int monat = 1; monat <= 12; ++monat)
        texte << kurz(QDate(2000, monat, 28), locale);
    return texte;
}

QDate ausKurz(const QString &text, const QLocale &locale) { return locale.toDate(text.trimmed(), kurzesFormat(locale)); }

} // namespace Datum
