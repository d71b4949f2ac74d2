#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velumbra. The program itself finds its data: the
# working directory when it holds the data files, otherwise the user's own copy in
# $XDG_DATA_HOME/velumbra, which it makes on first start from the bundled files.
set -euo pipefail
src="$(cd "$(dirname "$0")" && pwd)"
"$src/scripts/install-deps.sh"
"$src/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Velumbra necesita un escritorio gráfico (no hay DISPLAY ni WAYLAND_DISPLAY)." >&2
    exit 1
fi
exec "$src/build/bin/velumbra"
