#!/usr/bin/env bash
# The repaint of every entry with the results shown: the web edition under Node against the
# desktop, each the median of its repaints; prints both and their ratio. Takes turns, so that both
# meet the same load of the machine. Needs build (scripts/build.sh) and build-web
# (scripts/web-build.sh). web-bench.sh [REPAINTS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
repaints="${1:-40}"
cmake --build "$root/build" --target trimora_paint_timing >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$root/build-web" --target trimora_paint_timing >/dev/null
native=() web=()
for round in 1 2 3; do
  native+=("$("$root/build/web/trimora_paint_timing" "$repaints")")
  web+=("$(node "$root/build-web/web/trimora_paint_timing.js" "$repaints")")
done
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
n="$(median "${native[@]}")" w="$(median "${web[@]}")"
echo "Neuzeichnen aller Elemente: Desktop $n ms, Web (Node) $w ms, Verhältnis $(awk -v w="$w" -v n="$n" 'BEGIN { printf "%.2f", w / n }')"
echo "Last: $(uptime | sed 's/.*load average/load average/')"
