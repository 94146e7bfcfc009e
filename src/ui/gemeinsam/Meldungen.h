// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so tests can record the texts
// and answer the questions without a person.
namespace Meldungen {

enum class Antwort { Ja, Nein, Abbrechen, Ok };

void information(QWidget *eltern, const QString &text);
void fehler(QWidget *eltern, const QString &text);
Antwort frageJaNein(QWidget *eltern, const QString &text);
// A question whose default button is "Nein": Enter keeps things as they are.
Antwort frageJaNeinVorgabeNein(QWidget *eltern, const QString &text);
Antwort frageJaNeinAbbrechen(QWidget *eltern, const QString &text);

// What the boxes do; a test installs its own.
class Anzeige
{
public:
    enum class Art { Information, Fehler, FrageJaNein, FrageJaNeinAbbrechen, FrageJaNeinVorgabeNein };
    virtual ~Anzeige() = default;
    virtual Antwort zeige(QWidget *eltern, Art art, const QString &text) = 0;
};

// Installs `anzeige` (nullptr: the real message boxes); the caller keeps ownership.
void setzeAnzeige(Anzeige *anzeige);

} // namespace Meldungen
