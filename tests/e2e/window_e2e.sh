#!/usr/bin/env bash
# The real program as a user sees it: presses and double clicks at pixel
# positions, the board read off the screen; and on a dark desktop, KDE's
# Breeze Dark and GTK's dark Adwaita, pixel for pixel the window of the
# default desktop.
source "$(dirname "$0")/common.sh"
empty_window=$3 # a plain Qt window, which does turn dark
source "$(dirname "$0")/real_window.sh" "$1" "$2" 1024x768x24
shows() { # live-cells after-what
    settle "after $2"
    board
    local now=$(awk '$3 == "live" { printf "%s%d,%d", sep, $1, $2; sep = " " }' <<<"$fills")
    [[ $now == "$1" ]] || fail "after $2 the live cells are '$now', not '$1'"
}
new_and_go() { # picture
    press 24 20
    press 24 60
    settle "after New and Go"
    import -window "$window" "$1"
}

start_window
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
start_window
new_and_go "$work/default.png"
press 24 356
ends "Exit after New and Go"

# Plasma writes the scheme's name and colours into kdeglobals; Qt reads them
# under KDE, and since Qt 6.5 its Fusion style turns dark by the name.
mkdir "$work/kde"
cat >"$work/kde/kdeglobals" <<'KDE'
[General]
ColorScheme=BreezeDark
[Colors:Button]
BackgroundNormal=41,44,48
ForegroundNormal=252,252,252
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
[Colors:View]
BackgroundNormal=20,22,24
ForegroundNormal=252,252,252
[Colors:Window]
BackgroundNormal=32,35,38
ForegroundNormal=252,252,252
KDE
# dark_like NAME COLOUR VARIABLE=value...: a plain Qt window turns COLOUR
# there, and the program's window after New and Go stays the default one.
dark_like() {
    local name=$1 want=$2 plain colour differ
    shift 2
    env "$@" "$empty_window" 2>/dev/null &
    plain=$(timeout 20 xdotool search --sync --onlyvisible --name '^Empty$' | head -n1) || fail "no plain Qt window"
    local deadline=$((SECONDS + 10)) # mapped is not yet painted
    while colour=$(import -window "$plain" -crop 1x1+100+100 -depth 8 txt:- | awk 'NR == 2 { print $3 }') &&
        [[ $colour != "$want" ]] && ((SECONDS < deadline)); do
        sleep 0.1
    done
    kill %%
    wait %% || true # ended by the kill
    [[ $colour == "$want" ]] || fail "a plain Qt window is $colour under $name, not $want: the desktop is not dark"
    start_window "$@"
    new_and_go "$work/dark.png"
    press 24 356
    ends "Exit under $name"
    differ=$(pixels_differ "$work/default.png" "$work/dark.png")
    [[ $differ == 0 ]] || fail "under $name $differ pixels differ from the default desktop"
}
dark_like "Breeze Dark" '#202326' XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=6 XDG_CONFIG_HOME="$work/kde"
dark_like "dark Adwaita" '#323232' QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
