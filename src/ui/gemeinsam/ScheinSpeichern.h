// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Textzellen.h"
#include "ui/gemeinsam/Dateidialoge.h"

#include "model/Spiel.h"

#include <QString>

class QLabel;
class QWidget;

inline const QString MeldungKeineAnteile = QStringLiteral("Die Anzahl der gesamten Anteile muss mindestens 1 sein.") +
                                           Absatz + QStringLiteral("Der Speichervorgang wird abgebrochen.");

// The saving command of the entry and generator windows: refuses an empty grid before the save
// dialog, asks for the file, checks the shares (total at least 1, not below own) and cells,
// writes the ticket file atomically and names the written file in `dateiLabel`
// ("Gespeichert in: " + file name). Every refusal and failure is an error box; a refused save
// writes nothing. True when the file was written.
bool ScheinSpeichern(QWidget *eltern, const TextTabelle &tabelle, const QString &antGes, const QString &antMeine,
                     const Dateidialoge::Auswahl &dialog, QLabel *dateiLabel);
