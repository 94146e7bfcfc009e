// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An xlsx workbook whose worksheet and shared strings are any XML (the input split at its first
// NUL byte), read as the entry window does it.

#include "Mappenpruefung.h"
#include "Zipmappe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const auto [blatt, zeichenketten] = zweiTeile(daten, groesse);
    MappePruefen(
        zipMappe({{"xl/workbook.xml", "<workbook><sheets><sheet name=\"A\" r:id=\"rId1\"/></sheets></workbook>"},
                  {"xl/_rels/workbook.xml.rels",
                   "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>"},
                  {"xl/worksheets/sheet1.xml", blatt},
                  {"xl/sharedStrings.xml", zeichenketten}},
                 QStringLiteral("mappe.xlsx")));
    return 0;
}
