#pragma once

#include "model/Textzellen.h"
#include "ui/Dateidialoge.h"

#include <QString>

class QLabel;
class QWidget;

// The saving command of the entry and generator windows: refuses an empty grid before the save
// dialog, asks for the file, checks the shares and cells, writes the ticket file atomically and
// names the written file in `dateiLabel` ("Gespeichert in: " + file name). Every refusal and
// failure is an error box. True when the file was written.
bool ScheinSpeichern(QWidget *eltern, const TextTabelle &tabelle, const QString &antGes, const QString &antMeine,
                     const Dateidialoge::Auswahl &dialog, QLabel *dateiLabel);
