// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Tabellenformate.h"
#include "model/Textzellen.h"

#include <QLocale>
#include <QString>
#include <QVector>

// Workbooks of a spreadsheet program: a table is exported by writing an .xlsx file and opening
// it in LibreOffice Calc as a new, unsaved document; a workbook is imported by reading its
// first worksheet directly from the file (.xlsx/.xlsm, .ods, .xls), without starting a program.

// The spreadsheet program that shows an export: soffice or libreoffice on the PATH; empty when
// neither is installed.
QString ExcelProgramm();
bool ExcelVorhanden();

// How ArbeitsmappeSchreiben writes the cells of a column.
enum class Zellart {
    Text,  // a non-breaking space and the text
    Zahl,  // a whole number as a number; any other text as it is
    Datum, // a yyyy-MM-dd date as a date shown yyyy-mm-dd; any other text as it is
};

// Writes the rows 1..last of the table, columns 1..letzteSpalte, into worksheet row 1.. and
// column A.. of a new workbook with one worksheet named `blattname`. Unless `arten` says
// otherwise for a column (index 0 is column 1), every cell holds text: a non-breaking space
// followed by the cell's text, so the program shows "07" as written and no number format touches
// it. Columns A..Z are as wide as their longest text.
// Returns the German message on failure, empty on success.
QString ArbeitsmappeSchreiben(const TextTabelle &tabelle, const QString &blattname, int letzteSpalte,
                              const QString &datei, const QVector<Zellart> &arten = {});

struct Exportergebnis
{
    enum class Art { Geoeffnet, KeinProgramm, Fehler };
    Art art = Art::Fehler;
    QString fehler; // German message when art is Fehler
    QString datei;  // the written workbook
};

// Writes the workbook into `ordner` (a private folder of the user) under a new name and opens it
// in the spreadsheet program, started detached; the program stays open for the user.
Exportergebnis ExcelExport(const TextTabelle &tabelle, const QString &blattname, int letzteSpalte,
                           const QString &ordner);

// Reads the first worksheet of the workbook `datei` into the table: r + 1 rows and c + 1 columns
// for a used range of r rows and c columns (the last row and column holding a value), the row
// numbers in column 0, the header row kept. Numbers are written with `locale`'s decimal
// separator. The kind of workbook is told by its content, not by its name. On any failure the
// table is unchanged and the German message is returned; empty on success. Dates are numbers
// of days since 30 December 1899, also those of a workbook that counts from 1904. `blatt`, when
// given, receives the name of the worksheet read.
QString ExcelEinlesen(TextTabelle &tabelle, const QString &datei, const QLocale &locale,
                      const Importgrenzen &grenzen = {}, QString *blatt = nullptr);
