# Sourced after common.sh with the program, window_message and a screen size:
# starts a private X server in which start_window [VARIABLE=value...] starts
# the program, its window in $window, the client area's origin in $origin_x
# $origin_y.
source "$(dirname "${BASH_SOURCE[0]}")/private_xvfb.sh"
source "$(dirname "${BASH_SOURCE[0]}")/cell_fills.sh"
tavrel=$1 window_message=$2
fail() {
    echo "FAIL: $*" >&2
    [[ -z ${app:-} ]] || kill -0 "$app" 2>/dev/null || wait "$app" || echo "tavrel ended with status $?" >&2
    sed 's/^/tavrel: /' "$work/tavrel.log" >&2
    exit 1
}
start_private_xvfb "$work" "$3" || fail "Xvfb did not start"
start_window() {
    env "$@" "$tavrel" 2>"$work/tavrel.log" &
    app=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrel$' | head -n1) || fail "no window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    origin_x=$X origin_y=$Y
}

# Every input sent before is handled and drawn: see window_message.
settle() { "$window_message" settle "$window" || fail "no answer $*"; }
press() { xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))" click ${3:-1}; } # [click options] button
# $fills: the cells' fills on the screen, as cell_fills gives them.
board() {
    fills=$(timeout 10 import -window "$window" ppm:- | cell_fills ppm:-) || fail "the board cannot be read off the screen"
}
ends() { # after-what: status 0 within 5 s, no process left
    timeout 5 tail --pid="$app" -f /dev/null || fail "$1 did not end the program within 5 s"
    wait "$app" || fail "exit status $? after $1"
    app=
    ! pgrep -f -- "^$tavrel( |\$)" >/dev/null || fail "a tavrel process is left after $1"
}
