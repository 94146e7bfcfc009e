#pragma once

#include "entry/Tabellenformate.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QVector>

#include <algorithm>

// The readers behind ExcelEinlesen. Each reads the first worksheet of one kind of workbook into
// the cells that hold a value; the caller builds the table from them.

constexpr int MaxZellentext = 32767; // what a spreadsheet program holds in one cell

struct Mappenzelle
{
    int zeile = 0;  // from 1
    int spalte = 0; // from 1
    QString text;
};

Q_DECLARE_TYPEINFO(Mappenzelle, Q_RELOCATABLE_TYPE);

struct Mappeninhalt
{
    QVector<Mappenzelle> zellen;
    int zeilen = 0;  // last row that holds a value
    int spalten = 0; // last column that holds a value
    QString fehler;  // German description of what is wrong with the file; empty when read
    QString blatt;   // the name of the first worksheet, the one read; empty when unknown
};

// Elements nested deeper than this end the reading of a part: a spreadsheet program's files
// nest a dozen levels, a hostile file hundreds of thousands.
constexpr int MaxXmlTiefe = 256;

// Counts the cells of a reader against the limits; the first cell beyond them ends the reading.
class Zellensammler
{
public:
    Zellensammler(Mappeninhalt &inhalt, const Importgrenzen &grenzen) : m_inhalt(inhalt), m_grenzen(grenzen) {}

    // False (with the message set) when the cell or `wiederholungen` copies of it would
    // exceed a limit.
    bool nimm(qint64 zeile, qint64 spalte, const QString &text, qint64 zeilenWdh = 1, qint64 spaltenWdh = 1);
    // Drops the cells whose text turned out empty, and the used range shrinks to the others.
    void leereEntfernen();

private:
    Mappeninhalt &m_inhalt;
    const Importgrenzen &m_grenzen;
};

// A workbook in a zip archive, from the bytes of the whole file: .xlsx/.xlsm (Office Open XML)
// or .ods (OpenDocument), told apart by the parts the archive holds.
Mappeninhalt ZipMappeLesen(const QByteArray &datei, const QLocale &locale, const Importgrenzen &grenzen);
// .xls (BIFF in a compound file) from its path, read by the helper program quintaro-xls-leser
// in a child process: whatever a file does to the library there, it can't crash, hang or
// exhaust this program. A failing, hanging or babbling helper gives the German message.
Mappeninhalt XlsLesen(const QString &pfad, const QLocale &locale, const Importgrenzen &grenzen);
// The helper: beside the executable, unless a test puts another in its place (empty: the
// one beside the executable again).
QString XlsLeserProgramm();
void XlsLeserProgrammSetzen(const QString &programm);

// What the first bytes of a file say it is.
enum class Mappenart { Zip, Verbunddatei, Unbekannt };
Mappenart MappenartErkennen(const QByteArray &anfang);
