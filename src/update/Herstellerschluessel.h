// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "update/Signatur.h"

#include <optional>

// The public half of the key the maker signs program updates with (minisign). It is built into
// the program: no setting, file or variable of the environment can name another one.
Minisignschluessel Herstellerschluessel();

// Tests sign with a key of their own; std::nullopt returns to the built-in key.
void setzeHerstellerschluesselFuerTests(std::optional<Minisignschluessel> schluessel);
