// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "evaluation/Gewinnbericht.h"

#include <QString>

class QPagedPaintDevice;
class QWidget;

// Lays a report out on A4 pages: a title, sections with captions and values, tables whose
// header repeats on every page, and on every page a footer with the program, the date of the
// report and the page number.
namespace Berichtsdruck {

// Paints the report on the pages of a printer or PDF writer. Returns the German message on
// failure, empty on success.
QString zeichnen(const Gewinnbericht &bericht, QPagedPaintDevice &geraet);

// How many pages the report takes on the device.
int seitenzahl(const Gewinnbericht &bericht, QPagedPaintDevice &geraet);

// Writes the report as a PDF file; an existing file is replaced only by a completely written
// new one. Returns the German message on failure, empty on success.
QString alsPdf(const Gewinnbericht &bericht, const QString &datei);

// Asks for a printer (print dialog) and prints the report on A4. Returns the German message on
// failure; empty on success and when the user cancelled.
QString drucken(QWidget *eltern, const Gewinnbericht &bericht);

} // namespace Berichtsdruck
