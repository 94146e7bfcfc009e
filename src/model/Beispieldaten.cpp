// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Beispieldaten.h"

#include "model/Dateien.h"
#include "model/Datum.h"
#include "model/DemoTippschein.h"
#include "model/Spiel.h"
#include "model/Ziehungsdatei.h"
#include "model/Ziehungseingabe.h"

#include <QDir>
#include <QRandomGenerator>

#include <algorithm>

namespace {
constexpr quint32 Saat = 549;
constexpr int Jahre = 10;
} // namespace

QVector<TGewZahlen> Beispielhistorie(const QDate &letzterZiehungstag)
{
    const QDate beginn = letzterZiehungstag.addYears(-Jahre);
    int anzahl = 0;
    while (letzterZiehungstag.addDays(-7 * anzahl) > beginn)
        ++anzahl;

    QRandomGenerator zufall(Saat);
    QVector<TGewZahlen> ziehungen;
    ziehungen.reserve(anzahl);
    for (int i = anzahl - 1; i >= 0; --i) {
        TGewZahlen z;
        z.datum = Datum::ausDatum(letzterZiehungstag.addDays(-7 * i));
        std::array<std::uint8_t, MaxZahl> topf{};
        for (int n = 0; n < MaxZahl; ++n)
            topf[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n + 1);
        // The first five places of a partial shuffle are five different numbers.
        for (int k = 0; k < ZahlenProReihe; ++k) {
            const int j = k + static_cast<int>(zufall.bounded(MaxZahl - k));
            std::swap(topf[static_cast<std::size_t>(k)], topf[static_cast<std::size_t>(j)]);
        }
        std::copy_n(topf.begin(), ZahlenProReihe, z.GZ.begin());
        std::sort(z.GZ.begin(), z.GZ.end());
        z.bonus = static_cast<std::uint8_t>(1 + zufall.bounded(MaxZusatzzahl));
        ziehungen.append(z);
    }
    return ziehungen;
}

QString BeispieldatenAnlegen(const QString &ordner, const QDate &heute)
{
    if (!QDir().mkpath(ordner))
        return QStringLiteral("Der Ordner der Beispieldaten \u201E%1\u201C konnte nicht angelegt werden.").arg(ordner);
    // The latest draw day is the one a new draw would be proposed for without any history.
    const QDate letzterZiehungstag = VorgeschlagenesDatum({}, heute);
    const QString historie = QDir(ordner).filePath(Dateinamen::Gewinnreihen);
    QString fehler = GZSpeichern(historie, Beispielhistorie(letzterZiehungstag));
    if (!fehler.isEmpty())
        return DateiFehlerText(historie, fehler, true);
    const QString schein = QDir(ordner).filePath(Dateinamen::DemoTippschein);
    fehler = DateiErsetzen(schein, DemoTippschein());
    if (!fehler.isEmpty())
        return DateiFehlerText(schein, fehler, true);
    return QString();
}
