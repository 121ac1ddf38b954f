#!/usr/bin/env bash
# Builds what is missing of the web page (the module, the Node packages) and the page itself into
# build-web/page, then serves it on 127.0.0.1 (port PORT, by default 8080) until Ctrl+C.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TRIMORA_WEB_BUILD:-$root/build-web}"
page="$root/web/page"
# Missing, or older than the page's bindings (a page of today needs their functions).
if [ ! -f "$build/web/trimora-core.mjs" ] ||
  [ -n "$(find "$root/web" -maxdepth 1 \( -name '*.cpp' -o -name '*.h' \) -newer "$build/web/trimora-core.mjs")" ]; then
  bash "$root/scripts/web-build.sh" "$build"
fi
if [ ! -d "$page/node_modules" ]; then
  (cd "$page" && npm ci --no-audit --no-fund)
fi
export TRIMORA_WEB_BUILD="$build" TRIMORA_PAGE_OUT="$build/page"
(cd "$page" && npx tsc --noEmit -p . && npx vite build --logLevel warn)
port="${PORT:-8080}"
echo "Trimora im Browser: http://127.0.0.1:$port/"
cd "$page" && exec npx vite preview --host 127.0.0.1 --port "$port" --strictPort
