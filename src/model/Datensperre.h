// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// The lock on a data folder that the program and the command line share. The program holds it
// shared for as long as it runs; the command line takes it alone for the time it writes a data
// file, so it never writes while the program runs on the same folder (whose memory would then
// no longer match the files). Several programs may run at once, and reading needs no lock.
//
// The lock is the operating system's lock on the file ".sperre" in the folder: it ends with the
// process that holds it, also when that process is killed, so no stale lock remains.
class Datensperre
{
public:
    enum class Art { Geteilt, Allein };
    // Who kept `nehmen` from taking the lock: running programs hold it shared, a command line
    // that writes holds it alone.
    enum class Halter { Keiner, Programm, Befehlszeile };

    Datensperre() = default;
    ~Datensperre();
    Datensperre(const Datensperre &) = delete;
    Datensperre &operator=(const Datensperre &) = delete;

    // Takes the lock without waiting; false when another process holds it in a way that
    // excludes `art`, or when the lock file cannot be opened (then `fehler()` says why).
    bool nehmen(const QString &datenordner, Art art);
    // The same, trying again for up to `millisekunden` while another process holds it.
    bool nehmen(const QString &datenordner, Art art, int millisekunden);
    void freigeben();

    bool gehalten() const { return m_datei >= 0; }
    // After a failed `nehmen` without an error: who holds the lock.
    Halter halter() const { return m_halter; }
    // Whether the file at the lock's path is still the one this lock holds: a lock file that
    // was removed or replaced since no longer keeps anyone out, so nothing may be written then.
    bool nochGueltig() const;
    // The system's description when the lock file could not be opened; empty otherwise.
    QString fehler() const { return m_fehler; }

    static QString dateiname() { return QStringLiteral(".sperre"); }

private:
    int m_datei = -1;
    QByteArray m_pfad;
    QString m_fehler;
    Halter m_halter = Halter::Keiner;
};
