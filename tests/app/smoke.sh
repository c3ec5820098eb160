#!/bin/bash
# Smoke test of the real viewer under a virtual X server: start it, open two files with real key
# presses (Ctrl+O, the path, Enter), tile them, take a screenshot; then open the Parameters
# dialog with the toolbar button and take a screenshot of that; then leave with File > Exit.
# Usage: smoke.sh QUORVEL DATA_DIR OUT_DIR. Exits 77 (skipped) when the X tools are missing.
set -u
quorvel=$1 data=$(cd "$2" && pwd) out=$3

if [[ ${SMOKE_INNER:-} != 1 ]]; then
    for tool in xvfb-run xdotool import convert; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed; the Xvfb smoke test needs xvfb-run, xdotool and ImageMagick"
            exit 77
        fi
    done
    # A random first display number keeps parallel runs from racing for the same one.
    SMOKE_INNER=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x960x24" "$0" "$@"
fi

fail() {
    echo "FAILED: $*"
    [[ -n ${pid:-} ]] && kill "$pid" 2>/dev/null
    exit 1
}

# Waits until the window's title is the text.
wait_title() {
    local title
    for _ in $(seq 100); do
        title=$(xdotool getwindowname "$1" 2>/dev/null)
        [[ $title == "$2" ]] && return 0
        sleep 0.1
    done
    fail "title \"$title\", expected \"$2\""
}

# Waits for a visible window with the exact name and prints its id.
find_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

open_file() {
    xdotool windowfocus --sync "$main" key ctrl+o
    local dialog
    dialog=$(find_window "Open") || fail "no Open dialog after Ctrl+O"
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    xdotool type --delay 10 "$1"
    xdotool key Return
    wait_title "$main" "Quorvel - $(basename "$1")"
    sleep 0.5
}

settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
export XDG_CONFIG_HOME=$settings
"$quorvel" &
pid=$!

main=$(find_window "Quorvel") || fail "the main window did not appear"
xdotool windowmove --sync "$main" 0 0 windowsize --sync "$main" 1200 900
sleep 0.5

open_file "$data/engine.csv"
open_file "$data/battery.tsv"
# Window > Tile, by its keys.
xdotool windowfocus --sync "$main" key alt+w
sleep 0.3
xdotool key t
sleep 1
import -window root "$out/viewer-two-diagrams.png" || fail "no screenshot"
echo "screenshot: $out/viewer-two-diagrams.png"

# The toolbar's Parameters button: right of the yellow folder of the Open button.
shot=$(mktemp --suffix=.png)
import -window root "$shot"
folder=$(convert "$shot" -crop 1200x120+0+0 +repage -fill black +opaque "#FFFF00" -format "%@" info:)
[[ $folder =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no Open button found ($folder)"
fy=$((BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
fx=$((BASH_REMATCH[3] + BASH_REMATCH[1]))
spanner=$(convert "$shot" -crop "60x40+$fx+$((fy - 20))" +repage -fill black +opaque "#808080" \
    -format "%@" info:)
rm -f "$shot"
[[ $spanner =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no Parameters button found"
px=$((fx + BASH_REMATCH[3] + BASH_REMATCH[1] / 2))
py=$((fy - 20 + BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
xdotool mousemove --sync "$px" "$py" click 1
params=$(find_window "Parameters") || fail "no Parameters dialog after clicking ($px, $py)"
sleep 0.5
import -window root "$out/parameters-dialog.png" || fail "no screenshot"
echo "screenshot: $out/parameters-dialog.png"
xdotool windowfocus --sync "$params" key Escape
sleep 0.5
xdotool search --onlyvisible --name "^Parameters\$" >/dev/null && fail "Esc left the dialog open"

# File > Exit; the recent-file list is written on the way out.
xdotool windowfocus --sync "$main" key alt+f
sleep 0.3
xdotool key x
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the viewer"
wait "$pid" || fail "the viewer exited with $?"
grep -q "battery.tsv" "$settings/Bramvold/Quorvel.conf" || fail "no recent-file list written"
echo "PASSED"
