#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default 30 seconds):
#   bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
seconds=${1:-30}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_FUZZ=ON \
  -DQUINTARO_BUILD_TESTS=OFF -DQUINTARO_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$(nproc)" --target fuzz_ziehungsdatei fuzz_tippscheindatei fuzz_einstellungen fuzz_zwischenablage \
  fuzz_tippreihentext fuzz_csv fuzz_arbeitsmappe fuzz_xlsx fuzz_ods
for target in fuzz_ziehungsdatei fuzz_tippscheindatei fuzz_einstellungen fuzz_zwischenablage \
  fuzz_tippreihentext fuzz_csv fuzz_arbeitsmappe fuzz_xlsx fuzz_ods; do
  echo "== $target"
  mkdir -p "build-fuzz/corpus/$target"
  "build-fuzz/bin/$target" -max_total_time="$seconds" -max_len=65536 "build-fuzz/corpus/$target"
done
