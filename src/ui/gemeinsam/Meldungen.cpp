// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gemeinsam/Meldungen.h"

#include "model/Spiel.h"

#include <QMessageBox>

namespace Meldungen {
namespace {

class Nachrichtenfenster : public Anzeige
{
public:
    Antwort zeige(QWidget *eltern, Art art, const QString &text) override
    {
        QMessageBox box(eltern);
        box.setWindowTitle(Programmname);
        box.setText(text);
        switch (art) {
        case Art::Information:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Art::Fehler:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Art::FrageJaNein:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Art::FrageJaNeinAbbrechen:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case Art::FrageJaNeinVorgabeNein:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        }
        // Qt's own captions are translated by the German translator loaded at start.
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Antwort::Ja;
        case QMessageBox::No:
            return Antwort::Nein;
        case QMessageBox::Cancel:
            return Antwort::Abbrechen;
        default:
            return art == Art::FrageJaNeinAbbrechen ? Antwort::Abbrechen
                   : art == Art::FrageJaNein || art == Art::FrageJaNeinVorgabeNein ? Antwort::Nein
                                                                                   : Antwort::Ok;
        }
    }
};

Nachrichtenfenster standard;
Anzeige *aktuell = &standard;

} // namespace

void setzeAnzeige(Anzeige *anzeige) { aktuell = anzeige ? anzeige : &standard; }

void information(QWidget *eltern, const QString &text) { aktuell->zeige(eltern, Anzeige::Art::Information, text); }

void fehler(QWidget *eltern, const QString &text) { aktuell->zeige(eltern, Anzeige::Art::Fehler, text); }

Antwort frageJaNein(QWidget *eltern, const QString &text)
{
    return aktuell->zeige(eltern, Anzeige::Art::FrageJaNein, text);
}

Antwort frageJaNeinVorgabeNein(QWidget *eltern, const QString &text)
{
    return aktuell->zeige(eltern, Anzeige::Art::FrageJaNeinVorgabeNein, text);
}

Antwort frageJaNeinAbbrechen(QWidget *eltern, const QString &text)
{
    return aktuell->zeige(eltern, Anzeige::Art::FrageJaNeinAbbrechen, text);
}

} // namespace Meldungen
