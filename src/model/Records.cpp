// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Records.h"

#include <cstring>

namespace {
void schreibeU16(char *ziel, std::uint16_t wert)
{
    ziel[0] = static_cast<char>(wert & 0xFF);
    ziel[1] = static_cast<char>(wert >> 8);
}
std::uint16_t leseU16(const char *quelle)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(quelle[0]) |
                                      (static_cast<std::uint8_t>(quelle[1]) << 8));
}
} // namespace

const std::array<Gewinnklasse, AnzahlGewinnklassen> Gewinnklassen{{
    {QStringLiteral("5 + ZZ"), QStringLiteral("5+ZZ"), 20000000000},
    {QStringLiteral("5"), QStringLiteral("5"), 2000000000},
    {QStringLiteral("4 + ZZ"), QStringLiteral("4+ZZ"), 20000000},
    {QStringLiteral("4"), QStringLiteral("4"), 2000000},
    {QStringLiteral("3 + ZZ"), QStringLiteral("3+ZZ"), 400000},
    {QStringLiteral("3"), QStringLiteral("3"), 200000},
    {QStringLiteral("2 + ZZ"), QStringLiteral("2+ZZ"), 120000},
    {QStringLiteral("2"), QStringLiteral("2"), 60000},
    {QStringLiteral("1 + ZZ"), QStringLiteral("1+ZZ"), 20000},
    {QStringLiteral("1"), QStringLiteral("1"), 5000},
}};

namespace {
// One draw as its 16-byte record at `p`.
void ziehungSchreiben(char *p, const TGewZahlen &z)
{
    std::memcpy(p, &z.datum, 8); // little-endian IEEE-754, as the file holds it
    std::memcpy(p + 8, z.GZ.data(), 5);
    p[13] = static_cast<char>(z.bonus);
    std::memcpy(p + 14, z.fill.data(), 2);
}
} // namespace

QByteArray TGewZahlen::alsBytes() const
{
    QByteArray bytes(Groesse, '\0');
    ziehungSchreiben(bytes.data(), *this);
    return bytes;
}

QByteArray ZiehungenAlsBytes(const QVector<TGewZahlen> &ziehungen)
{
    QByteArray daten(ziehungen.size() * TGewZahlen::Groesse, '\0');
    char *p = daten.data();
    for (const TGewZahlen &z : ziehungen) {
        ziehungSchreiben(p, z);
        p += TGewZahlen::Groesse;
    }
    return daten;
}

TGewZahlen TGewZahlen::ausBytes(const char *daten)
{
    TGewZahlen z;
    std::memcpy(&z.datum, daten, 8);
    std::memcpy(z.GZ.data(), daten + 8, 5);
    z.bonus = static_cast<std::uint8_t>(daten[13]);
    std::memcpy(z.fill.data(), daten + 14, 2);
    return z;
}

bool TGewZahlen::gueltig() const
{
    if (!istZusatzzahl(bonus))
        return false;
    const Zahlenmenge m = menge();
    return m.anzahl() == ZahlenProReihe;
}

Zahlenmenge TGewZahlen::menge() const
{
    Zahlenmenge m;
    for (const std::uint8_t n : GZ) {
        if (istZahl(n))
            m.hinzu(n);
    }
    return m;
}

QByteArray TNormalSchein::alsBytes() const
{
    QByteArray bytes(Groesse, '\0');
    char *p = bytes.data();
    std::memcpy(p, WZ.data(), 6);
    schreibeU16(p + 6, AntGes);
    schreibeU16(p + 8, Antmeine);
    return bytes;
}

TNormalSchein TNormalSchein::ausBytes(const char *daten)
{
    TNormalSchein s;
    std::memcpy(s.WZ.data(), daten, 6);
    s.AntGes = leseU16(daten + 6);
    s.Antmeine = leseU16(daten + 8);
    return s;
}
