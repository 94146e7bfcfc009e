// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Betrag.h"
#include "model/Spiel.h"
#include "model/Zahlenmenge.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

// One draw; also the 16-byte record of the draw history file.
struct TGewZahlen
{
    double datum = 0.0;
    std::array<std::uint8_t, 5> GZ{};
    std::uint8_t bonus = 0;
    std::array<std::uint8_t, 2> fill{};

    static constexpr int Groesse = 16;
    QByteArray alsBytes() const;
    static TGewZahlen ausBytes(const char *daten);

    // All five numbers in 1..49, pairwise different, and the Zusatzzahl in 1..10.
    bool gueltig() const;
    // The set of the numbers that lie in 1..49; others belong to no set.
    Zahlenmenge menge() const;

    bool operator==(const TGewZahlen &) const = default;
};

// The draws as the history file holds them, one 16-byte record after the other.
QByteArray ZiehungenAlsBytes(const QVector<TGewZahlen> &ziehungen);

// One tip row with the ticket's shares; also the 10-byte record of the ticket file.
struct TNormalSchein
{
    std::array<std::uint8_t, 6> WZ{}; // five numbers, then the Zusatzzahl
    std::uint16_t AntGes = 1;
    std::uint16_t Antmeine = 1;

    static constexpr int Groesse = 10;
    QByteArray alsBytes() const;
    static TNormalSchein ausBytes(const char *daten);

    bool operator==(const TNormalSchein &) const = default;
};

// One draw prepared for an evaluation.
struct TGewAusw
{
    double dat = 0.0;
    QString SDatum;
    Zahlenmenge GZA;
    std::uint8_t bonus = 0;
};

// The ten prize classes, class 1 the highest.
struct Gewinnklasse
{
    QString Bezeichnung;
    QString Kurz;
    Betrag Gewinn;
};

inline constexpr int AnzahlGewinnklassen = 10;
extern const std::array<Gewinnklasse, AnzahlGewinnklassen> Gewinnklassen;

// The class 1..10 of a row with `treffer` hits; 0 for no win (no hit, whatever the Zusatzzahl).
constexpr int KlasseFuer(int treffer, bool zusatzzahlPasst)
{
    if (treffer <= 0 || treffer > 5)
        return 0;
    return 2 * (5 - treffer) + (zusatzzahlPasst ? 1 : 2);
}
