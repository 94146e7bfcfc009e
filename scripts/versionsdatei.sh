#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the version file of a release, which the release key then signs (see README,
# "Releases"): scripts/versionsdatei.sh VERSION INSTALLER > verinfos.qta
# Four records of 24 bytes: "QTA-UPD1", the installer's size (8 bytes, little-endian), 8 zero
# bytes; its SHA-256 and 16 zero bytes; then the version record every program version reads.
set -eu

if [ $# -ne 2 ]; then
  echo "Aufruf: $0 VERSION INSTALLER > verinfos.qta" >&2
  exit 2
fi
version=$1
installer=$2
if ! printf '%s' "$version" | grep -Eq '^[0-9]+(\.[0-9]+)+$' || [ ${#version} -gt 15 ]; then
  echo "Die Version \"$version\" besteht nicht aus höchstens 15 Zeichen Zahlen mit Punkten dazwischen." >&2
  exit 1
fi
if [ ! -f "$installer" ] || [ ! -s "$installer" ]; then
  echo "Die Installationsdatei \"$installer\" fehlt oder ist leer." >&2
  exit 1
fi

# One byte, given as a number, written as octal escape (the shell's printf knows no \x).
byte() { printf "\\$(printf '%03o' "$1")"; }
nullen() { head -c "$1" /dev/zero; }

groesse=$(wc -c < "$installer" | tr -d ' ')
hash=$(sha256sum < "$installer" | cut -c1-64)

printf 'QTA-UPD1'
rest=$groesse
for _ in 1 2 3 4 5 6 7 8; do
  byte $((rest % 256))
  rest=$((rest / 256))
done
nullen 8
h=$hash
while [ -n "$h" ]; do
  paar=${h%"${h#??}"}
  h=${h#??}
  byte "0x$paar"
done
nullen 16
nullen 8
byte ${#version}
printf '%s' "$version"
nullen $((15 - ${#version}))
