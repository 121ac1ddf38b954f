#!/usr/bin/env bash
# Installs what is missing, builds Trimora with its tests and runs every test.
# TRIMORA_SANITIZE=1 builds into build-asan with AddressSanitizer and UBSan instead;
# TRIMORA_SANITIZE=thread builds the threaded code and the window tests that drive it into
# build-tsan with ThreadSanitizer and runs them (the fast picture, the window, the relations found
# from the window, the loci).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh" --tests
export QT_QPA_PLATFORM=offscreen
case "${TRIMORA_SANITIZE:-0}" in
  1)
    dir="$root/build-asan"
    bash "$root/scripts/build.sh" "$dir" -DTRIMORA_SANITIZE=ON -DTRIMORA_BUILD_BENCH=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ;;
  thread)
    dir="$root/build-tsan"
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIMORA_TSAN=ON -DTRIMORA_BUILD_BENCH=OFF >/dev/null
    cmake --build "$dir" -j "$(nproc)" --target trimora_gui_tests
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp"
    export TRIMORA_STRESS_FRAMES=150
    cd "$dir"
    ctest --output-on-failure -j "$(nproc)" -L window
    exit
    ;;
  *)
    dir="$root/build"
    # With the web edition built (scripts/web-build.sh), its outputs are compared with the desktop's.
    web=""
    if [ -f "$root/build-web/web/trimora-cli.js" ]; then web="$root/build-web"; fi
    bash "$root/scripts/build.sh" "$dir" "-DTRIMORA_WEB_BUILD=$web"
    ;;
esac
cd "$dir"
ctest --output-on-failure -j "$(nproc)"
