#!/usr/bin/env bash
# Two screens side by side, L from the origin and R beside it, of different
# scale: a window moved from one to the other, or first shown on R, keeps
# showing its board, and from its next drawing on draws it pixel for pixel as
# a window that had R's scale all along.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/real_window.sh" "$1" "$2" 3200x1200x24
# Qt names its screens after these monitors; their sizes make 96 dots per inch.
xrandr --delmonitor screen 2>/dev/null || true # the server's own, if it has one
xrandr --setmonitor L 1600/423x1200/317+0+0 screen >/dev/null && xrandr --setmonitor R 1600/423x1200/317+1600+0 none >/dev/null ||
    fail "no two monitors: $(xrandr --listmonitors)"
at() { awk -v s="$scale" "BEGIN { printf \"%d\", $1 * s }"; } # device pixels of a logical position
shot() { import -window "$window" "$work/$1.ppm" || fail "no picture of the window"; }
cells() { convert "$work/$1.ppm" -sample '580x511!' ppm:- | cell_fills ppm:-; } # read back at scale 1
# Pixels that differ in the box round the circles, x 66 to 578 and y 14 to 450,
# right of the label that Qt draws over the circles' left edge.
differ() { pixels_differ "$work/$1.ppm" "$work/$2.ppm" -crop "$(at 512)x$(at 436)+$(at 66)+$(at 14)" +repage; }
until_shows() { # picture test what: screenshots, for 20 s, until the cells $now read pass the test
    SECONDS=0
    until shot "$1" && now=$(cells "$1") && eval "$2"; do ((SECONDS < 20)) || fail "$3"; done
}

# name L-scale R-scale [command]: New and Go in a window at R's scale from the
# start, and in one started on L (or on R by the command) and moved to R after
# New. Without a window manager the move leaves the native size as it was;
# going straight to the new size left Qt 6.4 painting only a quarter of it.
scale_case() {
    scale=$3
    start_window QT_SCALE_FACTOR="$scale"
    w=$WIDTH h=$HEIGHT
    press "$(at 24)" "$(at 20)"
    until_shows new '[[ $now == *live* && $now != *other* ]]' "New does not show at scale $scale" && new=$now
    press "$(at 24)" "$(at 60)"
    until_shows go '[[ $now != "$new" && $now != *other* ]]' "Go does not show at scale $scale" && go=$now
    press "$(at 24)" "$(at 356)" && ends "Exit at scale $scale"
    start_window QT_SCREEN_SCALE_FACTORS="L=$2;R=$3" "${@:4}"
    ((origin_x >= 1600)) || scale=$2
    press "$(at 24)" "$(at 20)" && settle "after New"
    xdotool windowmove "$window" 1700 40 windowsize "$window" $((w - 60)) $((h - 22)) && settle "after a resize"
    xdotool windowsize "$window" "$w" "$h"
    origin_x=1700 origin_y=40 scale=$3
    until_shows moved '[[ $now == "$new" ]]' "$1: after the move the window does not show the board"
    press "$(at 24)" "$(at 60)"
    until_shows moved-go '[[ $now == "$go" ]]' "$1: Go does not show on the screen"
    n=$(differ go moved-go)
    [[ $n == 0 ]] || fail "$1: after Go $n board pixels differ from a window at scale $3 from the start"
    press "$(at 24)" "$(at 356)" && ends "Exit in $1"
}
scale_case "1 to 2" 1 2
scale_case "2 to 1" 2 1
# Qt's X platform places the first window it shows by -geometry.
scale_case "first shown on R" 1 2 sh -c 'exec "$0" -geometry +1700+40'
scale_case "1 to 1.5" 1 1.5
