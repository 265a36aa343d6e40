#!/usr/bin/env bash
# Drives the real program in a private X server as a user would: clicks at
# pixel positions with xdotool and reads the colours at the cell centres.
set -euo pipefail
tavrel=$1
board_colours=$2

work=$(mktemp -d)
cleanup() {
    [[ -n ${app:-} ]] && kill "$app" 2>/dev/null || true
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

source "$(dirname "$0")/private_xvfb.sh"
start_private_xvfb "$work" 1024x768x24 || fail "Xvfb did not start"

"$tavrel" 2>"$work/tavrel.log" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrel$' | head -n1) || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
origin_x=$X
origin_y=$Y
[[ $WIDTH == 580 && $HEIGHT == 511 ]] || fail "client area is ${WIDTH}x${HEIGHT}"

click() { # x y inside the client area
    xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))" click 1
    sleep 0.3
}
board() { # prints "i j fill" for all 625 cells
    import -window root "$work/shot.png"
    "$board_colours" "$work/shot.png" "$origin_x" "$origin_y"
}
count() { # fill
    board | grep -c " $1\$" || true
}
fill_of() { # i j
    board | awk -v i="$1" -v j="$2" '$1 == i && $2 == j { print $3 }'
}

sleep 0.5
[[ $(count dead) == 625 ]] || fail "the empty board is not 625 blue cells"

click 24 20 # New
live=$(board | awk '$3 == "live"')
n=$(printf '%s\n' "$live" | grep -c . || true)
((n >= 1 && n <= 10)) || fail "New seeded $n cells"
printf '%s\n' "$live" | awk '$1 < 12 || $1 > 17 || $2 < 12 || $2 > 17 { exit 1 }' || fail "a seed lies outside 12..17"
[[ $(count other) == 0 ]] || fail "a cell centre shows no legal fill after New"

click 115 61 # cell (3, 3)
[[ $(fill_of 3 3) == live ]] || fail "a press did not set cell (3, 3)"
click 24 60 # Go: the lone cell dies
[[ $(fill_of 3 3) == dead ]] || fail "cell (3, 3) did not die"

click 24 324 # tick Vew last
click 115 61
click 24 60
[[ $(fill_of 3 3) == died ]] || fail "a cell that died is not marked while the box is ticked"

click 24 100 # Run
sleep 0.5
click 24 140 # Stop
kill -0 "$app" || fail "the program died during a run"
[[ $(count other) == 0 ]] || fail "a cell centre shows no legal fill after a run"

click 24 356 # Exit
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "Exit did not end the program"
wait "$app" || status=$?
app=
[[ $status == 0 ]] || fail "exit status $status"
echo "window end-to-end: all checks passed"
