#include "ui/ScheinSpeichern.h"

#include "model/Tippscheindatei.h"
#include "ui/Meldungen.h"

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
    const QString fehler = ScheinDateiSchreiben(tabelle, antGes, antMeine, datei);
    if (!fehler.isEmpty()) {
        Meldungen::fehler(eltern, fehler);
        return false;
    }
    if (dateiLabel)
        dateiLabel->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(datei).fileName());
    return true;
}
