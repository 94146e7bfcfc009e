#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main window's date list as assistive technology sees it (datumsliste_atspi.py).
# Usage: datumsliste_atspi.sh PROGRAM. Exit 77 (skipped) when a part is not installed.
exec "$(dirname "$0")/atspi_lauf.sh" datumsliste_atspi.py "$1"
