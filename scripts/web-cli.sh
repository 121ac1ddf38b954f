#!/usr/bin/env bash
# The web edition's command line under Node, with the options of `trimora` (pictures only as TikZ):
#   bash scripts/web-cli.sh --topic "Feuerbach-Kreis" --results -
# Built by scripts/web-build.sh; TRIMORA_WEB_BUILD names another build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cli="${TRIMORA_WEB_BUILD:-$root/build-web}/web/trimora-cli.js"
if [ ! -f "$cli" ]; then
  echo "trimora: Die Web-Ausgabe ist nicht gebaut (bash scripts/web-build.sh)." >&2
  exit 1
fi
exec node "$cli" "$@"
