// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Spiel.h"
#include "model/Textzellen.h"
#include "ui/gemeinsam/Dateidialoge.h"

#include <QString>

class QLabel;
class QWidget;
struct Zustand;

// The commands of the entry and generator windows that take a table of tip rows out of the
// program, shared so both behave alike: save it as a CSV file, or open it as a new workbook in
// the spreadsheet program. Every refusal and failure is a message box; the mouse pointer shows
// the hourglass while they work.

// The mouse pointer shows the hourglass for the lifetime of this object.
class Sanduhr
{
public:
    Sanduhr();
    ~Sanduhr();
    Sanduhr(const Sanduhr &) = delete;
    Sanduhr &operator=(const Sanduhr &) = delete;
};

// The save dialog for CSV files: "Als CSV-Datei speichern...", starting in `ordner`.
Dateidialoge::Auswahl CSVSpeicherdialog(const QString &ordner);

// Refuses an empty table, asks for the file, writes it and names it in `dateiLabel`
// ("Gespeichert in: " + file name). True when the file was written.
bool TabelleAlsCSVSpeichern(QWidget *eltern, const TextTabelle &tabelle, const Dateidialoge::Auswahl &dialog,
                            QLabel *dateiLabel);

inline const QString MeldungNichtsZuExportieren =
    QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu exportieren.") + Absatz +
    QStringLiteral("Ich breche erst einmal ab.");
inline const QString MeldungKeinExcel =
    QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht m\u00F6glich.") + Absatz +
    QStringLiteral("Ich breche ab.");

// Refuses an empty table, then writes rows 1.. and columns 1..letzteSpalte into a workbook with
// one sheet named `blattname` and opens it in the spreadsheet program (an information box when
// none is installed). True when the program was started.
bool TabelleNachExcel(QWidget *eltern, const TextTabelle &tabelle, const QString &blattname, int letzteSpalte,
                      const Zustand &zustand);
