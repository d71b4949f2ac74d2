#!/usr/bin/env bash
# A Perseid night of three periods from Madrid typed into the real program in a virtual X
# display: counts and a magnitude distribution, saved, closed, opened again from the list,
# exported for the IMO and printed to a PDF file. Screenshots of the window, its plot and the
# list, the three files, the database and the rendered page stay in the artefact folder.
set -euo pipefail
program=$(realpath "$1")
data=$(realpath "$2")
artifacts=$(realpath -m "${3:-real-window-artifacts}/observation")
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$(dirname "$artifacts")"
fi
program_log=observation-program.log
# No print server: the print dialog offers printing to a PDF file.
before_start() { export CUPS_SERVER=/nonexistent/cups.sock; }
# shellcheck source=tests/real_session.sh
source "$(dirname "$0")/real_session.sh"
rm -f "$artifacts"/*.png "$artifacts"/*.csv "$artifacts"/*.pdf

# Clicks at (x, y) inside the window whose title matches.
click_in() {
    geometry "$1"
    at $((X + $2)) $((Y + $3)) "${4:-0.3}"
}
obs() { click_in '^Velumbra - Observación de' "$@"; }
# A field of the window emptied and typed into.
field() {
    obs "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$3"
}
# A row of the periods grid typed cell after cell from its first one.
row() {
    obs 62 "$1"
    shift
    xdotool key F2 ctrl+a
    for cell in "$@"; do
        xdotool type --delay 15 -- "$cell"
        xdotool key Tab
    done
}

radiant_date_12_august
xdotool key alt+o Return # Observación > Nueva...
sleep 1.5
field 318 55 "Lucía Pérez"
field 803 55 "PERLU"
field 318 83 "Madrid"
field 803 83 "España"
field 318 111 "40.4168"
field 803 111 "-3.7038"
field 318 139 "657"
field 798 139 "2"
xdotool key Tab
shot obs-01-session

obs 101 23 # Periodos
for _ in 1 2 3; do obs 62 54; done
# Inicio Fin Teff F LM AR Dec Método, then ANT SDA CAP ERI PER KCG SPO
row 99 22:00 23:00 0.95 1 6.3 300 45 C 0 1 0 0 18 1 8
row 121 23:30 00:30 1 5% 6.4 310 50 C 0 0 1 0 31 0 10
row 143 01:00 03:00 1.9 1 6.5 320 55 C 1 2 0 1 74 2 19
obs 62 99
obs 207 537 # the Perseids' magnitudes of the first period, -2 to +6
for n in 1 0.5 1.5 2 3 4 3 2 1; do
    xdotool type --delay 15 -- "$n"
    xdotool key Tab
done
obs 62 99
shot obs-02-periods
obs 178 23 1 # Resultados
shot obs-03-results-plot

obs 52 678 1 # Guardar
shot obs-04-saved
db="$work/observaciones.sqlite"
check "the database was written" test -s "$db"
obs 950 678 1 # Cerrar: nothing left unsaved, no question
check "the window closed without a question" \
    test -z "$(xdotool search --onlyvisible --name '^Velumbra - Observación de' || true)"

# Observación > Abrir... (the main window takes the keyboard again once clicked)
at $((wx + 197)) $((wy + menu / 2))
xdotool key Down Down Return
sleep 1
shot obs-05-list
xdotool key Return # its default button opens the chosen one
sleep 1.5
obs 101 23
obs 62 121
shot obs-06-reopened

folder="$work/vmdb"
mkdir -p "$folder"
obs 180 678 1 # Exportar para la IMO (VMDB)...
xdotool type --delay 10 "$folder"
xdotool key Return
sleep 1
shot obs-07-exported
mapfile -t csv < <(ls "$folder")
check "three VMDB files" test "${#csv[@]}" = 3
cp "$folder"/*.csv "$artifacts"/ 2>/dev/null || true
rates=$(ls "$folder"/*tasas.csv 2>/dev/null || true)
check "a rate line per period and shower" test "$(($(wc -l <"${rates:-/dev/null}") - 1))" = 21
check "the Perseids of the first period" grep -q ';2026-08-12 22:00:00;2026-08-12 23:00:00;300;45;0.95;1;6.3;PER;C;18$' \
    "${rates:-/dev/null}"

obs 315 678 1 # Imprimir informe...
# The dialog offers the program's own file name; Return accepts it. Clicking into the dialog
# at fixed places could land before it has settled on a loaded machine.
pdf="$HOME/Velumbra.pdf"
dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Imprimir' | head -n 1)
sleep 1
xdotool windowfocus --sync "$dialog"
shot obs-08-print-dialog
xdotool key Return
for _ in $(seq 150); do [ -s "$pdf" ] && break; sleep 0.2; done
sleep 1
[ -s "$pdf" ] || shot obs-08-print-failed
check "the report was printed to PDF" test -s "$pdf"
if [ -s "$pdf" ]; then
    cp "$pdf" "$artifacts/informe.pdf"
    text=$(pdftotext -layout "$pdf" -)
    check "the observer on the page" grep -q 'Lucía Pérez' <<<"$text"
    check "the Perseids on the page" grep -q 'PER' <<<"$text"
    pdftoppm -r 80 -png "$pdf" "$artifacts/obs-09-report"
fi
obs 950 678 1
cp "$db" "$artifacts/observaciones.sqlite"
exit "$fail"
