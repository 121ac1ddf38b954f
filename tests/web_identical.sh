#!/usr/bin/env bash
# The web edition's command line (Node) against the desktop program: the same bytes on standard
# output and error, the same exit code and the same files, for every topic's results, all elements
# on five triangles, the relations, TikZ and the CSV table; and the page's module (trimora-core.mjs
# beside the command line) driven as the page drives it.
# With NATIVE_LIBM_CHECK also the web edition's sine, cosine, arc tangent and hypot against the
# desktop's (web/libm_check.cpp).
# web_identical.sh NATIVE_PROGRAM WEB_CLI_JS SOURCE_DIR [NATIVE_LIBM_CHECK]
set -uo pipefail
native="$(realpath "$1")" web="$(realpath "$2")" src="$(realpath "$3")" libm_check="${4:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cases=0 failures=0

page="$(dirname "$web")/trimora-core.mjs"
page_lines="$src/tests/web/session_lines.mjs"

# same LABEL OPTIONS...: runs both in folders of their own and compares everything they wrote.
# same_page TOPIC: the page's module against `--topic TOPIC --results - --relations`.
same() { compare "$1" node "$web" "${@:2}" -- "${@:2}"; }
same_page() { compare "Seite: $1" node "$page_lines" "$page" "$1" -- --topic "$1" --results - --relations; }

# compare LABEL WEB_COMMAND... -- NATIVE_OPTIONS...
compare() {
  local label="$1" web_command=() side
  shift
  while [ "$1" != -- ]; do web_command+=("$1"); shift; done
  shift
  for side in native web; do
    rm -rf "${work:?}/$side" && mkdir "$work/$side"
    if [ "$side" = native ]; then
      (cd "$work/native" && "$native" "$@" >stdout 2>stderr; echo $? >exit)
    else
      (cd "$work/web" && "${web_command[@]}" >stdout 2>stderr; echo $? >exit)
    fi
  done
  cases=$((cases + 1))
  if ! diff -r "$work/native" "$work/web" >"$work/diff"; then
    failures=$((failures + 1))
    echo "VERSCHIEDEN: $label"
    head -20 "$work/diff"
  fi
}

topics=()
while IFS= read -r topic; do topics+=("$topic"); done < <(
  grep -a '^\[' "$src/resources/wtrimora.txt" | sed 's/^\[//; s/\r$//; s/\]$//' | iconv -f CP1252 -t UTF-8)
for topic in "${topics[@]}"; do
  same "Thema $topic" --topic "$topic" --results -
done

triangles=("1;2;-2;-1;2;-1" "0;0;4;0;0;3" "1000;1000;1001;1000;1000;1001" "-2;0;2;0;0.5;0.001"
           "100.3;99.8;102.1;100.4;100.9;101.8")
for t in "${triangles[@]}"; do
  same "alle Elemente auf $t" --vertices "$t" --all --results -
  same "Zusammenhänge auf $t" --vertices "$t" --relations
done
same "Zusammenhänge eines Themas" --topic "Feuerbach-Kreis" --relations-all
same "TikZ und Tabelle" --topic "Feuerbach-Kreis" --all --results ergebnisse.csv --export bild.tex
same "Windows-Text" --vertices "0;0;4;0;0;3" --on 13 --results ergebnisse.txt --cp1252
same "Ortslinie" --vertices "0;0;4;0;1;3" --on 13 --locus "Höhenschnittpunkt" --results - --export ort.tex
same "falsche Option" --gibtsnicht
same "Dreiecksdatei" --load "$src/fuzz/tmo_seeds/grunddreieck.tmo" --all --results -
for topic in "Grunddreieck" "Feuerbach-Kreis" "Feuerbach-Hypozykloiden"; do same_page "$topic"; done

# What only the web edition writes: SVG without Qt, and a German refusal for the raster formats.
cases=$((cases + 2))
(cd "$work" && node "$web" --topic "Feuerbach-Kreis" --export bild.svg) &&
  head -c 5 "$work/bild.svg" | grep -q '<?xml' && tail -n 1 "$work/bild.svg" | grep -q '</svg>' ||
  { failures=$((failures + 1)); echo "FEHLER: kein SVG-Bild"; }
if (cd "$work" && node "$web" --topic "Feuerbach-Kreis" --export bild.png 2>"$work/refusal"); then
  failures=$((failures + 1)); echo "FEHLER: PNG ohne Fehler"
elif ! grep -q "nur als SVG" "$work/refusal"; then
  failures=$((failures + 1)); echo "FEHLER: keine Meldung für PNG"
fi

if [ -n "$libm_check" ]; then
  cases=$((cases + 1))
  if ! "$libm_check" write "$work/libm.bin" || ! node "$(dirname "$web")/trimora_libm_check.js" check "$work/libm.bin"; then
    failures=$((failures + 1)); echo "VERSCHIEDEN: Winkelfunktionen und hypot"
  fi
fi

expected=$((${#topics[@]} + 2 * ${#triangles[@]} + 11 + (${#libm_check} > 0)))
echo "$cases Fälle, $failures verschieden"
[ "${#topics[@]}" -ge 60 ] && [ "$cases" -eq "$expected" ] && [ "$failures" -eq 0 ]
