#!/usr/bin/env bash
# Installs Trimora into a temporary prefix and asks the desktop's own tools about it: the menu
# entry is valid, a .tmo file is application/x-trimora and opens with that entry, the installed
# program runs, and the man page names every option of --help. Usage: install_check.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
share="$tmp/usr/share"
for f in bin/trimora share/applications/trimora.desktop share/mime/packages/trimora.xml \
         share/icons/hicolor/scalable/apps/trimora.svg share/man/man1/trimora.1.gz \
         share/metainfo/io.github.trimora.Trimora.metainfo.xml share/doc/trimora/handbuch.html \
         share/doc/trimora/copyright; do
  [ -e "$tmp/usr/$f" ] || fail "nicht installiert: $f"
done
# Only the temporary prefix counts, whatever desktop or user settings this machine has.
export XDG_DATA_DIRS="$share" XDG_DATA_HOME="$tmp/home/.local/share" XDG_CONFIG_HOME="$tmp/home/.config"
export XDG_CONFIG_DIRS="$tmp/etc/xdg" HOME="$tmp/home"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

desktop-file-validate "$share/applications/trimora.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/io.github.trimora.Trimora.metainfo.xml" >/dev/null ||
  { appstreamcli validate --no-net --pedantic "$share/metainfo/io.github.trimora.Trimora.metainfo.xml"; fail "AppStream"; }
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
"$tmp/usr/bin/trimora" --vertices "1;2;-2;-1;2;-1" --results /dev/null
printf '1\r\n2\r\n-2\r\n-1\r\n2\r\n-1\r\nPunkt A\r\n#\r\n#\r\n#\r\n#\r\n' > "$tmp/dreieck.tmo"
type="$(xdg-mime query filetype "$tmp/dreieck.tmo")"
[ "$type" = application/x-trimora ] || fail "Dateityp von dreieck.tmo: $type"
handler="$(xdg-mime query default application/x-trimora)"
[ "$handler" = trimora.desktop ] || fail "Programm für application/x-trimora: $handler"

version="$("$tmp/usr/bin/trimora" --version)"
[[ "$version" == "Trimora "[0-9]* ]] || fail "--version gibt: $version"
options="$("$tmp/usr/bin/trimora" --help | grep -o -- '--[a-z0-9]*' | sort -u)"
manual="$(gzip -dc "$share/man/man1/trimora.1.gz" | sed 's/\\-/-/g')" # roff writes a minus as \-
for option in $options; do
  grep -q -- "$option\b" <<<"$manual" || fail "die Handbuchseite nennt $option nicht"
done
echo "ok: $type, $handler, $version, $(wc -w <<<"$options") Optionen"
