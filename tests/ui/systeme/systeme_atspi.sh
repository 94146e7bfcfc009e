#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The systems window as assistive technology sees it (systeme_atspi.py). Usage: systeme_atspi.sh
# PROGRAM. Exit 77 (skipped) when a part is not installed.
exec "$(dirname "$0")/../gemeinsam/atspi_lauf.sh" ../systeme/systeme_atspi.py "$1"
