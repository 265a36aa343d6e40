#!/usr/bin/env bash
# Drives the real program in a private X server as a user would: presses and
# double clicks at pixel positions, the board read off the screen.
source "$(dirname "$0")/real_window.sh" "$@" 1024x768x24

# The window's geometry as read at start-up.
[[ $WIDTH == 580 && $HEIGHT == 511 ]] || fail "client area is ${WIDTH}x${HEIGHT}"
settle
board
[[ $(grep -c ' dead$' <<<"$fills") == 625 ]] || fail "the empty board is not 625 blue cells"

shows() { # live-cells after-what
    settle "after $2"
    board
    local now
    now=$(awk '$3 == "live" { printf "%s%d,%d", sep, $1, $2; sep = " " }' <<<"$fills")
    [[ $now == "$1" ]] || fail "after $2 the live cells are '$now', not '$1'"
}
double_click() { # x y
    xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))" click --repeat 2 --delay 80 1
}

# The second press of a double click does not toggle the cell back.
double_click 115 61
shows "3,3" "a double click on cell (3, 3)"
press 305 214
press 325 214
shows "3,3 12,12 13,12" "presses on cells (12, 12) and (13, 12)"
press 24 60 # Go: the lone cell dies, the pair turns (period 2)
shows "13,11 13,13" "Go"
press 115 61
shows "3,3 13,11 13,13" "a press on cell (3, 3)"
# A double click on Go is two generations: after none cell (3, 3) would still
# live, after one the pair would show as (12, 12), (13, 12).
double_click 24 60
shows "13,11 13,13" "a double click on Go"

press 24 356
ends Exit
