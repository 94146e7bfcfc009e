// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The files the program keeps in its data folder: the draw history, its backup, the folder of
// dated copies of the history, the settings and the lock file. Only the program's own routines
// for these files write them; no save, export or print of a file the user names may replace
// one of them, under whatever spelling of its path, through a symbolic link or as a hard link.
namespace Eigendateien {

// Protects the files of `datenordner` for the rest of the run. The program and the command line
// register their data folder as soon as they know it.
void schuetzen(const QString &datenordner);

// Empty when `ziel` may be written; otherwise the German refusal, which names the data file.
// Checks against every protected data folder, and against `datenordner` as well when given.
// A target is one of the files when its canonical folder and name (those of every symbolic
// link on the way included) are those of the file, or, where both exist, when both are the
// same file on the disk (device and inode). The folder a target would lie in counts by its
// device and inode too, so a bind mount of the data folder or of `Sicherungen` reaches no file
// of them either: no own file is written and no file made anywhere inside `Sicherungen`.
QString pruefen(const QString &ziel, const QString &datenordner = QString());

} // namespace Eigendateien
