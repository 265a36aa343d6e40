#!/usr/bin/env bash
# Where no display answers: one line that names the displays the program was
# given, and status 1, whatever Qt's logging shows; what Qt was asked to say
# comes first. Where an X server answers but the X platform cannot load a
# library: Qt's own words, which name the cause.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/private_xvfb.sh"
tavrel=$1
mkdir -m 0700 "$work/runtime"
start() { # [variable=value...] [-- arguments]: $status, $err
    local variables=()
    while (($# > 0)) && [[ $1 != -- ]]; do variables+=("$1") && shift; done
    status=0
    env XDG_RUNTIME_DIR="$work/runtime" "${variables[@]}" "$tavrel" "${@:2}" >"$work/out" 2>"$work/err" || status=$?
    err=$(<"$work/err")
    [[ ! -s $work/out ]] || fail "with $*: stdout '$(<"$work/out")'"
}
no_display() { # displays-named [variable=value...] [-- arguments]
    start "${@:2}"
    ((status == 1)) && [[ $err == "tavrel: cannot open a display: $1" ]] || fail "with ${*:2}: status $status, stderr '$err', not naming $1"
}
no_display "X display not set, WAYLAND_DISPLAY not set"
no_display "X display :77, WAYLAND_DISPLAY not set" DISPLAY=:77
no_display "X display :77, WAYLAND_DISPLAY not set" DISPLAY=:77 QT_LOGGING_RULES=qt.qpa.xcb=false
no_display "X display :78, WAYLAND_DISPLAY not set" DISPLAY=:77 -- -display :78
no_display "X display not set, WAYLAND_DISPLAY tavrel-none" WAYLAND_DISPLAY=tavrel-none XDG_SESSION_TYPE=wayland
no_display "X display not set, WAYLAND_DISPLAY not set" -- -platform wayland
start DISPLAY=:77 QT_DEBUG_PLUGINS=1
((status == 1)) && [[ $err == *"qt.core."*"tavrel: cannot open a display: X display :77, WAYLAND_DISPLAY not set" ]] ||
    fail "under QT_DEBUG_PLUGINS: status $status, stderr ending '$(tail -n3 <<<"$err")'"

# A library of the X platform that loads but lacks every symbol.
mkdir "$work/broken"
c++ -shared -x c++ /dev/null -o "$work/broken/libxcb-icccm.so.4"
start_private_xvfb "$work" 640x480x24 || fail "Xvfb did not start"
for debug in 0 1; do
    start LD_LIBRARY_PATH="$work/broken" QT_DEBUG_PLUGINS=$debug
    ((status != 0 && status != 1)) && [[ $err == *'Could not load the Qt platform plugin "xcb"'* && $err != *"tavrel: cannot"* ]] ||
        fail "with a broken X library: status $status, stderr '$err'"
    ((debug == 0)) || [[ $err == *"undefined symbol: xcb_icccm_"* ]] || fail "under QT_DEBUG_PLUGINS the cause is not named: '$err'"
done
