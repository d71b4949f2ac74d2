#!/usr/bin/env bash
# Drives the real program in a virtual X display through the night's plan and the limiting
# magnitude: the Perseids' night of 12-13 August 2026 from Madrid (40.4 N, 3.7 W, UTC+2) as a
# table, two plots and a PDF page (rendered with pdftoppm), the short night of 9-10 June 2026
# from Paris (48.85 N, 2.35 E, UTC+2) the same way, then area 9 counted and marked.
# Screenshots and the PDFs stay in the artefact folder's plan/.
set -euo pipefail
program="$1"
data="$2"
artifacts="${3:-$(pwd)/real-window-artifacts}/plan"
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$(dirname "$artifacts")"
fi
program_log=plan-program.log
# shellcheck source=tests/real_session.sh
source "$(dirname "$0")/real_session.sh"

radiant_date_12_august

# Archivo > Planificar la noche...
at $((wx + 25)) $((wy + menu / 2))
xdotool key Down Return
sleep 1
geometry 'Planificar la noche'
px=$X
py=$Y
shot plan-00-empty
xdotool type --delay 40 "40.4"
xdotool key Tab
xdotool type --delay 40 -- "-3.7"
xdotool key Tab ctrl+a
xdotool type --delay 40 2026
xdotool key Tab ctrl+a
xdotool type --delay 40 2
xdotool key Tab Return
sleep 1.5
shot plan-01-table
at $((px + 93)) $((py + 185)) 1
shot plan-02-plot-altitude
at $((px + 98)) $((py + 217))
xdotool key Down Return
sleep 1
shot plan-03-plot-rate
at $((px + 145)) $((py + 618)) 1.5
shot plan-04-save-dialog
pdf="$artifacts/plan-perseidas.pdf"
rm -f "$pdf"
xdotool type --delay 20 "$pdf"
xdotool key Return
sleep 2
check "the PDF was written" test -s "$pdf"
check "no temporary PDF left" test -z "$(find "$(dirname "$pdf")" -maxdepth 1 -name '.*.velumbra-*')"
if [ -s "$pdf" ]; then
    check "one page" grep -q '^Pages: *1$' <(pdfinfo "$pdf")
    text=$(pdftotext -layout "$pdf" -)
    check "the page's title" grep -q 'NOCHE DEL 12 AL 13 DE AGOSTO DE 2026' <<<"$text"
    check "a Perseids column" grep -q 'PER' <<<"$text"
    check "the 03:00 row" grep -q '^03:00' <<<"$text"
    check "the twilight times" grep -q 'DE 23:00 A 05:40, HORA LOCAL' <<<"$text"
    check "the society header" grep -q 'TALVIK' <<<"$text"
    check "the plot under the table" grep -q 'Hora local' <<<"$text"
    pdftoppm -r 100 -png "$pdf" "$artifacts/plan-05-pdf"
fi
at $((px + 768)) $((py + 618)) 0.8

# The short night of 9-10 June from Paris: radiant date 9/06, the remembered site replaced.
main 35 282
main 200 51
xdotool key ctrl+a type 6
main 148 57 # the day's down arrow, from 12 to 9
xdotool click --repeat 2 --delay 150 1
main 193 86
at $((wx + 25)) $((wy + menu / 2))
xdotool key Down Return
sleep 1
geometry 'Planificar la noche'
px=$X
py=$Y
xdotool key ctrl+a
xdotool type --delay 40 "48.85"
xdotool key Tab ctrl+a
xdotool type --delay 40 "2.35"
xdotool key Tab ctrl+a
xdotool type --delay 40 2026
xdotool key Tab ctrl+a
xdotool type --delay 40 2
xdotool key Tab Return
sleep 1.5
shot paris-01-table
at $((px + 93)) $((py + 185)) 1
shot paris-02-plot-altitude
at $((px + 145)) $((py + 618)) 1.5
pdf="$artifacts/plan-paris.pdf"
rm -f "$pdf"
xdotool type --delay 20 "$pdf"
xdotool key Return
sleep 2
check "the Paris PDF was written" test -s "$pdf"
if [ -s "$pdf" ]; then
    text=$(pdftotext -layout "$pdf" -)
    check "Paris: the short night's title" grep -q 'NOCHE DEL 9 AL 10 DE JUNIO DE 2026' <<<"$text"
    check "Paris: astronomical night 01:28 to 02:11" \
        grep -q 'NOCHE ASTRON.MICA .* DE 01:28 A 02:11, HORA LOCAL' <<<"$text"
    check "Paris: the 01:30 row" grep -q '^01:30' <<<"$text"
    pdftoppm -r 100 -png "$pdf" "$artifacts/paris-03-pdf"
fi
at $((px + 768)) $((py + 618)) 0.8

# Edición > Magnitud límite..., area 9 with 20 stars counted, then its marks.
original="$work/festrella.before"
cp "$work/festrella" "$original"
at $((wx + 80)) $((wy + menu / 2))
xdotool key Down Down Return
sleep 1
geometry 'Magnitud l'
at $((X + 250)) $((Y + 22))
xdotool key ctrl+a type 9
xdotool key Tab ctrl+a
xdotool type 20
xdotool key Tab
sleep 0.5
shot lm-01-area9-count20
at $((X + 90)) $((Y + 133)) 1
shot lm-02-area9-marked
at $((X + 328)) $((Y + 178)) 0.8
main 46 152
main 46 152
shot lm-03-area9-marks-zoom3
# Every changed byte is a label mark (offset 14 of a 17-byte record), set to 1.
changed=$( (cmp -l "$original" "$work/festrella" || true) | awk '($1 - 1) % 17 != 14 || $3 != 1 { bad++ } END { print NR ":" bad + 0 }')
echo "festrella bytes changed: ${changed%%:*}"
check "only label marks changed, and some did" test "${changed#*:}" = 0 -a "${changed%%:*}" -gt 0

exit "$fail"
