// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct Aufruf;

// The commands of the command line; each returns the exit status.
int Auswerten(const Aufruf &aufruf);
int Statistik(const Aufruf &aufruf);
int Zufall(const Aufruf &aufruf);
int Gewinnreihen(const Aufruf &aufruf);
int System(const Aufruf &aufruf);
int StrategieTesten(const Aufruf &aufruf); // "strategie"
// The syndicate ledger; not named Gemeinschaft, which is the core's class.
int GemeinschaftBefehl(const Aufruf &aufruf);
