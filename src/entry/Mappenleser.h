// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Tabellenformate.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QVector>

#include <span>

// The readers behind ExcelEinlesen and the draw import. Each streams the first worksheet of one
// kind of workbook row by row to a Zeilenziel, so nothing but the row being read is held.

struct Mappenzelle
{
    int spalte = 0; // from 1
    QString text;   // at most MaxFeldtext characters, never empty
    bool zuLang = false;
};

Q_DECLARE_TYPEINFO(Mappenzelle, Q_RELOCATABLE_TYPE);

// Receives the rows of the first worksheet that hold a value, in the order of the file.
class Zeilenziel
{
public:
    virtual ~Zeilenziel() = default;
    // Row `zeile` (from 1) and the `wiederholungen` - 1 rows after it, each with these cells,
    // ascending by column.
    virtual void zeile(int zeile, int wiederholungen, std::span<const Mappenzelle> zellen) = 0;
};

struct Mappenergebnis
{
    QString fehler; // German description of what is wrong with the file; empty when read
    QString blatt;  // the name of the first worksheet, the one read; empty when unknown
};

// Elements nested deeper than this end the reading of a part: a spreadsheet program's files
// nest a dozen levels, a hostile file hundreds of thousands.
constexpr int MaxXmlTiefe = 256;

// Gathers the cells of one row for a reader and counts them against the limits: every cell
// element counts, empty or not, and the first one beyond a limit ends the reading.
class Zeilensammler
{
public:
    Zeilensammler(Zeilenziel &ziel, const Importgrenzen &grenzen, QString &fehler)
        : m_ziel(ziel), m_grenzen(grenzen), m_fehler(fehler)
    {
    }

    // A new row from `zeile` on, `wiederholungen` rows high; false beyond the limits.
    bool zeileBeginnen(qint64 zeile, qint64 wiederholungen = 1);
    // A cell element of the open row at `spalte`, `spaltenWdh` columns wide. An empty text
    // counts as an element only. False (with the message set) beyond a limit.
    bool zelle(qint64 spalte, QStringView text, bool zuLang, qint64 spaltenWdh = 1);
    // An element that holds no value and is no cell of a row (a row of its own, a cell of the
    // OpenDocument format repeated beyond the used range): it counts toward the elements only.
    bool element();
    // Hands the open row to the target.
    void zeileBeenden();

private:
    bool zuViele(qint64 zellen);

    Zeilenziel &m_ziel;
    const Importgrenzen &m_grenzen;
    QString &m_fehler;
    QVector<Mappenzelle> m_zellen; // the first m_anzahl are the open row's; the others keep their room
    qsizetype m_anzahl = 0;
    qint64 m_zeile = 0;
    qint64 m_wiederholungen = 1;
    qint64 m_elemente = 0;  // cell and row elements so far
    qint64 m_gefuellt = 0;  // cells that hold a value, repetitions included
    bool m_offen = false;
};

// Collects a cell's text piece by piece, never more than a field holds.
class Feldtext
{
public:
    void leeren()
    {
        m_text.resize(0);
        m_zuLang = false;
    }
    void anhaengen(QStringView stueck);
    void anhaengen(QChar zeichen, qint64 anzahl = 1);
    const QString &text() const { return m_text; }
    bool zuLang() const { return m_zuLang; }
    bool voll() const { return m_zuLang; }

private:
    QString m_text;
    bool m_zuLang = false;
};

// A workbook in a zip archive, from the bytes of the whole file: .xlsx/.xlsm (Office Open XML)
// or .ods (OpenDocument), told apart by the parts the archive holds.
Mappenergebnis ZipMappeLesen(const QByteArray &datei, const QLocale &locale, const Importgrenzen &grenzen,
                             Zeilenziel &ziel);
// .xls (BIFF in a compound file) from its path, read by the helper program quintaro-xls-leser
// in a child process: whatever a file does to the library there, it can't crash, hang or
// exhaust this program. A failing, hanging or babbling helper gives the German message.
Mappenergebnis XlsLesen(const QString &pfad, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel);
// The helper: beside the executable, unless a test puts another in its place (empty: the
// one beside the executable again).
QString XlsLeserProgramm();
void XlsLeserProgrammSetzen(const QString &programm);

// What the first bytes of a file say it is.
enum class Mappenart { Zip, Verbunddatei, Unbekannt };
Mappenart MappenartErkennen(const QByteArray &anfang);

// The first worksheet of a workbook file, streamed to `ziel`: the file is read (at most
// `grenzen.dateigroesse` bytes) and told apart by its content. The German message when it can't
// be read, with the worksheet's name in `blatt`; empty when read.
QString MappeStreamen(const QString &datei, const QLocale &locale, const Importgrenzen &grenzen, Zeilenziel &ziel,
                      QString *blatt = nullptr);
