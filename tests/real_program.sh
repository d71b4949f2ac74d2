#!/usr/bin/env bash
# The common start of the real-program tests, sourced with the test's own arguments (program,
# data folder, artefact folder): runs the test again inside a virtual X display, starts the
# program on a private copy of the bundled data and finds its main window. Leaves program,
# data, artifacts, work, pid, win_x, win_y and menu (the menu bar's height) set. With
# private_home set, the program runs with a home folder of its own and no print server, so it
# prints to $HOME/Documents/Velumbra.pdf.
program=$(realpath "$1")
data=$(realpath "$2")
artifacts="${3:-$(pwd)/real-window-artifacts}"
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$artifacts"
fi
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$data"/festrella "$data"/ffigura "$data"/fnombre "$data"/ftriangulo "$data"/fnumero \
    "$data"/fradiante "$data"/fradter "$data"/fmaglim "$data"/escudo.bmp "$work"/
if [ -n "${private_home:-}" ]; then
    export HOME="$work/home" CUPS_SERVER="$work/no-cups"
    mkdir -p "$HOME/Documents"
fi
cd "$work"
"$program" >"$artifacts/${program_log:-program}.log" 2>&1 &
pid=$!

wid=$(xdotool search --sync --onlyvisible --name '^Velumbra \(para' | head -n 1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
menu=$((HEIGHT - 452 - 19)) # the menu bar sits above the client area
win_x=$X
win_y=$Y
