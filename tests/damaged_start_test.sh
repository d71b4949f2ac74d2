#!/usr/bin/env bash
# Starts the real program in a virtual X display on data with a missing fnombre and a folder in
# place of ftriangulo. Each failure must be shown once, in Spanish with the file's path, over a
# window at its fixed size that shows chart 1. Screenshots stay in the artefact folder.
set -euo pipefail
program="$1"
data="$2"
artifacts="${3:-$(pwd)/damaged-start-artifacts}"
mkdir -p "$artifacts"
# shellcheck source=support/xvfb-session.sh
. "$(dirname "$0")/support/xvfb-session.sh" "$program" "$data" "$artifacts"

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for f in festrella ffigura fnumero fradiante fradter fmaglim escudo.bmp; do cp "$data/$f" "$work/"; done
mkdir "$work/ftriangulo"
cd "$work"
"$program" >"$artifacts/program.log" 2>&1 &
pid=$!

fail=0
check() { # condition text, then the command
    local what="$1"
    shift
    if ! "$@"; then
        echo "FAIL: $what" >&2
        fail=1
    fi
}
wait_window() { # title pattern -> id of the first visible window, waiting up to 20 s
    local id=""
    for _ in $(seq 40); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.5
    done
    [ -n "$id" ] || { echo "FAIL: no window '$1'" >&2; exit 1; }
    echo "$id"
}
expect_box() { # number, end of the file name it shows, its first line; then dismisses it
    local box text
    box=$(wait_window '^Velumbra$')
    sleep 1
    import -window root "$artifacts/0$1-error.png"
    import -window "$box" "$work/box.png"
    # Two readings; small screen fonts trip OCR now and then.
    text=""
    for variant in "-resize 300%" "-resize 400% -colorspace Gray"; do
        # shellcheck disable=SC2086
        convert "$work/box.png" $variant "$work/big.png"
        text+="$(tesseract "$work/big.png" - 2>/dev/null)"$'\n'
    done
    echo "box $1: $text"
    check "box $1 names $2" grep -q "$2" <<<"$text"
    check "box $1 says '$3'" grep -qi "$3" <<<"$text"
    xdotool key Return
    sleep 1
}

expect_box 1 nombre "encuentra el archivo"
expect_box 2 angulo "Acceso denegado"
check "no third box" test -z "$(xdotool search --onlyvisible --name '^Velumbra$' || true)"

main=$(wait_window '^Velumbra \(para')
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "window size ${WIDTH}x$HEIGHT"
check "window keeps its width of 522, not ${WIDTH}" test "$WIDTH" -eq 522
menu=$((HEIGHT - 452 - 19))
check "window height ${HEIGHT} leaves room for a menu bar" test "$menu" -gt 10 -a "$menu" -lt 40
import -window root "$artifacts/03-after.png"
pixel() { # x, y in the chart -> colour as r,g,b
    local px=$((X + 71 + $1)) py=$((Y + menu + 1 + $2))
    convert "$artifacts/03-after.png" -format \
        "%[fx:int(255*p{$px,$py}.r)],%[fx:int(255*p{$px,$py}.g)],%[fx:int(255*p{$px,$py}.b)]" info:
}
check "chart frame drawn" test "$(pixel 449 449)" = "0,0,0"
check "grid of chart 1 (layout H) drawn" test "$(pixel 90 3)" = "255,0,0"
convert "$artifacts/03-after.png" -crop "400x19+$X+$((Y + menu + 452))" +repage -resize 300% \
    "$work/status.png"
status=$(tesseract "$work/status.png" - --psm 7 2>/dev/null)
echo "status bar: $status"
check "status bar shows the centre of chart 1" grep -q "030 *+56" <<<"$status"
exit $fail
