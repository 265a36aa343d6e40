#!/usr/bin/env bash
# Closes the real program's window during a run as the frame's close button
# would (WM_DELETE_WINDOW; the private X server has no window manager): the
# program must end with status 0 within a few seconds and leave no process.
set -euo pipefail
tavrel=$1
board_colours=$2
window_message=$3

work=$(mktemp -d)
cleanup() {
    [[ -n ${app:-} ]] && kill "$app" 2>/dev/null || true
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# A timeout's signal ends the script through the cleanup too.
trap 'exit 1' INT TERM HUP
fail() {
    echo "FAIL: $*" >&2
    [[ -s $work/tavrel.log ]] && sed 's/^/tavrel: /' "$work/tavrel.log" >&2
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

press() { # x y inside the client area
    xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))" mousedown 1 mouseup 1
}
board() {
    import -window root "$work/shot.png"
    "$board_colours" "$work/shot.png" "$origin_x" "$origin_y"
}

# A run from a random seed may empty the board within a few generations, so
# New and Run are pressed until two pictures in a row show the board moving.
running=
for _ in $(seq 20); do
    press 24 20 # New
    press 24 100 # Run
    "$window_message" ping "$window" || fail "the program does not answer"
    first=$(board)
    second=$(board)
    if [[ $first != "$second" ]]; then
        running=1
        break
    fi
done
[[ -n $running ]] || fail "no run lasted long enough to be seen"

"$window_message" close "$window" || fail "the close message could not be sent"
timeout 5 tail --pid="$app" -f /dev/null || fail "closing the window during a run did not end the program within 5 s"
status=0
wait "$app" || status=$?
app=
[[ $status == 0 ]] || fail "exit status $status after closing the window"
# The program starts no helper processes; nothing may be left in its group.
if pgrep -f -- "^$tavrel( |$)" >/dev/null; then
    fail "a tavrel process is left"
fi
echo "close during a run: the program ended with status 0"
