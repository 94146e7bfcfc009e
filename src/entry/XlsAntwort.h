// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// What quintaro-xls-leser writes to its standard output: the cells of the first worksheet of an
// .xls workbook. Plain C++, shared by the helper and the reader in the program.
//
// Invocation: quintaro-xls-leser FILE ROWS COLUMNS CELLS
//
// The answer starts with `Kennung`, then records, each a tag byte and little-endian fields:
//   'B' u32 length, bytes       the name of the first worksheet (UTF-8), at most once, before any cell
//   'S' u32 length, bytes       a UTF-8 text; the texts are numbered 0, 1, 2, … in order
//   'I' u32 row, u32 column, i32 value         a whole number
//   'D' u32 row, u32 column, u64 bits          a number (IEEE 754 double)
//   'T' u32 row, u32 column, u32 text number   a text cell, its text sent before
//   'R' u32 row, u32 column     the first cell that holds a formula, whose result the helper
//                               can't see; the last record before 'E'
//   'F' i32 kind, i32 code     the workbook can't be read (`Xlsfehler`); the last record before 'E'
//   'E'                        the end: nothing follows
// Rows and columns count from 1; only cells that hold a value are sent, row by row. The helper
// stops right after the first cell beyond a limit (a row beyond ROWS, a column beyond COLUMNS,
// more than CELLS cells), which the reader then refuses. A text is cut to `MaxXlsTextBytes`.
namespace XlsAntwort {

inline constexpr char Kennung[4] = {'Q', 'X', 'L', '1'};

enum Satz : char {
    Blatt = 'B',
    Text = 'S',
    Ganzzahl = 'I',
    Zahl = 'D',
    Textzelle = 'T',
    Formel = 'R',
    Fehler = 'F',
    Ende = 'E',
};

enum Xlsfehler : std::int32_t {
    Oeffnen = 1,      // the library can't open the file; code: its error number
    Kennwort = 2,     // the workbook is protected by a password
    KeineTabelle = 3, // no worksheet
    Groesse = 4,      // the size of the first worksheet is unreadable
};

// A cell holds at most 32767 characters; each takes at most 3 bytes of UTF-8.
inline constexpr std::uint32_t MaxXlsTextBytes = 3 * 32767;

} // namespace XlsAntwort
