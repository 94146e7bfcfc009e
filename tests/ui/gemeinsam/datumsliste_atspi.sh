#!/usr/bin/env bash
# The main window's date list as assistive technology sees it (datumsliste_atspi.py).
# Usage: datumsliste_atspi.sh PROGRAM. Exit 77 (skipped) when a part is not installed.
exec "$(dirname "$0")/atspi_lauf.sh" datumsliste_atspi.py "$1"
