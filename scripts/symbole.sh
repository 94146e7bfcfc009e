#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the PNG sizes of the program and ticket icons from their SVG sources in data/icons/.
# Run after changing an SVG and commit the PNGs with it; needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for groesse in 16 22 24 32 48 64 128 256; do
  mkdir -p "$groesse"
  for symbol in quintaro-analyser application-x-quintaro-tippschein; do
    rsvg-convert -w "$groesse" -h "$groesse" "$symbol.svg" -o "$groesse/$symbol.png"
  done
done
