#!/usr/bin/env bash
# The page's tests: the unit tests under Node (web/page/tests/unit), then the browser test: builds
# what is missing and the page, serves it on a free local port, runs web/page/tests/*.test.mjs in
# Debian's Chromium, then stops the server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/web-page-prepare.sh"
cd "$page"
npx tsc --noEmit -p .
unit="$build/page-unit"
rm -rf "$unit"
npx tsc -p tsconfig.unit.json --outDir "$unit"
echo '{"type": "module"}' >"$unit/package.json"
node --test "$unit/tests/unit/"
npx vite build --logLevel warn
port="$(node -e 'const s=require("net").createServer().listen(0,"127.0.0.1",()=>{console.log(s.address().port);s.close()})')"
node node_modules/vite/bin/vite.js preview --host 127.0.0.1 --port "$port" --strictPort --bypass-lock >/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  kill -0 "$server" 2>/dev/null || { echo "Der Server der Seite startete nicht." >&2; exit 1; }
  if node -e 'fetch(process.argv[1]).then(r=>process.exit(r.ok?0:1),()=>process.exit(1))' "http://127.0.0.1:$port/"; then
    break
  fi
  sleep 0.1
done
PAGE_URL="http://127.0.0.1:$port/" node --test --test-concurrency=1 tests/
