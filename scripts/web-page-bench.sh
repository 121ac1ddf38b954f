#!/usr/bin/env bash
# The page's speed benchmark (web/page/bench/page-bench.mjs) in Debian's headless Chromium: builds
# what is missing and the page, serves it on a free port of 127.0.0.1 and prints the medians with
# the machine's load. RUNS and STEPS set the number of runs and of drag steps.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/web-page-prepare.sh"
cd "$page"
npx vite build --logLevel warn
port="$(node -e 'const s=require("net").createServer().listen(0,"127.0.0.1",()=>{console.log(s.address().port);s.close()})')"
node node_modules/vite/bin/vite.js preview --host 127.0.0.1 --port "$port" --strictPort >/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  node -e 'fetch(process.argv[1]).then(r=>process.exit(r.ok?0:1),()=>process.exit(1))' "http://127.0.0.1:$port/" && break
  sleep 0.1
done
echo "Last: $(uptime)"
PAGE_URL="http://127.0.0.1:$port/" node bench/page-bench.mjs
echo "Last: $(uptime)"
