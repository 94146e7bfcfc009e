// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A workbook file of any content (xlsx, ods, xls or none of them), read as the entry window does:
// xlsx and ods in this process, xls by the reader's child process beside this program. A file
// the child fails on is a rejected file like any other.

#include "Fuzzdatei.h"
#include "Mappenpruefung.h"

#include "entry/Mappenleser.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The program's folder, where the .xls reader is looked for, is known to an application only.
    static QCoreApplication anwendung(*argc, *argv);
    if (!QFileInfo(XlsLeserProgramm()).isExecutable()) {
        std::fprintf(stderr, "%s is missing: build the target quintaro-xls-leser\n", qPrintable(XlsLeserProgramm()));
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    MappePruefen(alsDatei(daten, groesse, QStringLiteral("mappe.xlsx")));
    return 0;
}
