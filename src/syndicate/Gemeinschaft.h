// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "syndicate/Gemeinschaftsdatei.h"
#include "syndicate/Kasse.h"

#include <QDate>
#include <QString>
#include <QVector>

// A syndicate: its members with their shares, the tickets it plays, and its ledger, kept in a
// syndicate file. Every change is one transaction; every amount is split by Aufteilen.
// Each call returns the German message of a refusal or failure, empty on success.
class Gemeinschaft
{
public:
    QString anlegen(const QString &pfad, const QString &name);
    QString oeffnen(const QString &pfad);
    void schliessen() { m_datei.schliessen(); }
    bool offen() const { return m_datei.offen(); }
    const QString &pfad() const { return m_datei.pfad(); }
    Gemeinschaftsdatei &datei() { return m_datei; }

    QString name() const;

    // Reading.
    QString mitgliederLesen(QVector<Mitglied> &mitglieder) const;
    QString scheineLesen(QVector<Schein> &scheine) const;
    QString kasseLesen(QVector<Eintrag> &eintraege, const Kassenfilter &filter = {}) const;
    // The balances; shares as of `stichtag`.
    QString kontenLesen(Kontenstand &stand, const QDate &stichtag) const;
    QString abgerechnetBis(QDate &bis) const;

    // Members.
    QString mitgliedHinzufuegen(const QString &name, int anteile, const QDate &ab, const QString &email = {},
                                const QString &notiz = {});
    QString anteileAendern(const QString &name, int anteile, const QDate &ab);
    QString austritt(const QString &name, const QDate &ab);

    // Tickets: the rows are copied into the file, so every member's program settles alike.
    QString scheinHinzufuegen(const QString &datei, const QDate &ab);
    QString scheinEntfernen(const QString &datei, const QDate &ab);

    // Entries; `gebucht` receives what was booked.
    QString einzahlung(const QString &name, Cent betrag, const QDate &datum, QVector<Eintrag> *gebucht = nullptr,
                       const QString &text = {});
    QString auszahlung(const QString &name, Cent betrag, const QDate &datum, QVector<Eintrag> *gebucht = nullptr,
                       const QString &text = {});
    QString ausgabe(Cent betrag, const QString &text, const QDate &datum, QVector<Eintrag> *gebucht = nullptr);
    QString storno(qint64 nr, const QDate &datum, QVector<Eintrag> *gebucht = nullptr);

    // The messages that name a member, an entry or a ticket the file does not know.
    static QString unbekanntesMitglied(const QString &name);

private:
    QString einzelbuchung(Art art, const QString &name, Cent betrag, const QDate &datum, const QString &text,
                          QVector<Eintrag> *gebucht);

    Gemeinschaftsdatei m_datei;
};
