// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A small tmpfs mounted over a folder, for tests of a full disk. Mounting needs root; the mount
// lives in a private mount namespace of the test process, so it goes away with the process
// whatever happens to the test.
class KleinerDatentraeger
{
public:
    static constexpr qint64 Seite = 4096;

    // Mounts `groesse` bytes (whole pages) over the existing folder `ordner`.
    KleinerDatentraeger(const QString &ordner, qint64 groesse);
    ~KleinerDatentraeger();
    KleinerDatentraeger(const KleinerDatentraeger &) = delete;
    KleinerDatentraeger &operator=(const KleinerDatentraeger &) = delete;

    bool bereit() const { return m_bereit; }
    // Why the file system could not be mounted.
    const QString &grund() const { return m_grund; }

    // Fills the file system with a filler file until only `frei` bytes (whole pages) stay free.
    bool fuellen(qint64 frei);
    // Removes the filler again.
    void leeren();
    qint64 freieBytes() const;

private:
    QString m_ordner;
    QString m_fuellung;
    bool m_bereit = false;
    QString m_grund;
};
