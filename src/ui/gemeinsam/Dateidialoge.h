// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The standard open and save dialogs, behind a seam so tests can hand in file names.
namespace Dateidialoge {

struct Auswahl
{
    QString titel;
    QString ordner;      // initial folder
    QString filtertext;  // e.g. "Tippchein"
    QString endung;      // e.g. "qtt", without the dot
    QStringList weitere; // further patterns the same filter shows, e.g. "*.ods"
    bool mehrere = false;
};

// The chosen files in the dialog's order; empty when the user cancelled.
QStringList oeffnen(QWidget *eltern, const Auswahl &auswahl);
// The chosen file with the extension added when the user typed none; empty when cancelled.
// An existing file is replaced without asking.
QString speichern(QWidget *eltern, const Auswahl &auswahl);

class Anbieter
{
public:
    virtual ~Anbieter() = default;
    virtual QStringList oeffnen(QWidget *eltern, const Auswahl &auswahl) = 0;
    virtual QString speichern(QWidget *eltern, const Auswahl &auswahl) = 0;
};

// Installs `anbieter` (nullptr: the real dialogs); the caller keeps ownership.
void setzeAnbieter(Anbieter *anbieter);

} // namespace Dateidialoge
