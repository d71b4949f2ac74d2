# Sourced by the tests that drive the real program in a virtual X display, with `program`,
# `data` and `artifacts` set (and `program_log`, the log's name, if not program.log). Copies the data files into a temporary folder that is also the
# program's HOME (remembered settings, save dialogs), runs `before_start` if the test defines
# it, starts the program there, waits for its main window and defines the helpers the tests
# share.
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for f in festrella ffigura fnombre ftriangulo fnumero fradiante fradter fmaglim escudo.bmp; do
    cp "$data/$f" "$work/"
done
export HOME="$work/home"
mkdir -p "$HOME"
if declare -F before_start >/dev/null; then before_start; fi
cd "$work"
"$program" >"$artifacts/${program_log:-program.log}" 2>&1 &
pid=$!

fail=0
check() { # condition text, then the command
    local what="$1"
    shift
    "$@" || { echo "FAIL: $what" >&2; fail=1; }
}
shot() { import -window root "$artifacts/$1.png"; }
at() { xdotool mousemove --sync "$1" "$2" click 1; sleep "${3:-0.5}"; }
geometry() { # window name pattern -> X Y WIDTH HEIGHT
    local w
    w=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$w")"
}

# The main window: its corner (wx, wy) and the menu bar's height; `main x y` clicks at a point
# of its client area.
geometry '^Velumbra \(para'
sleep 1
menu=$((HEIGHT - 452 - 19))
wx=$X
wy=$Y
main() { at $((wx + $1)) $((wy + menu + $2)) 0.4; }

radiant_date_12_august() { # through the date panel, as the real_window test sets it
    main 35 282
    main 200 51
    xdotool key ctrl+a type 8
    main 120 51
    main 148 45 # the day's up arrow, eleven clicks in all
    xdotool click --repeat 10 --delay 150 1
    main 193 86
}
