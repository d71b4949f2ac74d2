#!/usr/bin/env bash
# Prints, from the real program in a virtual X display, the data sheet for 12 and 25 August with
# both radiant lists shown and both radiant listings, each to a PDF through the print dialog;
# renders every page with pdftoppm and checks from the PDF text that every field starts in the
# column of its heading. PDFs and page images stay in the artefact folder.
# usage: xvfb-run -a -s "-screen 0 1024x768x24" sheet_pdf_test.sh PROGRAM DATA ARTEFACTS
set -euo pipefail
program="$(realpath "$1")"
data="$2"
artifacts="$3"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$artifacts"
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$data"/festrella "$data"/ffigura "$data"/fnombre "$data"/ftriangulo "$data"/fnumero \
    "$data"/fradiante "$data"/fradter "$data"/fmaglim "$data"/escudo.bmp "$work"/
# No print server: the program prints to ~/Documents/Velumbra.pdf.
export HOME="$work/home" CUPS_SERVER="$work/no-cups"
mkdir -p "$HOME/Documents"
pdf="$HOME/Documents/Velumbra.pdf"
cd "$work"
"$program" >"$artifacts/sheet-program.log" 2>&1 &
pid=$!
# A window that does not come is a failure, not a hang.
find_window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

wid=$(find_window '^Velumbra \(para')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
menu=$((HEIGHT - 452 - 19))
win_x=$X
win_y=$Y
click() { xdotool mousemove --sync $((win_x + $1)) $((win_y + menu + $2)) click 1; sleep 0.4; }
shot() { import -window root "$artifacts/$1.png"; }

set_date() { # month, steps up of the day field (it only moves with its arrows)
    click 35 282
    click 200 51
    xdotool key ctrl+a type "$1"
    click 120 51
    click 148 45 # the day's up arrow
    xdotool click --repeat $(($2 - 1)) --delay 150 1
    sleep 0.3
    click 193 86
}

# Accepts the print dialog and keeps the PDF it writes under a name of its own.
print_to() { # name
    rm -f "$pdf"
    [ -n "$(find_window '^(Imprimir|Print)')" ]
    sleep 0.5
    shot "$1-dialog"
    xdotool key Return
    for _ in $(seq 50); do
        [ -s "$pdf" ] && break
        sleep 0.2
    done
    sleep 1
    mv "$pdf" "$artifacts/$1.pdf"
    rm -f "$artifacts/$1"-page-*.png
    pdftoppm -r 100 -png "$artifacts/$1.pdf" "$artifacts/$1-page"
}

print_sheet() { # name
    click 47 403
    local dialog
    dialog=$(find_window 'Impresi')
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --sync $((X + 40)) $((Y + 40)) click 1
    sleep 0.3
    xdotool mousemove --sync $((X + 240)) $((Y + 76)) click 1
    print_to "$1"
}

print_listing() { # number of Downs in the "Listados" menu, name
    xdotool mousemove --sync $((win_x + 132)) $((win_y + 8)) click 1
    sleep 0.4
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
    print_to "$2"
}

# The date panel puts the radiant buttons up: both lists are shown again after each date.
set_date 8 11
click 22 307
click 47 307
shot sheet-window
print_sheet sheet-12-08
set_date 8 13
click 22 307
click 47 307
print_sheet sheet-25-08
print_listing 1 listing-imo
print_listing 2 listing-terentjeva

fail=0
python3 "$here/sheet_columns.py" "$artifacts"/sheet-12-08.pdf sheet 1 || fail=1
python3 "$here/sheet_columns.py" "$artifacts"/sheet-25-08.pdf sheet 2 || fail=1
python3 "$here/sheet_columns.py" "$artifacts"/listing-imo.pdf imo 1 || fail=1
python3 "$here/sheet_columns.py" "$artifacts"/listing-terentjeva.pdf terentjeva 1 || fail=1
exit "$fail"
