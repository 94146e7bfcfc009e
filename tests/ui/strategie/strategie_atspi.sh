#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The strategy test window and its strategy dialog as assistive technology sees them
# (strategie_atspi.py). Usage: strategie_atspi.sh PROGRAM. Exit 77 (skipped) when a part is not
# installed.
hier="$(cd "$(dirname "$0")" && pwd)"
exec "$hier/../gemeinsam/atspi_lauf.sh" ../strategie/strategie_atspi.py "$1"
