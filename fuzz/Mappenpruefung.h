// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entry/Arbeitsmappe.h"

#include <cstdlib>

// Reads a workbook as the entry window does it and checks what a reader promises: on failure the
// table is untouched, on success its size is the used range plus header row and number column.
inline void MappePruefen(const QString &datei)
{
    TextTabelle tabelle(7, 51);
    const TextTabelle vorher = tabelle;
    const Importgrenzen grenzen;
    const QString fehler = ExcelEinlesen(tabelle, datei, QLocale(QLocale::German, QLocale::Germany), grenzen);
    if (!fehler.isEmpty() && !(tabelle == vorher))
        std::abort();
    if (fehler.isEmpty() && (tabelle.zeilen() < 2 || tabelle.zeilen() > grenzen.zeilen + 1 || tabelle.spalten() < 2 ||
                             tabelle.spalten() > grenzen.spalten + 1))
        std::abort();
}
