#!/usr/bin/env bash
# Drives the real program in a virtual X display through "Archivo" > "Exportar atlas PDF..."
# (its list of pages accepted): radiant date 12/08, every layer on, the plan's site remembered
# (Madrid, UTC+2). The atlas is checked with pdfinfo and pdftotext and every page rendered with
# pdftoppm; an export cancelled with its progress window's button must leave no file.
# Screenshots, the PDF and the pages stay in the artefact folder.
set -euo pipefail
program="$1"
data="$2"
artifacts="${3:-$(pwd)/real-window-artifacts}/atlas"
mkdir -p "$artifacts"
if [ -z "${INSIDE_XVFB:-}" ]; then
    export INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program" "$data" "$(dirname "$artifacts")"
fi
before_start() { # the plan's site remembered: Madrid, UTC+2
    mkdir -p "$HOME/.config/Velumbra"
    printf '[plan]\nlatitud=40.4\nlongitud=-3.7\nhuso=2\nmaglim=6.5\n' \
        >"$HOME/.config/Velumbra/Velumbra.conf"
}
# shellcheck source=tests/real_session.sh
source "$(dirname "$0")/real_session.sh"

# Radiant date 12/08; both radiant lists, names, magnitudes and the drift tracks on.
radiant_date_12_august
main 22 307
main 47 307
main 47 227
main 47 202
main 22 332
main 128 326
shot 01-every-layer

export_to() { # the menu item, its list of pages accepted, the file typed into the save dialog
    at $((wx + 25)) $((wy + menu / 2))
    xdotool key Down Down Return
    sleep 1.2
    if [ -n "${2:-}" ]; then shot "$2"; fi
    xdotool key Return
    sleep 1.5
    xdotool type --delay 20 "$1"
    xdotool key Return
}

pdf="$artifacts/atlas-12-agosto.pdf"
rm -f "$pdf" "$artifacts"/page-*.png
export_to "$pdf" 02a-contents
sleep 0.3
shot 02-progress
for _ in $(seq 60); do [ -s "$pdf" ] && break; sleep 0.5; done
sleep 0.5
shot 03-after
check "the atlas was written" test -s "$pdf"
check "no temporary file left" test -z "$(find "$(dirname "$pdf")" -maxdepth 1 -name '.*.velumbra-*')"
if [ -s "$pdf" ]; then
    info=$(pdfinfo "$pdf")
    check "14 pages: 12 charts, the sheet, the plan" grep -q '^Pages: *14$' <<<"$info"
    sizes=$(pdfinfo -f 1 -l 14 "$pdf" | grep -E '^Page +[0-9]+ size')
    check "pages 1 to 12 landscape" test "$(grep -Ec 'size: +842(\.[0-9]+)? x 595' <<<"$sizes")" = 12
    check "pages 13 and 14 portrait" grep -Eq '^Page +13 size: +595(\.[0-9]+)? x 842' <<<"$sizes"
    check "page 14 portrait" grep -Eq '^Page +14 size: +595(\.[0-9]+)? x 842' <<<"$sizes"
    i=0
    for centre in "30 +DEC: 56" "150 +DEC: 56" "270 +DEC: 56" "90 +DEC: 5" "210 +DEC: 5" \
        "330 +DEC: 5" "30 +DEC: -5" "151 +DEC: -5" "270 +DEC: -5" "90 +DEC: -56" \
        "210 +DEC: -56" "330 +DEC: -56"; do
        i=$((i + 1))
        check "chart $i centred at $centre" grep -Eq "AR: $centre\$" \
            <(pdftotext -f $i -l $i -layout "$pdf" - | sed 's/ *$//')
    done
    check "the sheet" grep -q 'RADIANTES ACTIVOS, FECHA: 12 DE AGOSTO' \
        <(pdftotext -f 13 -l 13 -layout "$pdf" -)
    check "the plan" grep -q 'NOCHE DEL 12 AL 13 DE AGOSTO' \
        <(pdftotext -f 14 -l 14 -layout "$pdf" -)
    pdftoppm -r 60 -png "$pdf" "$artifacts/page"
fi

cancelled="$artifacts/atlas-cancelado.pdf"
# The whole atlas takes under a second here, so the program is stopped as soon as its progress
# window shows: the click waits in the display's queue and is the first thing it reads on
# waking. A run that finished before its window was seen is tried again.
caught=
for _ in 1 2 3; do
    rm -f "$cancelled"
    export_to "$cancelled"
    for _ in $(seq 400); do
        w=$(xdotool search --onlyvisible --name '^Velumbra - Exportar atlas' | head -n 1) || true
        [ -n "$w" ] || [ -e "$cancelled" ] && break
        sleep 0.01
    done
    if [ -n "$w" ] && kill -STOP "$pid" && [ ! -e "$cancelled" ]; then
        eval "$(xdotool getwindowgeometry --shell "$w")"
        # The progress window's "Cancelar", at its bottom right.
        xdotool mousemove --sync $((X + WIDTH - 52)) $((Y + HEIGHT - 22)) click 1
        kill -CONT "$pid"
        caught=1
        break
    fi
    kill -CONT "$pid"
    sleep 1
done
sleep 3
shot 04-after-cancel
check "the progress window was caught before the atlas was done" test -n "$caught"
check "a cancelled atlas leaves no file" test ! -e "$cancelled"
check "nor its temporary file" test -z "$(find "$(dirname "$cancelled")" -maxdepth 1 -name '.*.velumbra-*')"

exit "$fail"
