// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Zahlenmenge.h"

namespace {
constexpr std::uint8_t BitsProHalbbyte[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
}

int Bitanzahl(const void *block, std::size_t laenge)
{
    const auto *p = static_cast<const std::uint8_t *>(block);
    int summe = 0;
    for (std::size_t i = 0; i < laenge; ++i)
        summe += BitsProHalbbyte[p[i] & 0x0F] + BitsProHalbbyte[p[i] >> 4];
    return summe;
}

QString MengeZuText(const Zahlenmenge &menge, int hoechste, const QString &trenner)
{
    QString text;
    int offen = Bitanzahl(menge.bytes(), Zahlenmenge::Groesse);
    for (int n = 1; n <= hoechste && n <= 255 && offen > 0; ++n) {
        if (!menge.enthaelt(static_cast<std::uint8_t>(n)))
            continue;
        text += QString::number(n);
        if (--offen > 0)
            text += trenner;
    }
    return text;
}

QByteArray MengeZuReihe(const Zahlenmenge &menge, int k, int hoechste)
{
    QByteArray reihe(k, '\0');
    int genommen = 0;
    for (int n = 1; n <= hoechste && n <= 255 && genommen < k; ++n) {
        if (menge.enthaelt(static_cast<std::uint8_t>(n)))
            reihe[genommen++] = static_cast<char>(n);
    }
    return reihe;
}
