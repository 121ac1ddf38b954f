#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each for the given number of
# seconds (default 60), starting from its seeds; prints executions, speed and coverage. Not part
# of CI. A crash leaves its input as crash-* in build-fuzz: copy it into fuzz/<target>_seeds, where
# the test suite replays it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
command -v clang++ >/dev/null || { apt-get update -qq && apt-get install -y -qq clang; }
dir="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIMORA_FUZZ=ON \
  -DTRIMORA_BUILD_APP=OFF -DTRIMORA_BUILD_TESTS=OFF -DTRIMORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target formula_fuzz tmo_fuzz cli_fuzz session_ini_fuzz >/dev/null
cd "$dir"
for name in formula tmo cli session_ini; do
  mkdir -p "corpus-$name"
  echo "== ${name}_fuzz, $seconds s"
  "./fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "corpus-$name" \
    "$root/fuzz/${name}_seeds" 2>&1 | grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|ERROR|crash-' || true
done
