// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the command line asks of a start: `quintaro-analyser [--beispiel] [FILE.qtt …]`.
struct Startoptionen
{
    bool beispieldaten = false; // --beispiel: work on the sample data folder
    bool hilfe = false;         // --hilfe, --help, -h: print the usage and end
    bool version = false;       // --version: print the version and end
    QStringList dateien;        // ticket files to open as tabs, as absolute paths
    QSet<QString> unlesbar;     // those of them whose name is no UTF-8 text
    QString fehler;             // an unknown option, as a German message
};

// `argumente` without the program's name; "--" ends the options, so a file may begin with "-".
// `unlesbar` names the arguments whose bytes were no UTF-8 text (NichtUtf8Argumente).
Startoptionen StartoptionenLesen(const QStringList &argumente, const QSet<QString> &unlesbar = {});

// The arguments whose bytes are no UTF-8 text, as Qt hands them on (with replacement
// characters): a file of such a name can't be named again through that text.
QSet<QString> NichtUtf8Argumente(int argc, char **argv);

// The message for such a name.
QString UnlesbarerName(const QString &name);

// The usage text that --hilfe prints.
QString StartoptionenHilfe();
