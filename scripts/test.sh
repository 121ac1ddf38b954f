#!/usr/bin/env bash
# Installs what is missing, builds Trimora with its tests and runs every test.
# TRIMORA_SANITIZE=1 builds into build-asan with AddressSanitizer and UBSan instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
if [ "${TRIMORA_SANITIZE:-0}" = 1 ]; then
  dir="$root/build-asan"
  bash "$root/scripts/build.sh" "$dir" -DTRIMORA_SANITIZE=ON -DTRIMORA_BUILD_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  dir="$root/build"
  bash "$root/scripts/build.sh" "$dir"
fi
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j "$(nproc)"
