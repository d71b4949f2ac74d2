#!/usr/bin/env bash
# Drives the real program in a virtual X display: chooses chart 5, zooms in twice, sets the
# radiant date to 12 August, shows both radiant lists, moves through the go-to list by key and goes
# to the Perseids with Enter, double-clicks a go-to line, applies a new date and tries the go-to
# button; then Ctrl+S, +, -, the arrow keys and the wheel on the chart, Escape in the panels.
# Reads the status bar and chart pixels off screenshots, kept in the artefact folder.
set -euo pipefail
source "$(dirname "$0")/real_program.sh" "$@"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT, menu bar $menu"

click() { # a move with --sync to where the pointer already is may wait forever
    local x=$((win_x + $1)) y=$((win_y + menu + $2)) X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    [ "$X,$Y" = "$x,$y" ] || xdotool mousemove --sync "$x" "$y"
    xdotool click 1
    sleep 0.3
}
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
# One frame line only: the panel around the chart draws none beside it.
for edge in "-1 200" "450 200" "200 -1" "200 450"; do
    # shellcheck disable=SC2086
    expect_pixel 01-start $edge 255,255,255
done
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

# The go-to panel covers the chart's top left; its lower frame line is grey across the chart.
panel_shown() { [ "$(pixel "$1" 30 308)" = 127,127,127 ] && [ "$(pixel "$1" 200 308)" = 127,127,127 ]; }
day_up() { # clicks the up arrow of the day field n times
    for _ in $(seq "$1"); do click 148 45; done
}

# Radiant date 12/08: month typed, day stepped up from 1 with its arrow (the arrow keys and the
# wheel leave it alone), then "Aplicar".
click 35 282
click 200 51
xdotool key ctrl+a type 8
day_up 11
click 120 51
xdotool key Up Up Down
sleep 0.3
shot 04-date-panel
click 193 86
click 22 307
click 47 307 # both lists
shot 05-radiants
expect_status 05-radiants "Fecha Radiantes: 12/08" "Zoom: 3"

# Keys in the go-to list only move the selection: the panel stays and the centre with it.
click 47 332
xdotool key Down Down End Up Home Down
sleep 0.3
shot 06-goto-keys
expect_status 06-goto-keys "210 +05" "Zoom: 3"
panel_shown 06-goto-keys || { echo "FAIL: the go-to panel closed on a key" >&2; fail=1; }

# Typing the code moves to the Perseids; Enter goes there.
xdotool type PER
xdotool key Return
sleep 0.5
shot 07-perseids
# The Perseids of 2026 peak on 13 August at 048 +58; a day earlier they stand at 047 +58.
expect_status 07-perseids "047 +58" "Zoom: 3" "12/08"
# The PER label sits on the centre; the frame is still there.
dark=0
for dx in -8 -6 -4 -2 0 2 4 6 8; do
    [ "$(pixel 07-perseids $((225 + dx)) 225)" = "0,0,0" ] && dark=1
done
[ "$dark" = 1 ] || { echo "FAIL: no radiant label at the centre" >&2; fail=1; }
expect_pixel 07-perseids 0 0 0,0,0
panel_shown 07-perseids && { echo "FAIL: the go-to panel stayed open after Enter" >&2; fail=1; }

# A double-click on the first line goes to that radiant; its second click does not fall
# through to the chart (which would recentre on the sky under the pointer).
click 47 332
xdotool key Home Return
sleep 0.3
shot 08-first-line
first_line=$(convert "$artifacts/08-first-line.png" -crop "125x19+$win_x+$((win_y + menu + 452))" +repage -format '%#' info:)
click 47 332
xdotool mousemove --sync $((win_x + 150)) $((win_y + menu + 45)) click --repeat 2 --delay 80 1
sleep 0.5
shot 09-double-click
now=$(convert "$artifacts/09-double-click.png" -crop "125x19+$win_x+$((win_y + menu + 452))" +repage -format '%#' info:)
[ "$now" = "$first_line" ] || {
    echo "FAIL: the double-click on the first go-to line left another centre" >&2
    fail=1
}
panel_shown 09-double-click && { echo "FAIL: the go-to panel stayed open" >&2; fail=1; }

# A new date empties the go-to list: its button stays dead until a radiant button is pressed.
click 35 282
day_up 2
click 193 86
click 47 332
sleep 0.3
shot 10-new-date-goto
panel_shown 10-new-date-goto && { echo "FAIL: the go-to list opened for the old date" >&2; fail=1; }
expect_status 10-new-date-goto "Zoom: 3"
click 22 307
click 47 332
sleep 0.3
shot 11-goto-new-date
panel_shown 11-goto-new-date || { echo "FAIL: no go-to list after the radiants came back" >&2; fail=1; }
xdotool key Escape
sleep 0.3
shot 12-escape
panel_shown 12-escape && { echo "FAIL: Escape left the go-to panel open" >&2; fail=1; }
expect_status 12-escape "Fecha Radiantes: 14/08"

# The keyboard on the chart, which has the focus after a panel closes. Ctrl+S opens the save
# dialog where saving is built (Escape cancels it) and does nothing where it is not yet.
xdotool key ctrl+s
sleep 0.5
xdotool key Escape
sleep 0.3
xdotool key plus minus minus
sleep 0.3
shot 13-keys-zoom
expect_status 13-keys-zoom "334-10" "Zoom: 2"
expect_pixel 13-keys-zoom 0 0 0,0,0
xdotool key Up Left
sleep 0.3
shot 14-keys-up-left
expect_status 14-keys-up-left "344 +00" "Zoom: 2"
xdotool key Right Right Down
sleep 0.3
shot 15-keys-right-down
expect_status 15-keys-right-down "324-10" "Zoom: 2"
[ "$(convert "$artifacts/14-keys-up-left.png" -crop "450x450+$((win_x + 71))+$((win_y + menu + 1))" +repage -format '%#' info:)" != \
    "$(convert "$artifacts/15-keys-right-down.png" -crop "450x450+$((win_x + 71))+$((win_y + menu + 1))" +repage -format '%#' info:)" ] ||
    { echo "FAIL: the chart did not move with the arrow keys" >&2; fail=1; }
# The wheel over the chart zooms like the zoom buttons.
xdotool mousemove --sync $((win_x + 300)) $((win_y + menu + 300)) click 4
sleep 0.3
shot 16-wheel
expect_status 16-wheel "324-10" "Zoom: 3"

# Escape closes the date panel like a cancel: the date it showed stays.
click 35 282
day_up 3
date_panel_shown() { [ "$(pixel "$1" 30 108)" = 127,127,127 ] && [ "$(pixel "$1" 150 108)" = 127,127,127 ]; }
shot 17-date-panel
date_panel_shown 17-date-panel || { echo "FAIL: no date panel" >&2; fail=1; }
xdotool key Escape
sleep 0.3
click 22 307
click 22 307
shot 18-date-kept
date_panel_shown 18-date-kept && { echo "FAIL: Escape left the date panel open" >&2; fail=1; }
expect_status 18-date-kept "Fecha Radiantes: 14/08"

exit "$fail"
