// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An OpenDocument spreadsheet whose content.xml is any XML, read as the entry window does it.

#include "Mappenpruefung.h"
#include "Zipmappe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    MappePruefen(zipMappe({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", inhalt}},
                          QStringLiteral("mappe.ods")));
    return 0;
}
