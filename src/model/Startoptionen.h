#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of a start: `quintaro-analyser [--beispiel] [FILE.qtt …]`.
struct Startoptionen
{
    bool beispieldaten = false; // --beispiel: work on the sample data folder
    bool hilfe = false;         // --hilfe, --help, -h: print the usage and end
    bool version = false;       // --version: print the version and end
    QStringList dateien;        // ticket files to open as tabs, as absolute paths
    QString fehler;             // an unknown option, as a German message
};

// `argumente` without the program's name; "--" ends the options, so a file may begin with "-".
Startoptionen StartoptionenLesen(const QStringList &argumente);

// The usage text that --hilfe prints.
QString StartoptionenHilfe();
