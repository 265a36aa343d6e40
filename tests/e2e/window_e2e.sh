#!/usr/bin/env bash
# The real program as a user sees it on a dark desktop (qt6ct's "darker"
# scheme, from a config home of its own): presses and double clicks at pixel
# positions, the board and the status text read off the screen.
work=$(mktemp -d)
mkdir "$work/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n' >"$work/qt6ct/qt6ct.conf"
export XDG_CONFIG_HOME=$work QT_QPA_PLATFORMTHEME=qt6ct QT_LOGGING_RULES=qt6ct.debug=true
source "$(dirname "$0")/real_window.sh" "$@" 1024x768x24
grep -q 'using qt6ct plugin' "$work/tavrel.log" || fail "the qt6ct theme did not load"
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
# Each status text reads at 4.5:1 or more against what lies under it: the
# window, or a number's white box.
import -window "$window" "$work/shown.png"
window_colour=$(convert "$work/shown.png" -crop 1x1+4+200 -depth 8 txt:- | awk 'NR == 2 { print $2 }')
while read -r text area under; do
    convert "$work/shown.png" -crop "$area" -depth 8 txt:- | awk -v under="${under/window/$window_colour}" '
        function luminance(rgb, c, k) { gsub(/[()]/, "", rgb); split(rgb, c, ",")
            for (k = 1; k <= 3; k++) { c[k] /= 255; c[k] = c[k] <= 0.04045 ? c[k] / 12.92 : ((c[k] + 0.055) / 1.055) ^ 2.4 }
            return 0.2126 * c[1] + 0.7152 * c[2] + 0.0722 * c[3] + 0.05 }
        NR > 1 && $2 != under { a = luminance($2); b = luminance(under); r = a > b ? a / b : b / a; if (!low || r < low) low = r }
        END { exit !(low >= 4.5) }' || fail "the status text '$text' does not read against what lies under it"
done <<'TEXTS'
Step 63x12+0+220 window
№ 20x13+0+233 window
generation 25x12+21+234 (255,255,255)
Num_of_cells 63x12+0+259 window
live_count 20x12+13+273 (255,255,255)
threshold 21x16+15+179 (255,255,255)
TEXTS
press 24 356 # Exit
ends Exit
