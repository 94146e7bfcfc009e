// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/TabellenExport.h"

#include "entry/Arbeitsmappe.h"
#include "entry/Tabellenformate.h"
#include "model/Tippscheindatei.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Meldungen.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>

Sanduhr::Sanduhr()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

Sanduhr::~Sanduhr()
{
    QApplication::restoreOverrideCursor();
}

Dateidialoge::Auswahl CSVSpeicherdialog(const QString &ordner)
{
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("Als CSV-Datei speichern...");
    dialog.ordner = ordner;
    dialog.filtertext = QStringLiteral("CSV-Datei");
    dialog.endung = QStringLiteral("csv");
    return dialog;
}

bool TabelleAlsCSVSpeichern(QWidget *eltern, const TextTabelle &tabelle, const Dateidialoge::Auswahl &dialog,
                            QLabel *dateiLabel)
{
    if (ScheinLeer(tabelle)) {
        Meldungen::fehler(eltern, MeldungTabelleLeer);
        return false;
    }
    const QString datei = Dateidialoge::speichern(eltern, dialog);
    if (datei.isEmpty())
        return false;
    QString fehler;
    {
        Sanduhr sanduhr;
        fehler = CSVSpeichern(tabelle, datei);
    }
    if (!fehler.isEmpty()) {
        Meldungen::fehler(eltern, fehler);
        return false;
    }
    if (dateiLabel)
        dateiLabel->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
    return true;
}

bool TabelleNachExcel(QWidget *eltern, const TextTabelle &tabelle, const QString &blattname, int letzteSpalte,
                      const Zustand &zustand)
{
    if (ScheinLeer(tabelle)) {
        Meldungen::fehler(eltern, MeldungNichtsZuExportieren);
        return false;
    }
    Exportergebnis ergebnis;
    {
        Sanduhr sanduhr;
        // The private folder of the temporary files: no other user can read or replace the workbook.
        ergebnis = ExcelExport(tabelle, blattname, letzteSpalte, QFileInfo(zustand.Tempdatei).absolutePath());
    }
    switch (ergebnis.art) {
    case Exportergebnis::Art::Geoeffnet:
        return true;
    case Exportergebnis::Art::KeinProgramm:
        Meldungen::information(eltern, MeldungKeinExcel);
        return false;
    case Exportergebnis::Art::Fehler:
        Meldungen::fehler(eltern, ergebnis.fehler);
        return false;
    }
    return false;
}
