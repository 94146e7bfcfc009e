#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUINTARO_BUILD_TESTS=OFF -DQUINTARO_BUILD_BENCH=OFF
cmake --build build-release --target quintaro-analyser
exec ./build-release/bin/quintaro-analyser "$@"
