// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Kasse.h"

#include <array>

namespace {
const std::array<QString, Artenanzahl> Artnamen{
    QStringLiteral("Einzahlung"), QStringLiteral("Einsatz"),  QStringLiteral("Gewinn"),
    QStringLiteral("Auszahlung"), QStringLiteral("Ausgabe"), QStringLiteral("Storno")};
}

QString ArtText(Art art)
{
    return Artnamen[static_cast<std::size_t>(art)];
}

std::optional<Art> ArtAusText(const QString &text)
{
    for (std::size_t i = 0; i < Artnamen.size(); ++i)
        if (Artnamen[i] == text)
            return static_cast<Art>(i);
    return std::nullopt;
}

int ArtVorzeichen(Art art)
{
    return art == Art::Einzahlung || art == Art::Gewinn ? 1 : -1;
}

int Mitglied::anteileAm(const QDate &tag) const
{
    if (!dabeiAm(tag))
        return 0;
    int gueltig = 0;
    for (const auto &[ab, anzahl] : anteile) {
        if (ab > tag)
            break;
        gueltig = anzahl;
    }
    return gueltig;
}

void Konto::buche(Art zaehltAls, Cent betrag, int vorzeichen)
{
    switch (zaehltAls) {
    case Art::Einzahlung: eingezahlt += vorzeichen * betrag; break;
    case Art::Einsatz: einsatz += vorzeichen * betrag; break;
    case Art::Gewinn: gewinn += vorzeichen * betrag; break;
    case Art::Auszahlung: ausgezahlt += vorzeichen * betrag; break;
    case Art::Ausgabe: ausgaben += vorzeichen * betrag; break;
    case Art::Storno: break;
    }
}
