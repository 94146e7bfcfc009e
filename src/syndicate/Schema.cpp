// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "syndicate/Schema.h"

namespace Schema {

QStringList Schritt(int version)
{
    if (version != 1)
        return {};
    return {
        QStringLiteral("CREATE TABLE gemeinschaft (schluessel TEXT PRIMARY KEY, wert TEXT NOT NULL) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE mitglieder (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
                       "email TEXT NOT NULL DEFAULT '', notiz TEXT NOT NULL DEFAULT '', eintritt TEXT NOT NULL, "
                       "austritt TEXT, CHECK (austritt IS NULL OR austritt > eintritt))"),
        QStringLiteral("CREATE TABLE anteile (mitglied INTEGER NOT NULL REFERENCES mitglieder(id), ab TEXT NOT NULL, "
                       "anteile INTEGER NOT NULL CHECK (anteile >= 1), PRIMARY KEY (mitglied, ab)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE scheine (id INTEGER PRIMARY KEY, name TEXT NOT NULL, ab TEXT NOT NULL, bis TEXT, "
                       "CHECK (bis IS NULL OR bis > ab))"),
        QStringLiteral("CREATE TABLE reihen (schein INTEGER NOT NULL REFERENCES scheine(id), nr INTEGER NOT NULL, "
                       "z1 INTEGER NOT NULL, z2 INTEGER NOT NULL, z3 INTEGER NOT NULL, z4 INTEGER NOT NULL, "
                       "z5 INTEGER NOT NULL, zz INTEGER NOT NULL, PRIMARY KEY (schein, nr)) WITHOUT ROWID"),
        // The ledger. `storniert` names the entry a "Storno" cancels (each at most once);
        // `ziehung` the draw whose stake or winnings a settling booked.
        QStringLiteral("CREATE TABLE eintraege (nr INTEGER PRIMARY KEY, datum TEXT NOT NULL, "
                       "art TEXT NOT NULL CHECK (art IN ('Einzahlung', 'Einsatz', 'Gewinn', 'Auszahlung', "
                       "'Ausgabe', 'Storno')), mitglied INTEGER REFERENCES mitglieder(id), "
                       "betrag INTEGER NOT NULL CHECK (betrag >= 0), text TEXT NOT NULL DEFAULT '', "
                       "storniert INTEGER UNIQUE REFERENCES eintraege(nr), ziehung TEXT, gebucht TEXT NOT NULL, "
                       "CHECK ((art = 'Storno') = (storniert IS NOT NULL)))"),
        // Every entry's parts, one per member it moves (one for an entry of a single member), with
        // the kind each counts in (a "Storno" part: the kind of the entry it cancels) and whether
        // it is a cancellation, so the balances are one pass over an index.
        QStringLiteral("CREATE TABLE teile (eintrag INTEGER NOT NULL REFERENCES eintraege(nr), "
                       "mitglied INTEGER NOT NULL REFERENCES mitglieder(id), "
                       "betrag INTEGER NOT NULL CHECK (betrag >= 0), art TEXT NOT NULL, "
                       "storno INTEGER NOT NULL CHECK (storno IN (0, 1)), PRIMARY KEY (eintrag, mitglied)) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX teile_konten ON teile(mitglied, art, storno, betrag)"),
        // A part says what its entry is, or it is not taken.
        QStringLiteral("CREATE TRIGGER teile_wie_eintrag BEFORE INSERT ON teile WHEN NOT EXISTS (SELECT 1 FROM "
                       "eintraege e LEFT JOIN eintraege s ON s.nr = e.storniert WHERE e.nr = NEW.eintrag AND "
                       "NEW.storno = (e.art = 'Storno') AND NEW.art = CASE WHEN e.art = 'Storno' THEN s.art "
                       "ELSE e.art END) BEGIN SELECT RAISE(ABORT, 'Teil passt nicht zur Buchung'); END"),
        QStringLiteral("CREATE INDEX eintraege_ziehung ON eintraege(ziehung) WHERE ziehung IS NOT NULL"),
        // Which draws are booked, with the numbers they were booked with, so a draw corrected
        // in the history later is noticed.
        QStringLiteral("CREATE TABLE abgerechnet (ziehung TEXT PRIMARY KEY, zahlen TEXT NOT NULL, "
                       "einsatz INTEGER NOT NULL REFERENCES eintraege(nr), gewinn INTEGER REFERENCES eintraege(nr)) "
                       "WITHOUT ROWID"),
        // Booked is booked: a mistake is undone by a counter-entry, never by a change.
        QStringLiteral("CREATE TRIGGER eintraege_nicht_aendern BEFORE UPDATE ON eintraege "
                       "BEGIN SELECT RAISE(ABORT, 'Buchungen werden nicht geaendert'); END"),
        QStringLiteral("CREATE TRIGGER eintraege_nicht_loeschen BEFORE DELETE ON eintraege "
                       "BEGIN SELECT RAISE(ABORT, 'Buchungen werden nicht geloescht'); END"),
        QStringLiteral("CREATE TRIGGER teile_nicht_aendern BEFORE UPDATE ON teile "
                       "BEGIN SELECT RAISE(ABORT, 'Buchungen werden nicht geaendert'); END"),
        QStringLiteral("CREATE TRIGGER teile_nicht_loeschen BEFORE DELETE ON teile "
                       "BEGIN SELECT RAISE(ABORT, 'Buchungen werden nicht geloescht'); END"),
        QStringLiteral("PRAGMA application_id = %1").arg(Anwendungskennung),
    };
}

} // namespace Schema
