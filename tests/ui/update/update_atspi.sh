#!/usr/bin/env bash
# The update window as assistive technology sees it (update_atspi.py).
# Usage: update_atspi.sh PROGRAM. Exit 77 (skipped) when a part is not installed.
exec "$(dirname "$0")/../gemeinsam/atspi_lauf.sh" ../update/update_atspi.py "$1"
