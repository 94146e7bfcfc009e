// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generator/Zufallsauswahl.h"

Zufallsauswahl::Wirkung Zufallsauswahl::umschalten(int tag)
{
    const int feldnummer = tag / 100;
    const int n = tag % 100;
    if (feldnummer < 1 || feldnummer > 3 || !istZahl(n))
        return Wirkung::Unveraendert;
    const auto feld = static_cast<Zufallsfeld>(feldnummer);
    const auto zahl = static_cast<std::uint8_t>(n);
    Zahlenmenge &menge = mengeVon(feld);
    if (menge.enthaelt(zahl)) {
        menge.entferne(zahl);
        return Wirkung::Abgewaehlt;
    }
    // Its buttons on the other panels are hidden, so only a stored list can ask for this;
    // taking it would put one number on two panels.
    if (feldVon(n) != 0)
        return Wirkung::Unveraendert;
    if (feld == Zufallsfeld::Bankzahlen && anzahl(Zufallsfeld::Bankzahlen) >= MaxBankzahlen)
        return Wirkung::ZuVieleBankzahlen;
    if (feld == Zufallsfeld::Quotenkiller &&
        anzahl(Zufallsfeld::Bankzahlen) + anzahl(Zufallsfeld::Quotenkiller) >= MaxZahl - 1)
        return Wirkung::ZuVieleQuotenkiller;
    menge.hinzu(zahl);
    return Wirkung::Gewaehlt;
}

const Zahlenmenge &Zufallsauswahl::menge(Zufallsfeld feld) const
{
    return m_mengen[static_cast<int>(feld) - 1];
}

int Zufallsauswahl::feldVon(int n) const
{
    if (!istZahl(n))
        return 0;
    for (int f = 0; f < 3; ++f)
        if (m_mengen[f].enthaelt(static_cast<std::uint8_t>(n)))
            return f + 1;
    return 0;
}

QList<int> ZahlenAusListe(const QString &text)
{
    QList<int> zahlen;
    const QStringList teile = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &teil : teile) {
        bool ok = false;
        const int n = teil.trimmed().toInt(&ok);
        if (ok && istZahl(n))
            zahlen.append(n);
    }
    return zahlen;
}
