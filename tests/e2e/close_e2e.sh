#!/usr/bin/env bash
# Closes the real program's window during a run as the frame's close button
# would: the program must end with status 0 within 5 s and leave no process.
source "$(dirname "$0")/real_window.sh" "$@" 1024x768x24

# A run from a random seed may empty the board within a few generations, so
# New and Run are pressed until two pictures in a row show the board moving.
for ((tries = 1; ; tries++)); do
    ((tries <= 20)) || fail "no run lasted long enough to be seen"
    press 24 20 # New
    press 24 100 # Run
    answers
    board
    first=$fills
    board
    [[ $fills == "$first" ]] || break
done
"$window_message" close "$window" || fail "the close message could not be sent"
ends "closing the window during a run"
echo "close during a run: the program ended with status 0"
