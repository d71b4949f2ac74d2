#!/usr/bin/env bash
# The printed page and the saved picture of the real program in a virtual X display: with
# names, magnitudes and the IMO radiants of 12 August on, prints the chart to a PDF file through
# the print dialog and saves it as a picture through the picture dialog, typing a name without
# extension. Checks the PDF (one landscape page and its texts) and the bitmap, and keeps the
# screenshots, the page rendered by pdftoppm and the picture in the artefact folder.
set -euo pipefail
program="$1"
data="$2"
artifacts="${3:-$(pwd)/output-look-artifacts}"
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$artifacts"
fi
unset QT_QPA_PLATFORM
# No print server: the print dialog offers printing to a PDF file.
export CUPS_SERVER=/nonexistent/cups.sock

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$data"/festrella "$data"/ffigura "$data"/fnombre "$data"/ftriangulo "$data"/fnumero \
    "$data"/fradiante "$data"/fradter "$data"/fmaglim "$data"/escudo.bmp "$work"/
cd "$work"
HOME="$work" "$program" >"$artifacts/output-program.log" 2>&1 &
pid=$!

wid=$(xdotool search --sync --onlyvisible --name '^Velumbra \(para' | head -n 1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
menu=$((HEIGHT - 452 - 19))
win_x=$X
win_y=$Y

click() { xdotool mousemove --sync $((win_x + $1)) $((win_y + menu + $2)) click 1; sleep 0.3; }
shot() { import -window root "$artifacts/$1.png"; }
# Clicks at (x, y) inside the window whose title matches.
click_in() {
    local w
    w=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$w")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
    sleep 0.4
}
fail=0
check() { # description, command...
    local what="$1"
    shift
    if ! "$@"; then
        echo "FAIL: $what" >&2
        fail=1
    fi
}

click 47 227 # names
click 47 202 # magnitudes
click 35 282 # radiant date 12/08
click 200 51
xdotool key ctrl+a type 8
click 120 51
for _ in $(seq 11); do click 148 45; done # the day's up arrow
click 193 86
click 22 307 # IMO radiants
shot out-01-chart

# Print: the choice dialog, then the print dialog with a file name typed in.
click 47 403
xdotool search --sync --onlyvisible --name 'Impresión de cartas' >/dev/null
shot out-02-choice
click_in 'Impresión de cartas' 241 76
xdotool search --sync --onlyvisible --name '^Imprimir' >/dev/null
sleep 0.5
shot out-03-print-dialog
pdf="$work/carta.pdf"
click_in '^Imprimir' 200 112
xdotool key ctrl+a
xdotool type --delay 5 "$pdf"
shot out-04-print-file
click_in '^Imprimir' 230 153
for _ in $(seq 50); do [ -s "$pdf" ] && break; sleep 0.2; done
sleep 1

check "the PDF was written" test -s "$pdf"
if [ -s "$pdf" ]; then
    cp "$pdf" "$artifacts/carta.pdf"
    pdfinfo "$pdf" >"$artifacts/carta-pdfinfo.txt"
    pdftotext -layout "$pdf" "$artifacts/carta.txt"
    pdftoppm -r 110 -png -singlefile "$pdf" "$artifacts/carta-page"
    check "one page" grep -q '^Pages: *1$' "$artifacts/carta-pdfinfo.txt"
    size=$(sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p' "$artifacts/carta-pdfinfo.txt")
    check "landscape page ($size)" awk -v s="$size" 'BEGIN { split(s, a, " "); exit !(a[1] > a[2]) }'
    for text in "FECHA:" "NOTAS:" "Centro de la carta (J2000).  AR: 30    DEC: 56" \
        "X0=175.00 Y0=175.00" "Fecha de radiantes: 12 de Agosto" "KELVARO" \
        "SECCION DE METEOROS" "TALVIK" "PER"; do
        # pdftotext keeps the words, not always the number of blanks between them.
        check "'$text' on the page" grep -qF "$(echo "$text" | tr -s ' ')" \
            <(tr -s ' ' <"$artifacts/carta.txt")
    done
fi

# Save as picture: a bare name gets ".bmp".
click 22 403
xdotool search --sync --onlyvisible --name 'Guardar carta como' >/dev/null
sleep 0.5
xdotool type --delay 5 "$work/carta"
shot out-05-save-dialog
xdotool key Return
for _ in $(seq 25); do [ -s "$work/carta.bmp" ] && break; sleep 0.2; done
sleep 0.5
shot out-06-after-save
check "the picture was saved as carta.bmp" test -s "$work/carta.bmp"
if [ -s "$work/carta.bmp" ]; then
    cp "$work/carta.bmp" "$artifacts/carta.bmp"
    convert "$work/carta.bmp" "$artifacts/carta-bmp.png"
    check "a 450 x 450 Windows bitmap" test "$(identify -format '%m %wx%h' "$work/carta.bmp" |
        sed 's/^BMP[23]/BMP/')" = "BMP 450x450"
fi

exit "$fail"
