// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The tables of a syndicate file, version by version: step n brings a file of version n - 1 to
// version n. Dates are ISO texts (yyyy-MM-dd), amounts whole cents.
namespace Schema {

// "QTGE": tells a syndicate file from any other SQLite database.
inline constexpr int Anwendungskennung = 0x51544745;

// The statements of step `version`; empty when there is no such step.
QStringList Schritt(int version);

} // namespace Schema
