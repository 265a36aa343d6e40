#!/usr/bin/env bash
# The real program as a user sees it: presses and double clicks at pixel
# positions, the board read off the screen.
source "$(dirname "$0")/real_window.sh" "$@" 1024x768x24
shows() { # live-cells after-what
    settle "after $2"
    board
    local now=$(awk '$3 == "live" { printf "%s%d,%d", sep, $1, $2; sep = " " }' <<<"$fills")
    [[ $now == "$1" ]] || fail "after $2 the live cells are '$now', not '$1'"
}

[[ $WIDTH == 580 && $HEIGHT == 511 ]] || fail "client area is ${WIDTH}x${HEIGHT}"
# The menu entry's StartupWMClass.
class=$(xprop -id "$window" WM_CLASS)
[[ $class == 'WM_CLASS(STRING) = "tavrel", "tavrel"' ]] || fail "$class"
shows "" "start-up"
[[ $(grep -c ' dead$' <<<"$fills") == 625 ]] || fail "the empty board is not 625 blue cells"
# The second press of a double click does not toggle the cell back.
press 305 214
press 325 214
press 115 61 "--repeat 2 --delay 80 1"
shows "3,3 12,12 13,12" "presses on cells (12, 12), (13, 12) and a double click on (3, 3)"
# A double click on Go is two generations: the lone cell dies, the pair turns
# and turns back; after one it would show as (13, 11), (13, 13).
press 24 60 "--repeat 2 --delay 80 1"
shows "12,12 13,12" "a double click on Go"
press 24 356 # Exit
ends Exit
