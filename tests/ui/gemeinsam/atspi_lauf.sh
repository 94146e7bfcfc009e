#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs an AT-SPI check (a Python script beside this one) against the built program: the program
# under Xvfb with accessibility on, a private D-Bus session with its own AT-SPI bus, and the script
# as the AT-SPI client. Usage: atspi_lauf.sh SCRIPT.py PROGRAM. Exit 77 (skipped) when a part of
# that is not installed.
set -euo pipefail

skript="$1"
programm="$2"
hier="$(cd "$(dirname "$0")" && pwd)"

python=""
for p in /usr/bin/python3 python3; do
  if command -v "$p" >/dev/null && "$p" -c 'import pyatspi' 2>/dev/null; then
    python="$p"
    break
  fi
done
for teil in xvfb-run dbus-run-session xdotool; do
  if ! command -v "$teil" >/dev/null; then
    echo "SKIP: $teil is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done
if [ -z "$python" ] || [ ! -e /usr/libexec/at-spi-bus-launcher ]; then
  echo "SKIP: python3-pyatspi or at-spi2-core is not installed (scripts/install-deps.sh installs them)"
  exit 77
fi

ordner="$(mktemp -d)"
trap 'rm -rf "$ordner"' EXIT
mkdir -m 0700 "$ordner/laufzeit"
export HOME="$ordner" XDG_DATA_HOME="$ordner/daten" XDG_CACHE_HOME="$ordner/cache" \
  XDG_CONFIG_HOME="$ordner/konfiguration" XDG_RUNTIME_DIR="$ordner/laufzeit"
export LANG=de_DE.UTF-8 LC_ALL=
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

dbus-run-session -- xvfb-run -a -s "-screen 0 1400x1000x24" \
  "$python" "$hier/$skript" "$programm"
