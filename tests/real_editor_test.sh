#!/usr/bin/env bash
# Drives the real program in a virtual X display through the radiant editor: opens the IMO list
# from the menu, renames the Quadrantids and changes their ZHR, saves with
# the Spanish question, closes; opens the Terentjeva list and closes it; then shows the IMO
# radiants for 3 January, goes to the renamed shower and prints the IMO listing to a PDF.
# Checks the saved file's bytes and the listing's text; keeps every screenshot and the PDF in
# the artefact folder.
set -euo pipefail
program_log=editor-program
private_home=1
source "$(dirname "$0")/real_program.sh" "$@"
at() { xdotool mousemove --sync $(($1 + $3)) $(($2 + $4)) click 1; sleep 0.4; }
main() { at "$win_x" "$((win_y + menu))" "$1" "$2"; }
shot() { import -window root "$artifacts/$1.png"; }
fail=0
check() { # condition text, message
    if ! eval "$1"; then
        echo "FAIL: $2" >&2
        fail=1
    fi
}

open_editor() { # menu item offset below the menu bar, expected title
    at "$win_x" "$win_y" 70 10
    at "$win_x" "$win_y" 100 "$1"
    ed=$(timeout 20 xdotool search --sync --onlyvisible --name "$2" | head -n 1)
    [ -n "$ed" ] || { echo "FAIL: no window '$2'" >&2; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$ed")"
    ed_x=$X
    ed_y=$Y
}
editor() { at "$ed_x" "$ed_y" "$1" "$2"; }

# The IMO list. Row r of the grid is at y = 161 + 18 r.
open_editor 68 'Edición de radiantes$'
shot 10-editor-imo
row=$(python3 - "$work/fradiante" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
codes = [data[i + 1:i + 1 + data[i]] for i in range(0, len(data), 68)]
print(codes.index(b"QUA") + 1)
PY
)
[ "$row" -le 12 ] || { echo "FAIL: the Quadrantids are not on the first page" >&2; exit 1; }
editor 97 $((161 + 18 * row - 9))
editor 140 28
xdotool key ctrl+a type --delay 50 'Cuadrántidas de enero'
editor 496 118
xdotool key ctrl+a type --delay 50 '120'
shot 11-editor-edited
editor 547 27
sleep 0.5
shot 12-save-question
xdotool key Return
sleep 0.5
shot 13-saved
editor 574 27
sleep 0.5
python3 - "$work/fradiante" "$data/fradiante" "$row" <<'PY' || fail=1
import struct, sys
new, old, row = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read(), int(sys.argv[3])
assert len(new) == len(old), "record count changed"
for i in range(0, len(old), 68):
    if i // 68 + 1 != row:
        assert new[i:i + 68] == old[i:i + 68], "record %d changed" % (i // 68 + 1)
rec = new[(row - 1) * 68:row * 68]
name = rec[6:6 + rec[5]]
assert name == "Cuadrántidas de enero".encode("cp1252"), name
assert struct.unpack_from("<h", rec, 65)[0] == 120, "Thz"
print("saved record", row, name.decode("cp1252"), "Thz 120; every other record byte for byte")
PY

# The Terentjeva list: its three disabled fields, then closed without a question.
open_editor 88 'Edición de radiantes de Terentjeva$'
shot 14-editor-terentjeva
editor 574 27
sleep 0.5
check '! xdotool search --onlyvisible --name "Edición de radiantes" >/dev/null' \
    "the editor is still open"
cmp -s "$work/fradter" "$data/fradter" || { echo "FAIL: fradter changed" >&2; fail=1; }

# Radiant date 03/01, IMO radiants on, go-to list: the renamed shower is there.
main 35 282
main 200 51
xdotool key ctrl+a type 1
main 120 51
main 148 45 # the day's up arrow, twice
main 148 45
main 193 86
main 22 307
shot 15-radiants-on
main 47 332
sleep 0.5
shot 16-goto-list
xdotool type QUA
sleep 0.5
shot 17-chart-at-shower

# The IMO listing, printed through the print dialog, holds the new name.
pdf="$HOME/Documents/Velumbra.pdf"
at "$win_x" "$win_y" 132 8
xdotool key Down Return
printer=$(timeout 30 xdotool search --sync --onlyvisible --name '^(Imprimir|Print)' | head -n 1)
[ -n "$printer" ] || { echo "FAIL: no print dialog" >&2; exit 1; }
sleep 0.5
shot 18-listing-print-dialog
xdotool key Return
for _ in $(seq 50); do
    [ -s "$pdf" ] && break
    sleep 0.2
done
sleep 1
cp "$pdf" "$artifacts/editor-listing-imo.pdf"
pdftoppm -r 80 -png -f 1 -l 1 "$pdf" "$artifacts/19-listing-imo"
listing=$(pdftotext "$pdf" -)
check '[[ "$listing" == *"QUA Cuadrántidas de enero"* ]]' "the listing lacks the new name"
kill -0 "$pid" || { echo "FAIL: the program has ended" >&2; fail=1; }
exit "$fail"
