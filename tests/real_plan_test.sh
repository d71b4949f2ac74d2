#!/usr/bin/env bash
# Drives the real program in a virtual X display through the night's plan and the limiting
# magnitude: the Perseids' night of 12-13 August 2026 from Madrid (40.4 N, 3.7 W, UTC+2) as a
# table, two plots and a PDF page (rendered with pdftoppm), then area 9 counted and marked.
# Screenshots and the PDF stay in the artefact folder.
set -euo pipefail
program="$1"
data="$2"
artifacts="${3:-$(pwd)/real-window-artifacts}"
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$artifacts"
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
    pdftoppm -r 100 -png "$pdf" "$artifacts/plan-05-pdf"
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
