# Sourced by the scripts that drive the real window: starts a private X
# server and points the program at it.
#
# -noreset: without it the server resets whenever its last client goes, and
# a client connecting during the reset (the next xdotool call, the next
# program) is refused.

# Sets $xvfb to the server's pid and exports DISPLAY.
start_private_xvfb() { # work-dir screen
    Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [[ -s $1/display ]] && break
        sleep 0.1
    done
    [[ -s $1/display ]] || return 1
    export DISPLAY=":$(head -n1 "$1/display")"
    unset QT_QPA_PLATFORM
}
