// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Starts the program: start window, main window, event loop. Returns the exit code.
int Programmstart(int &argc, char **argv);
