// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "model/Zahlenmenge.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <optional>

// The choice on the number buttons of the main window: up to five winning numbers and
// one Zusatzzahl, independent of the draw history.
class Zahlenauswahl
{
public:
    static constexpr std::uint8_t KeineZusatzzahl = 50;

    enum class Ergebnis { Geaendert, FuenfSchonGewaehlt, Unbekannt };

    // Toggles the button with this tag: 1..49 a winning number, 101..110 a Zusatzzahl.
    Ergebnis BLotAuswerten(int tag);
    void leeren();

    const Zahlenmenge &gewaehlt() const { return m_gewaehlt; }
    int GZAnzahl() const { return m_gzAnzahl; }
    std::uint8_t ZZGewaehlt() const { return m_zzGewaehlt; }
    bool vollstaendig() const { return m_gzAnzahl == ZahlenProReihe && istZusatzzahl(m_zzGewaehlt); }

    // Writes the chosen numbers in ascending order and the Zusatzzahl into `ziehung`.
    void inZiehung(TGewZahlen &ziehung) const;

private:
    Zahlenmenge m_gewaehlt;
    int m_gzAnzahl = 0;
    std::uint8_t m_zzGewaehlt = KeineZusatzzahl;
};

// The date proposed for a new draw: a week after the newest draw, or, with no draw at all,
// the most recent Monday before `heute` (on a Monday the Monday a week earlier).
QDate VorgeschlagenesDatum(const QVector<TGewZahlen> &ziehungen, const QDate &heute);

// The six lines of a draw taken from the clipboard, trimmed; nothing when there are fewer.
std::optional<QStringList> Zwischenablagezeilen(const QString &text);

// The tag that a clipboard line stands for (position 0..4 a number, 5 the Zusatzzahl), or the
// German message that refuses it.
struct Zeilenwert
{
    int tag = 0;
    QString fehler;
};
Zeilenwert ZwischenablagezeileLesen(const QString &zeile, int position);

// The draw entry's save: the draw at `ziel` (the number of draws: a new draw after the last) takes
// `datum` and the chosen numbers, and the whole history goes to the file in `datenordner`
// through the history guard. `ziehungen` holds the new history when `fehler` is empty.
struct Eintragsergebnis
{
    QString fehler;
    QVector<TGewZahlen> ziehungen;
};
Eintragsergebnis ZiehungEintragen(const QString &datenordner, QVector<TGewZahlen> ziehungen, int ziel,
                                  const QDate &datum, const Zahlenauswahl &auswahl);
