#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time on its
# seed corpus. A crash leaves its input in the build folder and fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DLETTORIA_FUZZ=ON -DLETTORIA_TESTS=OFF -DLETTORIA_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
for target in fuzz_lista fuzz_impostazioni; do
  name=${target#fuzz_}
  work="$dir/corpus-$name"
  mkdir -p "$work"
  echo "fuzz: $target for ${seconds}s"
  "$dir/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 -timeout=5 -rss_limit_mb=2048 \
    -artifact_prefix="$dir/crash-$name-" "$work" "tests/fuzz/corpus/$name" 2>"$dir/$target.log" \
    || { tail -n 40 "$dir/$target.log"; echo "fuzz: $target FAILED"; exit 1; }
  grep -E '^Done|#[0-9]+.*DONE' "$dir/$target.log" | tail -n 1 || true
done
echo "fuzz: 2 passed, 0 failed"
