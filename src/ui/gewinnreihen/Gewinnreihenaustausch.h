// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
struct Zustand;

// The main window's commands that take the draw history out of the program and bring draws in
// from a file, independent of any server.
namespace Gewinnreihenaustausch {

// Asks for a file and writes the history as CSV or workbook; every failure is a message box.
void exportieren(QWidget *eltern, const Zustand &zustand);

struct Importergebnis
{
    bool geaendert = false; // the history file changed: the caller reloads it
    int neu = 0;
    int ersetzt = 0;
};

// Asks for a file, shows what it would change and, once confirmed, writes the new history file
// (keeping the old one as the backup when there is none yet). Every refusal and failure is a
// message box.
Importergebnis importieren(QWidget *eltern, const Zustand &zustand);

} // namespace Gewinnreihenaustausch
