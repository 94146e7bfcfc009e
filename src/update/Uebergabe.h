// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Hands the program over to a running installer: a small shell script removes the old program
// file once it can, then the program folder if it is empty, then itself, while the program ends
// at once.
struct Programmuebergabe
{
    QString programmdatei;         // the running program's file
    QString tempOrdner;            // where the script is written and run, ending with a separator
    int versuche = 180;            // tries, one second apart, before the script gives up on the file
    std::function<void()> beenden; // ends the program without closing its windows
};

// The hand-over for this run: the running executable, the folder of `tempdatei`, and an end that
// skips every window's closing (nothing is written on the way out).
Programmuebergabe StandardUebergabe(const QString &tempdatei);

// A text as one word of a POSIX shell: in single quotes, each single quote written as '\''.
// No character inside can run as a command.
QByteArray ShellWort(const QString &text);

// The script's text.
QByteArray UebergabeSkript(const QString &programmdatei, const QString &skriptdatei, int versuche);

// Writes the script under a new name "uis…" in the temporary folder and starts it detached.
// Returns why that failed, empty when the script runs. Ending the program is the caller's step.
QString UebergabeStarten(const Programmuebergabe &uebergabe);
