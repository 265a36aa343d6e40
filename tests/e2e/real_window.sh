# Sourced by the end-to-end scripts with the program, window_message and the
# screen size: starts the program in a private X server, leaves its window in
# $window and the origin of its client area in $origin_x, $origin_y, and
# gives the functions that drive it and read its board off the screen.
source "$(dirname "${BASH_SOURCE[0]}")/private_xvfb.sh"
set -euo pipefail
tavrel=$1
window_message=$2

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
    if [[ -n ${app:-} && $(ps -o stat= -p "$app") == Z* ]]; then
        local status=0
        wait "$app" || status=$?
        echo "the program has ended with status $status" >&2
        app=
    fi
    [[ -s $work/tavrel.log ]] && sed 's/^/tavrel: /' "$work/tavrel.log" >&2
    exit 1
}

start_private_xvfb "$work" "$3" || fail "Xvfb did not start"
"$tavrel" 2>"$work/tavrel.log" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrel$' | head -n1) || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
origin_x=$X
origin_y=$Y

# The program answers a ping only once it has taken in every event sent
# before it.
answers() { "$window_message" ping "$window" || fail "the program does not answer $*"; }
# A second ping is read in a later pass of the event loop than the first, so
# the program has also painted what the events changed.
drawn() {
    answers "$@"
    answers "$@"
}
press() { # x y in the client area
    xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))" mousedown 1 mouseup 1
}
# Sets $fills to "i j live|dead|died|other" for the 625 cells from the colour
# at each centre. The centres lie on a grid of 10 x 17 pixels from (75, 27):
# the odd rows on its even columns, the even rows on its odd ones.
board() {
    fills=$(timeout 10 import -window "$window" ppm:- |
        convert ppm:- -crop 500x425+75+27 +repage -define sample:offset=0 -sample '50x25!' -depth 8 txt:- |
        awk -F': *' 'BEGIN { fill["(255,240,0)"] = "live"; fill["(90,90,210)"] = "dead"; fill["(180,120,0)"] = "died" }
            NR > 1 {
                split($1, p, ","); j = p[2] + 1; x = 10 * p[1] + (j % 2 ? 20 : 10); split($2, c, " ")
                if (x % 20 == 0) print x / 20, j, ((c[1] in fill) ? fill[c[1]] : "other")
            }') || fail "the board cannot be read off the screen"
}
# The program ends with status 0 within 5 s and leaves no process.
ends() { # after what
    timeout 5 tail --pid="$app" -f /dev/null || fail "$1 did not end the program within 5 s"
    local status=0
    wait "$app" || status=$?
    app=
    [[ $status == 0 ]] || fail "exit status $status after $1"
    ! pgrep -f -- "^$tavrel( |\$)" >/dev/null || fail "a tavrel process is left after $1"
}
