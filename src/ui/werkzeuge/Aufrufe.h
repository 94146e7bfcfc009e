// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct Zustand;

// The launches behind the small commands: web pages, the mail link, the pocket calculator.
namespace Aufrufe {

enum class Seite { Homepage, Ergebnisse, Produkt };

// Opens the page named in the section [Web] of the settings when there is an internet
// connection. Without one the home page and the results page say so; the product page, a
// banner's link, does nothing.
void seiteOeffnen(const Zustand &zustand, Seite seite);

// Starts the user's mail program with a new message to `adresse`, the program's name as subject.
void mailSchreiben(const QString &adresse);

// Starts the calculator found on the PATH; says so when it cannot be started.
void rechnerStarten(const QString &programm);
// Why the calculator command is disabled when no calculator was found.
QString keinRechnerGrund();

} // namespace Aufrufe
