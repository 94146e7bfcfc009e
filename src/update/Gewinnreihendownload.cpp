// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "update/Gewinnreihendownload.h"

#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/Spiel.h"
#include "model/Zahlenmenge.h"
#include "model/Ziehungsdatei.h"

#include <algorithm>
#include <cmath>

namespace {
// 31 December 9999: beyond it no date can be shown.
constexpr double LetzterTag = 2958465.0;
} // namespace

bool KannZiehungSein(const TGewZahlen &ziehung)
{
    const double tag = ziehung.datum;
    if (!std::isfinite(tag) || tag != std::floor(tag) || tag < 1.0 || tag > LetzterTag)
        return false;
    return std::all_of(ziehung.GZ.begin(), ziehung.GZ.end(), [](std::uint8_t n) { return istZahl(n); }) &&
           istZusatzzahl(ziehung.bonus);
}

QString GZPruefen(const QByteArray &daten)
{
    const qsizetype groesse = daten.size();
    if (groesse < TGewZahlen::Groesse)
        return QStringLiteral("Die Antwort des Servers enthält keine Ziehung (%1 Bytes).").arg(groesse);
    if (groesse % TGewZahlen::Groesse != 0)
        return QStringLiteral("Die Antwort des Servers ist keine Gewinnreihen-Datei: %1 Bytes sind keine ganze "
                              "Zahl von Ziehungen.")
            .arg(groesse);
    if (groesse > MaxGewinnreihenGroesse)
        return QStringLiteral("Die Antwort des Servers ist größer, als eine Gewinnreihen-Datei sein darf.");
    double vorher = 0.0;
    for (qsizetype i = 0; i < groesse / TGewZahlen::Groesse; ++i) {
        const TGewZahlen z = TGewZahlen::ausBytes(daten.constData() + i * TGewZahlen::Groesse);
        if (!KannZiehungSein(z))
            return QStringLiteral("Die Antwort des Servers ist keine Gewinnreihen-Datei: Eintrag %1 ist keine "
                                  "mögliche Ziehung.")
                .arg(i + 1);
        // Every period and index of the program counts on one draw per date, in date order.
        if (i > 0 && z.datum <= vorher)
            return QStringLiteral("Die Gewinnreihen-Datei des Servers ist beschädigt: Eintrag %1 ist nicht später "
                                  "datiert als Eintrag %2; die Ziehungen müssen nach dem Datum geordnet sein, jedes "
                                  "Datum einmal.")
                .arg(i + 1)
                .arg(i);
        vorher = z.datum;
        Zahlenmenge zahlen;
        for (const std::uint8_t n : z.GZ) {
            if (zahlen.enthaelt(n))
                return QStringLiteral("Die Gewinnreihen-Datei des Servers ist beschädigt: Eintrag %1 enthält die "
                                      "Zahl %2 zweimal.")
                    .arg(i + 1)
                    .arg(n);
            zahlen.hinzu(n);
        }
    }
    return QString();
}

QDate LetzterZiehungstag(int wochentag, const QDateTime &jetzt)
{
    // 1 = Sunday ... 7 = Saturday, while Qt counts 1 = Monday ... 7 = Sunday.
    const int qtTag = (wochentag + 5) % 7 + 1;
    constexpr qint64 TagMs = 24LL * 60 * 60 * 1000;
    const bool heuteZaehlt = 7LL * jetzt.time().msecsSinceStartOfDay() > 6 * TagMs;
    QDate tag = heuteZaehlt ? jetzt.date() : jetzt.date().addDays(-1);
    while (tag.dayOfWeek() != qtTag)
        tag = tag.addDays(-1);
    return tag;
}

QString LetzterZiehungstag(int wochentag, const QDateTime &jetzt, const QLocale &locale)
{
    return Datum::kurz(LetzterZiehungstag(wochentag, jetzt), locale);
}
