#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Kills saves of the draw history, a ticket and the settings with SIGKILL at random moments and
# checks after each kill that the file is one of its two versions, whole ("Version B": how
# often the killed run had finished a save of the second one). The leftovers of the
# killed saves are aged past the start's limit, and one start must then remove them all.
#   bash bench/abbruchtest.sh [kills per kind, default 300]
set -euo pipefail
cd "$(dirname "$0")/.."
runden=${1:-300}
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTARO_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target abbruch_speichern >/dev/null
helfer=build-release/bin/abbruch_speichern
export XDG_DATA_HOME XDG_RUNTIME_DIR
XDG_DATA_HOME=$(mktemp -d)
XDG_RUNTIME_DIR=$XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
ordner="$XDG_DATA_HOME/Quintaro Analyser"
bereit="$XDG_DATA_HOME/bereit"

printf '%-14s %6s %12s %12s %16s %18s\n' Dateiart Kills "Version B" beschaedigt "Reste nach Kill" "Reste nach Start"
for art in historie schein einstellungen; do
  beschaedigt=0
  zweite=0
  "$helfer" anlegen "$art"
  for ((i = 0; i < runden; i++)); do
    rm -f "$bereit"
    "$helfer" speichern "$art" "$bereit" &
    pid=$!
    # The kill falls at a random moment of the saves, not of the helper's start-up.
    while [ ! -e "$bereit" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.005; done
    sleep "$(printf '0.%03d' $((RANDOM % 100)))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    if befund=$("$helfer" pruefen "$art"); then
      [ "${befund#* }" = B ] && zweite=$((zweite + 1))
    else
      beschaedigt=$((beschaedigt + 1))
    fi
  done
  befund=$("$helfer" pruefen "$art" || true)
  reste=${befund%% *}
  # Leftovers of a second running instance's save are young; these are made old on purpose.
  find "$ordner" -maxdepth 1 -type f -name '*.??????' -exec touch -d '-11 minutes' {} +
  nach=$("$helfer" start)
  printf '%-14s %6d %12d %12d %16d %18d\n' "$art" "$runden" "$zweite" "$beschaedigt" "$reste" "$nach"
done
