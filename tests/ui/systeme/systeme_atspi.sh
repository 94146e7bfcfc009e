#!/usr/bin/env bash
# The systems window as assistive technology sees it (systeme_atspi.py). Usage: systeme_atspi.sh
# PROGRAM. Exit 77 (skipped) when a part is not installed.
exec "$(dirname "$0")/../gemeinsam/atspi_lauf.sh" ../systeme/systeme_atspi.py "$1"
