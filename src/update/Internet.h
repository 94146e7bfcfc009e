// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// Whether the computer is connected to the internet: the desktop's network service is asked
// where it runs; without one, any active network interface other than loopback counts.
// The answer only spares the user a browser's error page, so an unclear state counts as
// connected.
bool InternetVerbunden();

// Tests fix the answer with this; std::nullopt asks the system again.
void setzeInternetVerbundenFuerTests(std::optional<bool> antwort);
