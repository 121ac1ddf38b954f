#!/usr/bin/env bash
# Builds the web edition with Debian's emscripten into build-web (or the given folder): the command
# line for Node (web/trimora-cli.js with its .wasm) and the page's module (web/trimora-core.mjs with
# its .wasm). Prints the size of each with its glue, gzipped.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build-web}"
bash "$root/scripts/setup.sh" --web
# Debian's emscripten finds its JavaScript tools (acorn) there, whichever Node runs it.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O3 -DNDEBUG" \
  "-DCMAKE_C_FLAGS_RELEASE=-O3 -DNDEBUG" -DTRIMORA_BUILD_APP=OFF -DTRIMORA_BUILD_TESTS=OFF \
  -DTRIMORA_BUILD_BENCH=OFF -DEigen3_DIR=/usr/share/eigen3/cmake >/dev/null
cmake --build "$dir" -j "$(nproc)" --target trimora_web_cli trimora_web_module trimora_libm_check
packed() { echo $(($(gzip -9c "$1" | wc -c) + $(gzip -9c "$2" | wc -c))); }
echo "Befehlszeile: $(packed "$dir"/web/trimora-cli.js "$dir"/web/trimora-cli.wasm) Bytes gepackt (gzip -9)"
echo "Modul der Seite: $(packed "$dir"/web/trimora-core.mjs "$dir"/web/trimora-core.wasm) Bytes gepackt (gzip -9)"
