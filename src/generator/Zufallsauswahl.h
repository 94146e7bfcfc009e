// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Zahlenmenge.h"

#include <QList>
#include <QString>

#include <cstdint>

// The three panels of the generator and the rule that keeps them apart: a number is a bank
// number, a quota killer, a favourite or none of them.
enum class Zufallsfeld { Bankzahlen = 1, Quotenkiller = 2, Favoriten = 3 };

inline constexpr int MaxBankzahlen = ZahlenProReihe;

inline const QString MeldungZuVieleBankzahlen =
    QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.");
inline const QString MeldungZuVieleQuotenkiller =
    QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.") + Absatz +
    QStringLiteral("Ich breche ab.");

class Zufallsauswahl
{
public:
    enum class Wirkung {
        Gewaehlt,            // the number was added to its panel
        Abgewaehlt,          // the number was removed from its panel
        ZuVieleBankzahlen,   // refused: five bank numbers are chosen already
        ZuVieleQuotenkiller, // refused: one more quota killer would leave a single number or none
        Unveraendert         // no such button, or the number belongs to another panel
    };

    // What a click on the button with this tag does: tag = 100 * panel + number.
    Wirkung umschalten(int tag);

    const Zahlenmenge &menge(Zufallsfeld feld) const;
    int anzahl(Zufallsfeld feld) const { return menge(feld).anzahl(); }
    // The panel (1..3) that holds n, 0 when n is chosen nowhere.
    int feldVon(int n) const;

    const Zahlenmenge &BZGewaehlt() const { return m_mengen[0]; }
    const Zahlenmenge &KillGewaehlt() const { return m_mengen[1]; }
    const Zahlenmenge &FavGewaehlt() const { return m_mengen[2]; }

private:
    Zahlenmenge &mengeVon(Zufallsfeld feld) { return m_mengen[static_cast<int>(feld) - 1]; }

    Zahlenmenge m_mengen[3];
};

// The numbers of a stored list like "3,17,42", in stored order; pieces that are not a number
// of 1..49 are left out.
QList<int> ZahlenAusListe(const QString &text);
