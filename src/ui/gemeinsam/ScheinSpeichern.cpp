// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/ScheinSpeichern.h"

#include "model/Dateien.h"
#include "model/Eigendateien.h"
#include "model/Spiel.h"
#include "model/Tippscheindatei.h"
#include "ui/gemeinsam/Meldungen.h"

#include <QFileInfo>
#include <QLabel>

bool ScheinSpeichern(QWidget *eltern, const TextTabelle &tabelle, const QString &antGes, const QString &antMeine,
                     const Dateidialoge::Auswahl &dialog, QLabel *dateiLabel)
{
    if (ScheinLeer(tabelle)) {
        Meldungen::fehler(eltern, MeldungTabelleLeer);
        return false;
    }
    const QString datei = Dateidialoge::speichern(eltern, dialog);
    if (datei.isEmpty())
        return false;
    const Scheindaten daten = ScheinZuBytes(tabelle, antGes, antMeine);
    if (!daten.fehler.isEmpty()) {
        Meldungen::fehler(eltern, daten.fehler);
        return false;
    }
    // A ticket is divided into one share at least; a file with none would make every share of a
    // win a division by zero.
    if (AnteilAusText(antGes) == 0) {
        Meldungen::fehler(eltern, MeldungKeineAnteile);
        return false;
    }
    if (const QString eigene = Eigendateien::pruefen(datei); !eigene.isEmpty()) {
        Meldungen::fehler(eltern, eigene);
        return false;
    }
    const QString fehler = DateiErsetzen(datei, daten.bytes);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(eltern, DateiFehlerText(datei, fehler, true));
        return false;
    }
    if (dateiLabel)
        dateiLabel->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
    return true;
}
