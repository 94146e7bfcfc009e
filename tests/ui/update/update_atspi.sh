#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The update window as assistive technology sees it (update_atspi.py).
# Usage: update_atspi.sh PROGRAM. Exit 77 (skipped) when a part is not installed.
exec "$(dirname "$0")/../gemeinsam/atspi_lauf.sh" ../update/update_atspi.py "$1"
