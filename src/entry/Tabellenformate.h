// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textzellen.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// Tip-row tables as CSV text, and the helpers the spreadsheet formats share.

// Empties the data cells (rows 1.., columns 1..); header row, row numbers and size stay.
void TabelleLeeren(TextTabelle &tabelle);

// The pieces of `text` between the occurrences of `trenner`. Empty pieces at the start and between
// two separators count; a separator at the very end gives no empty last piece; "" gives none.
QStringList TextZerlegen(const QString &text, const QString &trenner);

// A cell as a CSV field: in double quotes, inner quotes doubled, when it holds a blank, a comma,
// a double quote or a control character; bare otherwise.
QString CSVFeld(const QString &zelle);

// The columns a CSV line carries: 1 up to the last one before the first whose cell in row 1 is
// empty (all data columns when none is).
int CSVSpaltenanzahl(const TextTabelle &tabelle);

// The file content: one line per data row, fields joined by ",", every line ending in CR LF,
// UTF-8 without byte-order mark.
QByteArray CSVText(const TextTabelle &tabelle);

// Writes the CSV file, replacing an existing one only by a completely written new one.
// Returns the German message on failure, empty on success.
QString CSVSpeichern(const TextTabelle &tabelle, const QString &datei);

// Limits of what is read from a file of outside data, so that no file can hang the program or
// exhaust its memory.
struct Importgrenzen
{
    qint64 dateigroesse = 16 * 1024 * 1024; // bytes of the file itself
    qint64 xmlGroesse = 128 * 1024 * 1024;  // unpacked bytes of one part of a workbook, and of the
                                            // answer of the .xls reader
    int zeilen = 200'000;                   // rows of the table
    int spalten = 702;                      // columns (A..ZZ)
    qint64 zellen = 2'000'000;              // rows × columns of the table
    int zeilenlaenge = 64 * 1024;           // characters of one CSV line
    int xlsFrist = 30'000;                  // milliseconds the .xls reader may take
};

// A date written "yyyy-MM-dd", as ISO and the spreadsheets' stored values have it, read directly;
// invalid for any other text. `Text` is a QStringView or a QByteArrayView.
inline char16_t IsoZeichen(QChar c)
{
    return c.unicode();
}
inline char16_t IsoZeichen(char c)
{
    return static_cast<unsigned char>(c);
}
template <class Text> QDate IsoDatum(Text text)
{
    if (text.size() != 10 || IsoZeichen(text[4]) != u'-' || IsoZeichen(text[7]) != u'-')
        return QDate();
    int teile[3] = {0, 0, 0};
    for (qsizetype i = 0; i < 10; ++i) {
        if (i == 4 || i == 7)
            continue;
        const char16_t c = IsoZeichen(text[i]);
        if (c < u'0' || c > u'9')
            return QDate();
        int &teil = teile[i < 4 ? 0 : i < 7 ? 1 : 2];
        teil = teil * 10 + (c - u'0');
    }
    return QDate(teile[0], teile[1], teile[2]);
}

// A field of a draw or a tip row is short: a cell or CSV field is read up to this many
// characters, and one that holds more is cut and unreadable.
constexpr int MaxFeldtext = 64;

struct CSVErgebnis
{
    int zeilen = 0; // rows read
    QString fehler; // German message; the table is left as it was
};

// Reads a CSV file into the table: one row per line that is neither empty nor exactly "",
// split at "," without interpreting quotes; pieces beyond the last column are dropped and the
// number of columns stays. A piece longer than MaxFeldtext is cut there and ends in "…". Decodes UTF-8, or Windows-1252
// when the file is not valid UTF-8. On any failure the table is unchanged.
CSVErgebnis CSVEinlesen(TextTabelle &tabelle, const QString &datei, const Importgrenzen &grenzen = {});

// The address of a cell in a worksheet: column letters (A..Z, AA..ZZ) and the row number.
QString Zellbezug(int zeile, int spalte);

// A number from a workbook as the user expects to read it: the locale's decimal separator, at
// most 15 significant digits, never in exponent form, no group separators, a whole number
// without decimals.
QString ZahlAlsText(double zahl, const QLocale &locale);
