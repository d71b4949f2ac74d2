#!/usr/bin/env bash
# Drives the real program in a virtual X display: chooses chart 5, zooms in twice, sets the
# radiant date to 12 August, shows both radiant lists and goes to the Perseids; then reads the
# status bar and a few chart pixels off screenshots. Screenshots stay in the artefact folder.
set -euo pipefail
source "$(dirname "$0")/real_program.sh" "$@"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT, menu bar $menu"

click() { xdotool mousemove --sync $((win_x + $1)) $((win_y + menu + $2)) click 1; sleep 0.3; }
shot() { import -window root "$artifacts/$1.png"; }

fail=0
expect_status() { # shot, expected texts (compared without blanks)
    local name="$1"
    shift
    # Two readings of the enlarged status bar; small screen fonts trip OCR now and then.
    local text="" variant
    for variant in "-filter Lanczos -resize 300%" "-resize 500% -colorspace Gray"; do
        # shellcheck disable=SC2086
        convert "$artifacts/$name.png" -crop "400x19+$win_x+$((win_y + menu + 452))" +repage \
            $variant "$work/status.png"
        text+="$(tesseract "$work/status.png" - --psm 7 2>/dev/null)"$'\n'
    done
    echo "$name status bar: $(echo "$text" | head -n 1)"
    local compact="${text// /}"
    for want in "$@"; do
        if [[ "$compact" != *"${want// /}"* ]]; then
            echo "FAIL: '$want' not in the status bar of $name" >&2
            fail=1
        fi
    done
}
pixel() { # shot, x, y in the chart -> colour as r,g,b
    convert "$artifacts/$1.png" -format '%[fx:int(255*p{'"$((win_x + 71 + $2))"','"$((win_y + menu + 1 + $3))"'}.r)],%[fx:int(255*p{'"$((win_x + 71 + $2))"','"$((win_y + menu + 1 + $3))"'}.g)],%[fx:int(255*p{'"$((win_x + 71 + $2))"','"$((win_y + menu + 1 + $3))"'}.b)]' info:
}
expect_pixel() { # shot, x, y, colour
    local got
    got=$(pixel "$1" "$2" "$3")
    if [ "$got" != "$4" ]; then
        echo "FAIL: chart pixel ($2,$3) of $1 is $got, expected $4" >&2
        fail=1
    fi
}

shot 01-start
expect_status 01-start "030 +56" "Mag: 7" "Zoom: 1"
expect_pixel 01-start 0 0 0,0,0       # frame on the outermost pixels
expect_pixel 01-start 449 449 0,0,0
expect_pixel 01-start 90 3 255,0,0    # grid "H": vertical line at 90
expect_pixel 01-start 3 45 255,0,0    # horizontal line at 45

# Chart 5 from the selector's list.
click 35 36
xdotool key Down Down Down Down Return
sleep 0.5
shot 02-chart5
expect_status 02-chart5 "210 +05" "Zoom: 1"
expect_pixel 02-chart5 45 3 255,0,0   # grid "V": vertical line at 45
expect_pixel 02-chart5 3 90 255,0,0

click 46 152
click 46 152
shot 03-zoom3
expect_status 03-zoom3 "210 +05" "Zoom: 3"
expect_pixel 03-zoom3 45 3 255,255,255 # no grid when zoomed

# Radiant date 12/08: month typed, day stepped up from 1, then "Aplicar".
click 35 282
click 200 51
xdotool key ctrl+a type 8
click 120 51
for _ in $(seq 11); do xdotool key Up; done
sleep 0.3
shot 04-date-panel
click 193 86
click 22 307
click 47 307 # both lists
shot 05-radiants
expect_status 05-radiants "Fecha Radiantes: 12/08" "Zoom: 3"

# Go to the Perseids by typing their code in the list.
click 47 332
xdotool type PER
sleep 0.5
shot 06-perseids
# The Perseids of 2026 peak on 13 August at 048 +58; a day earlier they stand at 047 +58.
expect_status 06-perseids "047 +58" "Zoom: 3" "12/08"
# The PER label sits on the centre; the frame is still there.
dark=0
for dx in -8 -6 -4 -2 0 2 4 6 8; do
    [ "$(pixel 06-perseids $((225 + dx)) 225)" = "0,0,0" ] && dark=1
done
[ "$dark" = 1 ] || { echo "FAIL: no radiant label at the centre" >&2; fail=1; }
expect_pixel 06-perseids 0 0 0,0,0

exit "$fail"
