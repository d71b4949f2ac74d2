#!/usr/bin/env bash
# The print preview, the night mode and the SVG picture in the real program in a virtual X
# display. Chart 1 with names and the IMO radiants of 12 August: the chart page's preview from
# the print choice dialog, a listing's preview from "Archivo" and its "Imprimir" going on to the
# print dialog; the night mode with no white left, in a dialog too, and remembered at the next
# start; the chart saved as SVG by day and by night (the same file) and rendered with
# rsvg-convert. Everything stays in the artefact folder.
set -euo pipefail
program="$1"
data="$2"
artifacts="${3:-$(pwd)/screens-artifacts}"
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$artifacts"
fi
# No print server: the print dialog offers printing to a PDF file.
export CUPS_SERVER=/nonexistent/cups.sock
program_log=screens-program.log
# shellcheck source=tests/real_session.sh
source "$(dirname "$0")/real_session.sh"

# Clicks at (x, y) of the client area of the window whose title matches.
click_in() {
    geometry "$1"
    at $((X + $2)) $((Y + $3))
}
# Pixels of the screen area (x, y, width, height) with any green or blue above the faint white
# of the style's bevels: white, greys, the day's colours.
not_red() {
    convert "$artifacts/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 && ($4 > 48 || $5 > 48) { n++ } END { print n + 0 }'
}

radiant_date_12_august
main 47 227 # names
main 22 307 # IMO radiants
shot screens-01-day

# The print button's choice dialog, its "Vista previa" on the chart page.
main 47 403
click_in 'Impresión de cartas' 68 76
xdotool search --sync --onlyvisible --name 'Vista previa' >/dev/null
sleep 1.5
shot screens-02-preview-chart
xdotool key Escape
sleep 0.5

# "Archivo" > "Vista previa...": the listings offered; the IMO listing previewed, then printed.
at $((wx + 25)) $((wy + menu / 2))
xdotool key Down Down Down Return
xdotool search --sync --onlyvisible --name 'Impresión de cartas' >/dev/null
sleep 0.5
click_in 'Impresión de cartas' 38 60
shot screens-03-preview-choice
xdotool key Return
xdotool search --sync --onlyvisible --name 'Vista previa' >/dev/null
sleep 1.5
shot screens-04-preview-listing
click_in 'Vista previa' 550 19 # the toolbar's last button, "Imprimir"
check "the preview's Imprimir opens the print dialog" \
    xdotool search --sync --onlyvisible --name '^Imprimir' >/dev/null
sleep 0.5
shot screens-05-print-dialog
xdotool key Escape
sleep 0.5

# The chart as SVG by day.
main 22 403
xdotool search --sync --onlyvisible --name 'Guardar carta como' >/dev/null
sleep 0.5
xdotool type --delay 5 "$work/carta1.svg"
xdotool key Return
sleep 1

# Night: the main window, a dialog, and the same SVG.
main 35 370 # the tool panel's empty stretch: the window has the keyboard
xdotool key ctrl+n
sleep 1
shot screens-06-night
check "no white left in the night's main window" \
    test "$(not_red screens-06-night "$wx" "$wy" 522 $((menu + 452 + 19)))" -eq 0
main 47 403
geometry 'Impresión de cartas'
sleep 0.5
shot screens-07-night-dialog
check "no white left in the night's print dialog" \
    test "$(not_red screens-07-night-dialog "$X" "$Y" "$WIDTH" "$HEIGHT")" -eq 0
xdotool key Escape
sleep 0.3
main 22 403
xdotool search --sync --onlyvisible --name 'Guardar carta como' >/dev/null
sleep 0.5
xdotool type --delay 5 "$work/carta1-noche.svg"
xdotool key Return
sleep 1
check "the SVG was written" test -s "$work/carta1.svg"
check "the night leaves the SVG as by day" cmp -s "$work/carta1.svg" "$work/carta1-noche.svg"
cp "$work/carta1.svg" "$artifacts/carta1.svg"
rsvg-convert -w 900 "$work/carta1.svg" -o "$artifacts/carta1-svg.png"

# Remembered: the next start is in night mode.
kill "$pid"
wait "$pid" 2>/dev/null || true
"$program" >>"$artifacts/$program_log" 2>&1 &
pid=$!
geometry '^Velumbra \(para'
sleep 1.5
shot screens-08-night-next-start
check "the next start is at night" \
    test "$(not_red screens-08-night-next-start "$X" "$Y" 522 $((menu + 452 + 19)))" -eq 0

exit "$fail"
