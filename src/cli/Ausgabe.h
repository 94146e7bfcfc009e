// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

// Output of the command line: results on standard output, messages on standard error, both
// UTF-8; and what several commands share.

// Both false when the text could not be written whole (a full disk, a closed pipe).
bool Ausgeben(const QString &text);
bool JsonAusgeben(const QJsonObject &objekt);
// Writes the message to standard error and returns the exit status of a refusal.
int Ablehnen(const QString &meldung);
// Writes the message of a wrong call with a hint at --help and returns its exit status.
int Falschaufruf(const QString &meldung);

// Standard output written in blocks as it comes, so output of any length holds no more than one
// block in memory. The block is allocated once; small pieces are copied into it, and a caller
// may format straight into it (platz/weiter). Everything is UTF-8.
class Ausgabestrom
{
public:
    static constexpr std::size_t Blockgroesse = 64 * 1024;

    explicit Ausgabestrom(std::FILE *ziel = stdout);
    ~Ausgabestrom();
    Ausgabestrom(const Ausgabestrom &) = delete;
    Ausgabestrom &operator=(const Ausgabestrom &) = delete;

    void schreibe(const char *daten, std::size_t laenge)
    {
        if (laenge <= static_cast<std::size_t>(m_ende - m_frei)) {
            std::memcpy(m_frei, daten, laenge);
            m_frei += laenge;
        } else {
            schreibeLang(daten, laenge);
        }
    }
    void schreibe(const QByteArray &bytes) { schreibe(bytes.constData(), static_cast<std::size_t>(bytes.size())); }
    void schreibe(const QString &text) { schreibe(text.toUtf8()); }
    void schreibe(char zeichen)
    {
        if (m_frei == m_ende)
            leeren();
        *m_frei++ = zeichen;
    }
    // `anzahl` blanks.
    void leerzeichen(std::size_t anzahl);
    // A whole number in decimal digits, right-aligned in `breite` places.
    void zahl(qint64 wert, int breite = 0);
    // Room for `laenge` bytes (at most Blockgroesse) for the caller to write into; weiter() with
    // the end of what was written then takes it.
    char *platz(std::size_t laenge)
    {
        if (static_cast<std::size_t>(m_ende - m_frei) < laenge)
            leeren();
        return m_frei;
    }
    void weiter(char *ende) { m_frei = ende; }
    // Writes what is left; false when any write failed (a full disk, a closed pipe).
    bool beenden();

private:
    void leeren();
    void schreibeLang(const char *daten, std::size_t laenge);

    std::FILE *m_ziel;
    std::unique_ptr<char[]> m_puffer;
    char *m_frei;
    char *m_ende;
    bool m_fehler = false;
};

// What a command says when its output could not be written whole.
int AusgabeFehlgeschlagen();

// Text columns of fixed widths, two blanks apart, trailing blanks dropped; `rechts` marks
// right-aligned columns. A cell wider than its column widens only its own line.
struct Spaltensatz
{
    QVector<qsizetype> breiten;
    QVector<bool> rechts;
    QString zeile(const QStringList &zellen) const;
};

// Columns padded to their widest cell, for tables short enough to be measured whole.
QString Textspalten(const QStringList &kopf, const QVector<QStringList> &zeilen, const QVector<bool> &rechts);

// A JSON value as QJsonDocument::Indented writes it at nesting depth `ebene` (1 for a member of
// the outermost object), without a line break before or after.
QByteArray JsonText(const QJsonValue &wert, int ebene);

// A JSON document written piece by piece in the layout of QJsonDocument::Indented, so that a long
// list is never held whole. Members stand in the order they are written. The outermost object is
// opened by the constructor and closed by beenden(); inside a list, members take no name.
class JsonStrom
{
public:
    explicit JsonStrom(Ausgabestrom &aus);
    void wert(const QString &schluessel, const QJsonValue &wert);
    void element(const QJsonValue &wert) { this->wert(QString(), wert); }
    void objektAnfangen(const QString &schluessel = QString());
    void listeAnfangen(const QString &schluessel = QString());
    // Starts an element of the open list whose text the caller writes itself, laid out for the
    // depth tiefe() (JsonText(wert, tiefe()) gives such a text).
    void elementAnfangen();
    int tiefe() const { return static_cast<int>(m_offen.size()); }
    // Closes the innermost open object or list; the last one closed ends the document.
    void beenden();

private:
    void oeffnen(const QString &schluessel, char klammer);

    struct Ebene
    {
        char schluss;
        bool leer;
    };
    Ausgabestrom &m_aus;
    std::vector<Ebene> m_offen;
};

// The formats of the text output, German in every locale like its words: dates "dd.MM.yyyy",
// amounts "2.000,00 €". What the user typed into the settings is still read in the system's locale.
const QLocale &Textformat();

// A date of the history as "yyyy-MM-dd", the form of every date in the JSON output.
QString IsoDatum(double tage);

// The history file of the data folder; an unreadable one is refused with its message.
struct Historie
{
    QVector<TGewZahlen> ziehungen;
    QString fehler; // German message when the file could not be read
};
Historie HistorieLesen(const QString &datenordner);

// Indexes into the history, both inclusive.
struct Zeitraum
{
    int von = 0;
    int bis = -1;
    QString fehler; // German message when no draw lies in it
};
// With `von`: the draws from the first on or after `von` to the last on or before `bis` (the
// newest without `bis`). Without `von` and with `bereich` clear: the one draw on or before `bis`
// (the newest without `bis`); with `bereich` set: every draw up to it.
Zeitraum ZeitraumWaehlen(const QVector<TGewZahlen> &ziehungen, const std::optional<QDate> &von,
                         const std::optional<QDate> &bis, bool bereich, const QLocale &locale);

// The price of a row from the settings of the data folder, 2,00 when none is set; the file is
// only read.
float ReihenpreisLesen(const QString &datenordner, const QLocale &locale);
