#!/usr/bin/env bash
# Builds what is missing of the web page (the module, the Node packages) and the page itself into
# build-web/page, then serves it on 127.0.0.1 (port PORT, by default 8080) until Ctrl+C.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/web-page-prepare.sh"
(cd "$page" && npx tsc --noEmit -p . && npx vite build --logLevel warn)
port="${PORT:-8080}"
echo "Trimora im Browser: http://127.0.0.1:$port/"
cd "$page" && exec npx vite preview --host 127.0.0.1 --port "$port" --strictPort
