#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; does nothing when all are present.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-liberation fonts-dejavu-core
    fonts-dejavu-extra qt6-translations-l10n xvfb xauth xdotool imagemagick tesseract-ocr
    locales python3 libnova-dev qt6-charts-dev libqt6sql6-sqlite qt6-svg-dev librsvg2-bin
    poppler-utils cups cups-filters ghostscript
    printer-driver-cups-pdf clang libclang-rt-14-dev
    desktop-file-utils appstream lintian dpkg-dev fakeroot x11-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Instalando: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
