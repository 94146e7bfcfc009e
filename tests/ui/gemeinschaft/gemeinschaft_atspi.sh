#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The syndicate window as assistive technology sees it (gemeinschaft_atspi.py). Usage:
# gemeinschaft_atspi.sh PROGRAM. Exit 77 (skipped) when a part is not installed.
hier="$(cd "$(dirname "$0")" && pwd)"
exec "$hier/../gemeinsam/atspi_lauf.sh" ../gemeinschaft/gemeinschaft_atspi.py "$1"
