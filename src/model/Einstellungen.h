// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <utility>

// The settings file: sections in brackets, "key=value" lines. Every call opens the file,
// does one read or one write and closes it again, so nothing is cached between calls.
// Section and key names compare without regard to case, as in the classic INI dialect.
class Einstellungen
{
public:
    explicit Einstellungen(QString datei);

    const QString &datei() const { return m_datei; }

    bool EinstellungenDa() const;

    QString LeseText(const QString &abschnitt, const QString &schluessel, const QString &vorgabe) const;
    int LeseZahl(const QString &abschnitt, const QString &schluessel, int vorgabe) const;
    bool LeseFlag(const QString &abschnitt, const QString &schluessel, bool vorgabe) const;
    // Every key of the section with its value, in file order; empty when the section is missing.
    QList<std::pair<QString, QString>> LeseAbschnitt(const QString &abschnitt) const;

    // Writes return false when the file could not be written; the old file then stays as it was.
    // An existing file that cannot be read (a folder in its place, a read error, beyond the size
    // cap) is not written at all. Lines the write does not change keep their bytes; a file from
    // older installations in Windows-1252 is written back as UTF-8.
    bool SchreibeText(const QString &abschnitt, const QString &schluessel, const QString &wert);
    bool SchreibeZahl(const QString &abschnitt, const QString &schluessel, int wert);
    bool SchreibeFlag(const QString &abschnitt, const QString &schluessel, bool wert);
    bool LoescheAbschnitt(const QString &abschnitt);
    // Replaces every line of the section with `eintraege` in one write, so the file holds
    // either the old section or the whole new one. A missing section is appended.
    bool ErsetzeAbschnitt(const QString &abschnitt, const QList<std::pair<QString, QString>> &eintraege);

    // German description of the cause of the last failed write.
    const QString &letzterFehler() const { return m_fehler; }

private:
    class Aenderung;

    QString m_datei;
    QString m_fehler;
};
