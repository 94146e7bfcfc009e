// SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/haupt/Programmstart.h"

int main(int argc, char **argv) { return Programmstart(argc, argv); }
