#!/usr/bin/env bash
# Checks Velumbra as installed: the install layout, the desktop entry and AppStream metadata, the
# installed program started from a folder without data and an empty home (the user's copy made,
# a mark written into it and kept by the next start, the window icon), and the Debian package
# (lintian, unpacked and started the same way). Expects a built build/ (./test.sh makes it).
set -euo pipefail
cd "$(dirname "$0")/.."
src=$(pwd)
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
id=org.velumbra.Velumbra
files=(festrella ffigura fnombre ftriangulo fnumero fradiante fradter fmaglim escudo.bmp)
fail() { echo "FALLO: $*" >&2; exit 1; }

echo "== cmake --install"
cmake --install build --prefix "$work/prefix" >/dev/null
p="$work/prefix"
for f in bin/velumbra "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
    "share/icons/hicolor/128x128/apps/$id.png" "${files[@]/#/share/velumbra/}"; do
    [ -f "$p/$f" ] || fail "falta $f en la instalación"
done
[ "$(identify -format '%wx%h' "$p/share/icons/hicolor/48x48/apps/$id.png")" = 48x48 ] ||
    fail "el icono de 48 no mide 48x48"
desktop-file-validate "$p/share/applications/$id.desktop"
appstreamcli validate --no-net "$p/share/metainfo/$id.metainfo.xml"

# Moves the pointer and clicks; a move with --sync to where the pointer already is may wait
# forever, so that move is left out.
click_at() {
    local x="$1" y="$2" X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    [ "$X,$Y" = "$x,$y" ] || xdotool mousemove --sync "$x" "$y"
    xdotool click 1
    sleep 0.3
}

# Starts an installed program from an empty folder with an empty home; leaves $pid and $wid.
start() {
    local program="$1" home="$2"
    mkdir -p "$work/nowhere" "$home"
    (cd "$work/nowhere" && env -u XDG_DATA_HOME HOME="$home" "$program" >"$work/program.log" 2>&1) &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velumbra \(para' | head -n 1) ||
        { cat "$work/program.log" >&2; fail "no se abrió la ventana de $program"; }
    sleep 1
}
stop() { # a click on the status bar makes the window active, then Ctrl+Q
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    click_at $((X + 300)) $((Y + HEIGHT - 8))
    xdotool key ctrl+q
    timeout 10 tail --pid="$pid" -f /dev/null || fail "Ctrl+Q no cerró el programa"
    pid=
}
user_copy_complete() {
    for f in "${files[@]}"; do
        cmp -s "$1/.local/share/velumbra/$f" "$p/share/velumbra/$f" ||
            [ "$f" = festrella ] || fail "la copia del usuario no tiene $f como el instalado"
        [ -f "$1/.local/share/velumbra/$f" ] || fail "falta $f en la copia del usuario"
    done
}

echo "== installed program, empty home"
start "$p/bin/velumbra" "$work/home"
user_copy_complete "$work/home"
has_icon() { xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q "Icon (48 x 48)"; }
expect_icon() {
    for _ in $(seq 20); do has_icon "$1" && return || sleep 0.25; done
    fail "la ventana $2 no lleva el icono"
}
expect_icon "$wid" principal
eval "$(xdotool getwindowgeometry --shell "$wid")"
# Marking mode from the menu ("Edición", its first item), then a click on the chart centre
# marks the nearest star.
click_at $((X + 80)) $((Y + 8))
xdotool key Down Return
sleep 0.3
click_at $((X + 70 + 1 + 225)) $((Y + HEIGHT - 19 - 452 + 1 + 225))
import -window root "$work/installed.png"
# F1, the about box, with the icon too.
xdotool key F1
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^Acerca de Velumbra$' | head -n 1) ||
    fail "F1 no abrió «Acerca de Velumbra»"
expect_icon "$about" "«Acerca de Velumbra»"
xdotool key Return
sleep 0.3
cmp -s "$work/home/.local/share/velumbra/festrella" "$p/share/velumbra/festrella" &&
    fail "la marca no llegó a la copia del usuario"
cmp -s "$src/data/festrella" "$p/share/velumbra/festrella" || fail "se escribió en la instalación"
marked=$(md5sum <"$work/home/.local/share/velumbra/festrella")
stop
start "$p/bin/velumbra" "$work/home"
[ "$(md5sum <"$work/home/.local/share/velumbra/festrella")" = "$marked" ] ||
    fail "el segundo inicio no conservó la marca"
stop

echo "== Debian package"
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/velumbra_*.deb)
lintian --fail-on error "$deb"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "el paquete no depende de Qt 6 Widgets"
dpkg -x "$deb" "$work/root"
start "$work/root/usr/bin/velumbra" "$work/debhome"
user_copy_complete "$work/debhome"
stop
echo "check-install: todo correcto"
