// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

class QSqlQuery;

// A syndicate file ("*.qtgem"): an SQLite database in rollback-journal mode, so that programs
// on different computers may share it through a network folder whose file system honours locks.
// Every change is one transaction that waits at most five seconds for another writer; before the
// first change after opening, the whole file is copied into a dated backup beside it.
class Gemeinschaftsdatei
{
public:
    static constexpr int Schemaversion = 1;
    static constexpr int Wartezeit = 5000; // milliseconds a write waits for another writer
    static constexpr int SicherungenBehalten = 10;
    // Larger files are refused unread: fifty members over twenty years take some 20 MB.
    static constexpr qint64 HoechsteGroesse = qint64{512} * 1024 * 1024;
    static inline const QString Endung = QStringLiteral("qtgem");
    static inline const QString SicherungsOrdner = QStringLiteral("Sicherungen");

    Gemeinschaftsdatei();
    ~Gemeinschaftsdatei();
    Gemeinschaftsdatei(const Gemeinschaftsdatei &) = delete;
    Gemeinschaftsdatei &operator=(const Gemeinschaftsdatei &) = delete;

    // Makes a new, empty syndicate file named `name`. Refuses a path where anything exists.
    // Returns the German message, empty on success; the file stays open then.
    QString anlegen(const QString &pfad, const QString &name);
    // Opens a syndicate file: refuses, untouched, a file that is no SQLite database, a damaged
    // one (integrity check), another program's database and one of a newer version; an older
    // version is brought up to date (after its backup).
    QString oeffnen(const QString &pfad);
    void schliessen();
    bool offen() const { return !m_verbindung.isEmpty(); }
    const QString &pfad() const { return m_pfad; }

    // The connection for queries; valid while open.
    QSqlDatabase db() const;

    // Runs `aenderung` as one transaction (BEGIN IMMEDIATE ... COMMIT): a non-empty text from it,
    // or any failure, rolls everything back. Makes the backup first when this is the first change
    // since opening. Returns the German message, empty when committed.
    QString aendern(const std::function<QString()> &aenderung);
    // Runs `lesen` inside one read transaction, so that it sees one state of the file.
    QString lesen(const std::function<QString()> &lesen) const;

    // The German message for a failed query: another writer holding the file, a full disk, or
    // SQLite's own description.
    QString fehlertext(const QSqlQuery &abfrage) const;

    // The dated backups of `pfad`, oldest first, as full paths.
    static QStringList sicherungen(const QString &pfad);

    // The message when another program holds the file longer than the wait allows.
    static inline const QString MeldungBesetzt = QStringLiteral(
        "Die Tippgemeinschaft wird gerade anderswo ge\u00E4ndert. Versuchen Sie es bitte gleich noch einmal.");

private:
    QString verbinden(const QString &pfad, bool nurLesen);
    QString pruefen();
    QString migrieren(int version);
    QString sichern();
    QString fehlertext(const QSqlError &fehler) const;

    QString m_verbindung;
    QString m_pfad;
    bool m_gesichert = false;
};
