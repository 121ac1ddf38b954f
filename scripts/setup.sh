#!/usr/bin/env bash
# Installs the Debian packages that Trimora needs to build, run and test.
# Skips apt-get entirely when everything is already there, so a second run is fast.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  zlib1g-dev libjpeg-dev libpng-dev libgif-dev libemf-dev
  libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev
  fonts-dejavu-core qt6-translations-l10n
  file dpkg-dev desktop-file-utils xdg-utils shared-mime-info libfile-mimeinfo-perl
)
# --web: only what the web edition needs besides (emscripten, Node, and Chromium for the page's
# browser test) — kept apart so that the plain desktop setup does not fetch it.
if [ "${1:-}" = --web ]; then
  packages=(cmake emscripten nodejs libeigen3-dev gzip chromium fonts-dejavu-core)
fi
# What the tests run against besides: Debian's package checks, the AppStream validator, LaTeX with
# TikZ for the TikZ pictures and poppler's tools for reading PDF files back.
if [ "${1:-}" = --tests ]; then
  packages+=(lintian appstream poppler-utils texlive-latex-base texlive-pictures)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installiere: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
