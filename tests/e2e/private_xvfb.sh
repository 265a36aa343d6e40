# start_private_xvfb WORK-DIR SCREEN starts a private X server, leaves its pid
# in $xvfb and exports its DISPLAY. -noreset: otherwise the server resets when
# its last client goes and refuses a client that connects meanwhile.
start_private_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb=$!
    timeout 10 sh -c 'until [ -s "$0" ]; do sleep 0.1; done' "$1/display" || return 1
    export DISPLAY=":$(head -n1 "$1/display")"
}
