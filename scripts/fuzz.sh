#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quintaro Analyser authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets (fuzz/fuzz_*.cpp) with clang and runs each for a while, starting
# from its seed corpus in fuzz/corpus/<target>/ (default 30 seconds per target):
#   bash scripts/fuzz.sh [seconds] [target ...]
# Without target names every target runs, one after the other. New inputs collect in
# build-fuzz/corpus/<target>/, findings in build-fuzz/funde/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds=${1:-30}
shift || true
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_FUZZ=ON \
  -DQUINTARO_BUILD_TESTS=OFF -DQUINTARO_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"
# What a reader may cost for any input: 300 MB and 5 seconds. AddressSanitizer's quarantine of
# freed memory is kept small, so the limit measures the reader, not the sanitizer.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}quarantine_size_mb=16"
# Every input is written to a file and saved again; on a memory file system the flush to the
# disk that each save does costs nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
for target in "${targets[@]}"; do
  echo "== $target"
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/funde/$target"
  seeds=()
  if [ -d "fuzz/corpus/$target" ]; then
    seeds=("fuzz/corpus/$target")
  fi
  "build-fuzz/bin/$target" -max_total_time="$seconds" -max_len=65536 -timeout=5 -rss_limit_mb=300 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/funde/$target/" "build-fuzz/corpus/$target" "${seeds[@]}"
done
