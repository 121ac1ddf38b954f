#!/usr/bin/env bash
# Fails when a source file includes a project header of a higher layer than its own folder.
# Layers from the bottom up; a folder may include its own layer and any lower one.
set -u
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
rank() {
  case "$1" in
    resources|formula) echo 0 ;;
    base) echo 1 ;;
    draw) echo 2 ;;
    elements) echo 3 ;;
    paint) echo 4 ;;
    explore) echo 5 ;;
    output|app/core) echo 6 ;;
    cli) echo 7 ;;
    app|web) echo 8 ;;
    *) echo 99 ;;
  esac
}
folder() { case "$1" in app/core/*) echo app/core ;; *) echo "${1%%/*}" ;; esac; }

bad=0
cd "$root" || exit 2
for f in $(git ls-files -co --exclude-standard -- '*.h' '*.cpp' 2>/dev/null || find . -name '*.[hc]*'); do
  own=$(folder "$f")
  r_own=$(rank "$own")
  [ "$r_own" = 99 ] && continue # tests, benchmarks and tools may use every layer
  while IFS= read -r inc; do
    r_inc=$(rank "$(folder "$inc")")
    [ "$r_inc" = 99 ] && continue
    # output and app/core stand side by side, and so do the front ends app and web: neither of a
    # pair may include the other.
    if [ "$r_inc" -gt "$r_own" ] || { [ "$r_inc" = "$r_own" ] && [ "$(folder "$inc")" != "$own" ] && { [ "$r_own" = 6 ] || [ "$r_own" = 8 ]; }; }; then
      echo "$f: includes $inc from a higher layer"
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$f")
done
[ "$bad" = 0 ] && echo "layers: every include points downwards"
exit "$bad"
