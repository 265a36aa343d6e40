#!/usr/bin/env bash
# The frame's close button during a run ends the program with status 0 within
# 5 s. A random board may die out at once, so New and Run are pressed until
# two pictures in a row differ.
source "$(dirname "$0")/real_window.sh" "$@" 1024x768x24
for tries in {1..20}; do
    press 24 20 # New
    press 24 100 # Run
    settle
    board
    first=$fills
    board
    [[ $fills == "$first" ]] || break
    ((tries < 20)) || fail "no run lasted long enough to be seen"
done
"$window_message" close "$window" || fail "the close message could not be sent"
ends "closing the window during a run"
