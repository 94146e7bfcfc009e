#pragma once

#include <QString>

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

    // Writes return false when the file could not be written; the old file then stays as it was.
    bool SchreibeText(const QString &abschnitt, const QString &schluessel, const QString &wert);
    bool SchreibeZahl(const QString &abschnitt, const QString &schluessel, int wert);
    bool SchreibeFlag(const QString &abschnitt, const QString &schluessel, bool wert);
    bool LoescheAbschnitt(const QString &abschnitt);

    // The system's description of the last failed write.
    const QString &letzterFehler() const { return m_fehler; }

private:
    QString m_datei;
    QString m_fehler;
};
