#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velumbra on the user's copy of the bundled data.
set -euo pipefail
src="$(cd "$(dirname "$0")" && pwd)"
cd "$src"
scripts/install-deps.sh
scripts/build.sh

# Marks made on the chart are written into the catalogue, so the program works on the user's own
# copy of the data and never on the source tree. Files already there are kept as they are.
data_home="${XDG_DATA_HOME:-$HOME/.local/share}/velumbra"
mkdir -p "$data_home"
for f in festrella ffigura fnombre ftriangulo fnumero fradiante fradter fmaglim escudo.bmp; do
    [ -e "$data_home/$f" ] || cp "data/$f" "$data_home/$f"
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Velumbra necesita un escritorio gráfico (no hay DISPLAY ni WAYLAND_DISPLAY)." >&2
    exit 1
fi
cd "$data_home"
exec "$src/build/Velumbra"
