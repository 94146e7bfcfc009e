#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The generator's pattern filter and the statistics' pattern page as assistive technology sees
# them (musterfilter_atspi.py). Usage: musterfilter_atspi.sh PROGRAM. Exit 77 (skipped) when a
# part is not installed.
exec "$(dirname "$0")/atspi_lauf.sh" musterfilter_atspi.py "$1"
