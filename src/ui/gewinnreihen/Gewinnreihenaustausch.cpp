// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gewinnreihen/Gewinnreihenaustausch.h"

#include "entry/Gewinnreihendatei.h"
#include "model/Dateien.h"
#include "model/Gewinnreihenschutz.h"
#include "model/Ziehungsdatei.h"
#include "model/Zustand.h"
#include "ui/gemeinsam/Dateidialoge.h"
#include "ui/gemeinsam/Meldungen.h"
#include "ui/gemeinsam/TabellenExport.h"
#include "ui/gewinnreihen/ImportVorschau.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Gewinnreihenaustausch {
namespace {
// Files for other programs and other people belong with the user's documents, not in the hidden
// data folder.
QString dateiordner()
{
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath();
}
} // namespace

void exportieren(QWidget *eltern, const Zustand &zustand)
{
    if (zustand.Ziehungen.isEmpty()) {
        Meldungen::information(eltern, QStringLiteral("Es sind keine Gewinnreihen vorhanden. Es gibt nichts zu "
                                                      "exportieren.") +
                                           Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return;
    }
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("Gewinnreihen exportieren");
    dialog.filtertext = QStringLiteral("CSV-Datei oder Excel-Arbeitsmappe");
    dialog.endung = QStringLiteral("csv");
    dialog.weitere = {QStringLiteral("*.xlsx")};
    dialog.ordner = dateiordner();
    const QString datei = Dateidialoge::speichern(eltern, dialog);
    if (datei.isEmpty())
        return;
    QString fehler;
    {
        Sanduhr sanduhr;
        fehler = GewinnreihenExportieren(zustand.Ziehungen, datei, zustand.Datenordner);
    }
    if (!fehler.isEmpty())
        Meldungen::fehler(eltern, fehler);
    else
        Meldungen::information(eltern, QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
}

Importergebnis importieren(QWidget *eltern, const Zustand &zustand)
{
    Dateidialoge::Auswahl dialog;
    dialog.titel = QStringLiteral("Gewinnreihen importieren");
    dialog.filtertext = QStringLiteral("CSV-Datei oder Arbeitsmappe");
    dialog.endung = QStringLiteral("csv");
    dialog.weitere = {QStringLiteral("*.xlsx"), QStringLiteral("*.xls"), QStringLiteral("*.ods")};
    dialog.ordner = dateiordner();
    const QStringList dateien = Dateidialoge::oeffnen(eltern, dialog);
    if (dateien.isEmpty())
        return {};
    const QString datei = dateien.constFirst();

    // The history as the file holds it now is what the import is set against and written over;
    // one that cannot be read whole is never written over.
    const QString historiendatei = zustand.gewinnreihendatei();
    Ladeergebnis historie;
    Gewinnreihenimport import;
    {
        Sanduhr sanduhr;
        historie = GZEinlesen(historiendatei);
        if (historie.status != Ladestatus::Fehler)
            import = GewinnreihenLesen(datei, historie.ziehungen, zustand.Formateinstellungen);
    }
    if (historie.status == Ladestatus::Fehler) {
        Meldungen::fehler(eltern, DateiFehlerText(historiendatei, historie.fehler, false));
        return {};
    }
    if (!import.meldung.isEmpty()) {
        Meldungen::fehler(eltern, import.meldung);
        return {};
    }

    TFGewinnreihenImport vorschau(import, datei, zustand.Formateinstellungen, eltern);
    if (vorschau.exec() != QDialog::Accepted)
        return {};
    const bool ersetzen = vorschau.abweichendeErsetzen();
    const QByteArray daten = ZiehungenAlsBytes(GewinnreihenUebernehmen(historie.ziehungen, import, ersetzen));
    const QString fehler = GZUebernehmen(zustand.Datenordner, daten);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(eltern, DateiFehlerText(historiendatei, fehler, true));
        return {};
    }
    return {true, static_cast<int>(import.neue.size()), ersetzen ? static_cast<int>(import.abweichende.size()) : 0};
}

} // namespace Gewinnreihenaustausch
