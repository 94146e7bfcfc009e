// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Records.h"
#include "model/Textzellen.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

#include <optional>

// The draw history in and out of the program as a CSV file or a workbook, independent of any
// server: one draw per line or row with its date and its six numbers.

// A CSV file (".csv") or an Excel workbook (".xlsx"), told by the file's ending.
enum class Gewinnreihenformat { CSV, Arbeitsmappe };
Gewinnreihenformat GewinnreihenformatFuer(const QString &datei);

// The history as a table for a file: row 1 the header ("Datum", "Z1" … "Z5", "ZZ"), then one row
// per draw in stored order, the date as yyyy-MM-dd and the numbers as they are stored.
TextTabelle GewinnreihenTabelle(const QVector<TGewZahlen> &ziehungen);

// Writes the history as CSV (UTF-8, lines ending in CR LF) or as a workbook with one sheet
// "Gewinnreihen" (dates as dates shown yyyy-mm-dd, numbers as numbers). An existing file is
// replaced only by a completely written new one, and never one of the program's own files in
// `datenordner`. Returns the German message, empty on success.
QString GewinnreihenExportieren(const QVector<TGewZahlen> &ziehungen, const QString &datei,
                                const QString &datenordner = QString());

// A date as a file of draws may hold it: yyyy-MM-dd, dd.MM.yyyy, the locale's short date format
// (a two-digit year in the century that does not lie ahead) or a spreadsheet's day number (a
// time of day ignored), counted as spreadsheets count: 1 is 1 January 1900, 60 the 29 February
// 1900 they invent and so no date, 61 is 1 March 1900.
std::optional<QDate> ZiehungsdatumLesen(QStringView text, const QLocale &locale);

struct Abweichung
{
    int index = 0; // the stored draw of that date, an index into the history
    TGewZahlen gespeichert;
    TGewZahlen neu;
    int zeile = 0; // line or row of the file
};

struct Lesefehler
{
    int zeile = 0; // line of a CSV file or row of the worksheet, from 1
    QString grund; // German
};

// Of the lines that are no draw, so many are kept with their reason; the others are counted.
constexpr qsizetype MaxLesefehler = 100;

// What a file would change in the history, before anything is changed.
struct Gewinnreihenimport
{
    QString meldung;                 // German: the file as a whole cannot be read; nothing else is set
    QVector<TGewZahlen> neue;        // dates the history lacks, in date order
    QVector<Abweichung> abweichende; // same date as a stored draw, other numbers
    int gleiche = 0;                 // draws the history holds exactly so
    QVector<Lesefehler> fehler;      // the first MaxLesefehler lines that are no draw; a header
                                     // line is none of these
    qint64 fehlerAnzahl = 0;         // all lines that are no draw

    bool aendertEtwas() const { return !neue.isEmpty() || !abweichende.isEmpty(); }
};

// Reads a CSV file (fields separated by ",", ";" or the tab, quotes around a field allowed, a
// header line allowed; UTF-8, Windows-1252 or UTF-16 with its byte-order mark) or a workbook (.xlsx, .xls, .ods, told
// by its content) and sets it against the history. Every draw needs a date, five different numbers of 1..49 and a
// Zusatzzahl of 1..10; the numbers keep the file's order.
Gewinnreihenimport GewinnreihenLesen(const QString &datei, const QVector<TGewZahlen> &historie, const QLocale &locale);

// The history after the import: the new draws each before the first stored draw of a later
// date (at the end when there is none), and, when `abweichendeErsetzen`, the differing draws in
// place of the stored ones.
QVector<TGewZahlen> GewinnreihenUebernehmen(const QVector<TGewZahlen> &historie, const Gewinnreihenimport &import,
                                            bool abweichendeErsetzen);

// "01.01.2024: 3 12 25 38 47 | 7", a draw as the preview and the command line show it.
QString ZiehungAlsText(const TGewZahlen &ziehung, const QLocale &locale);
