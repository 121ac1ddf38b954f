#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks it: the dependencies computed from
# the linked libraries are listed, the files of a desktop program are in it, and the packed
# program runs. Usage: package_check.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$tmp" >/dev/null
deb="$(ls "$tmp"/trimora_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6widgets6 libqt6svg6 libjpeg62-turbo libpng16-16 libgif7 libemf1 zlib1g fonts-dejavu-core \
               qt6-translations-l10n; do
  [[ "$depends" == *"$library"* ]] || fail "Depends ohne $library: $depends"
done
contents="$(dpkg-deb -c "$deb")"
for f in ./usr/bin/trimora ./usr/share/applications/trimora.desktop ./usr/share/mime/packages/trimora.xml \
         ./usr/share/icons/hicolor/scalable/apps/trimora.svg ./usr/share/man/man1/trimora.1.gz \
         ./usr/share/doc/trimora/copyright ./usr/share/doc/trimora/changelog.gz \
         ./usr/share/metainfo/io.github.trimora.Trimora.metainfo.xml; do
  grep -q " $f\$" <<<"$contents" || fail "nicht im Paket: $f"
done
dpkg-deb -x "$deb" "$tmp/root"
version="$("$tmp/root/usr/bin/trimora" --version)"
[[ "$version" == "Trimora "[0-9]* ]] || fail "--version gibt: $version"
# Debian's own checks: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian"
echo "ok: $(basename "$deb"), $version, Depends: $depends"
