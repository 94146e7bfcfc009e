// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// Dates are whole days counted from 30 December 1899 (day 0), held in a double as in the files.
namespace Datum {

QDate Nullpunkt();
double ausDatum(const QDate &datum);
QDate zuDatum(double tage);

// The locale's short date format with its year widened to four digits ("dd.MM.yyyy" in German).
QString kurzesFormat(const QLocale &locale);
QString kurz(double tage, const QLocale &locale);
QString kurz(const QDate &datum, const QLocale &locale);
// One date of every month in the short format: the widest of them sizes a date column, whatever
// the locale writes for a month.
QStringList muster(const QLocale &locale);
// Parses a text in the short format; an invalid QDate when it is none.
QDate ausKurz(const QString &text, const QLocale &locale);

} // namespace Datum
