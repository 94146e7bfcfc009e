// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Datum.h"
#include "model/Records.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QVector>

#include <array>
#include <cstdint>
#include <initializer_list>

// Fixtures of the syndicate tests: tickets and histories made in the test.
namespace Gemeinschaftsdaten {

using Reihe = std::array<std::uint8_t, 6>;

inline QByteArray scheinBytes(std::initializer_list<Reihe> reihen)
{
    QByteArray daten;
    for (const Reihe &r : reihen) {
        TNormalSchein s;
        s.WZ = r;
        daten += s.alsBytes();
    }
    return daten;
}

inline bool schreibeDatei(const QString &pfad, const QByteArray &daten)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size();
}

inline QByteArray leseDatei(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline TGewZahlen ziehung(const QDate &tag, std::array<std::uint8_t, 5> zahlen, std::uint8_t zz)
{
    TGewZahlen z;
    z.datum = Datum::ausDatum(tag);
    z.GZ = zahlen;
    z.bonus = zz;
    return z;
}

// The two rows every fixture plays.
inline QByteArray zweiReihen()
{
    return scheinBytes({Reihe{1, 2, 3, 4, 5, 6}, Reihe{10, 11, 12, 13, 14, 7}});
}

inline QDate ersteZiehung() { return QDate(2024, 1, 6); }

// `anzahl` weekly draws from 06.01.2024 on. The first wins "3 + ZZ" with row 1 (40,00 €), the
// sixth "2" with row 2 (6,00 €); the others win nothing.
inline QVector<TGewZahlen> historie(int anzahl)
{
    QVector<TGewZahlen> h;
    for (int k = 0; k < anzahl; ++k) {
        const QDate tag = ersteZiehung().addDays(7 * k);
        if (k == 0)
            h.append(ziehung(tag, {1, 2, 3, 20, 21}, 6));
        else if (k == 5)
            h.append(ziehung(tag, {10, 11, 40, 41, 42}, 9));
        else
            h.append(ziehung(tag, {30, 31, 32, 33, 34}, 1));
    }
    return h;
}

inline QByteArray historienBytes(const QVector<TGewZahlen> &h)
{
    QByteArray d;
    for (const TGewZahlen &z : h)
        d += z.alsBytes();
    return d;
}

} // namespace Gemeinschaftsdaten
