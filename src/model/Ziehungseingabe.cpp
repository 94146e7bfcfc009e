// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Ziehungseingabe.h"

#include "model/Datum.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Spiel.h"

Zahlenauswahl::Ergebnis Zahlenauswahl::BLotAuswerten(int tag)
{
    if (tag > MaxZahl) {
        const int n = tag - 100;
        if (!istZusatzzahl(n))
            return Ergebnis::Unbekannt;
        // Like a group of radio buttons in which a click on the chosen one clears the choice.
        m_zzGewaehlt = (n == m_zzGewaehlt) ? KeineZusatzzahl : static_cast<std::uint8_t>(n);
        return Ergebnis::Geaendert;
    }
    if (!istZahl(tag))
        return Ergebnis::Unbekannt;
    const auto n = static_cast<std::uint8_t>(tag);
    if (m_gewaehlt.enthaelt(n)) {
        m_gewaehlt.entferne(n);
        --m_gzAnzahl;
        return Ergebnis::Geaendert;
    }
    if (m_gzAnzahl >= ZahlenProReihe)
        return Ergebnis::FuenfSchonGewaehlt;
    m_gewaehlt.hinzu(n);
    ++m_gzAnzahl;
    return Ergebnis::Geaendert;
}

void Zahlenauswahl::leeren()
{
    m_gewaehlt.leeren();
    m_gzAnzahl = 0;
    m_zzGewaehlt = KeineZusatzzahl;
}

void Zahlenauswahl::inZiehung(TGewZahlen &ziehung) const
{
    const QByteArray reihe = MengeZuReihe(m_gewaehlt, ZahlenProReihe, MaxZahl);
    for (int i = 0; i < ZahlenProReihe; ++i)
        ziehung.GZ[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(reihe[i]);
    ziehung.bonus = m_zzGewaehlt;
}

QDate VorgeschlagenesDatum(const QVector<TGewZahlen> &ziehungen, const QDate &heute)
{
    if (!ziehungen.isEmpty()) {
        const QDate letzte = Datum::zuDatum(ziehungen.constLast().datum);
        if (letzte.isValid())
            return letzte.addDays(7);
    }
    QDate tag = heute.addDays(-1);
    while (tag.dayOfWeek() != Qt::Monday)
        tag = tag.addDays(-1);
    return tag;
}

std::optional<QStringList> Zwischenablagezeilen(const QString &text)
{
    QString einheitlich = text;
    einheitlich.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    einheitlich.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList zeilen = einheitlich.split(QLatin1Char('\n'));
    // A final line break does not make a line of its own.
    if (!zeilen.isEmpty() && zeilen.constLast().isEmpty())
        zeilen.removeLast();
    if (zeilen.size() < 6)
        return std::nullopt;
    zeilen = zeilen.mid(0, 6);
    for (QString &z : zeilen)
        z = z.trimmed();
    return zeilen;
}

Zeilenwert ZwischenablagezeileLesen(const QString &zeile, int position)
{
    bool ok = false;
    const int wert = zeile.toInt(&ok);
    if (!ok)
        return {0, QStringLiteral("\u201E%1\u201C ist keine ganze Zahl.").arg(zeile) + Absatz
                       + QStringLiteral("Die Übernahme aus der Zwischenablage wird abgebrochen.")};
    if (position < ZahlenProReihe) {
        if (!istZahl(wert))
            return {0, QStringLiteral("%1 ist keine Gewinnzahl: Gewinnzahlen liegen zwischen 1 und 49.").arg(wert)
                           + Absatz + QStringLiteral("Die Übernahme aus der Zwischenablage wird abgebrochen.")};
        return {wert, QString()};
    }
    if (!istZusatzzahl(wert))
        return {0, QStringLiteral("%1 ist keine Zusatzzahl: Zusatzzahlen liegen zwischen 1 und 10.").arg(wert) + Absatz
                       + QStringLiteral("Die Übernahme aus der Zwischenablage wird abgebrochen.")};
    return {100 + wert, QString()};
}

Eintragsergebnis ZiehungEintragen(const QString &datenordner, QVector<TGewZahlen> ziehungen, int ziel,
                                  const QDate &datum, const Zahlenauswahl &auswahl)
{
    if (ziel < 0 || ziel > ziehungen.size() || !datum.isValid() || !auswahl.vollstaendig())
        return {QStringLiteral("Eine Ziehung braucht ein Datum, fünf Gewinnzahlen und eine Zusatzzahl."), {}};
    if (ziel == ziehungen.size())
        ziehungen.append(TGewZahlen{});
    TGewZahlen &z = ziehungen[ziel];
    z.datum = Datum::ausDatum(datum);
    auswahl.inZiehung(z);
    const QString fehler = GZEintragSpeichern(datenordner, ziehungen);
    if (!fehler.isEmpty())
        return {fehler, {}};
    return {QString(), std::move(ziehungen)};
}
