#!/usr/bin/env bash
# An input storm from a fixed seed, in batches of 100 events (presses with
# buttons 1 to 9 anywhere, clicks on every control, nested runs, resizes), then
# 5000 clicks on Run at once, which once overflowed the stack: the program must
# still answer, show legal fills, and end with 0 when its window is closed
# during a run.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/real_window.sh" "$@" 1600x1200x24
start_window
RANDOM=${STORM_SEED:-20261207}
# x y width height: the board, the client area and 230 pixels beyond, Exit,
# the two labels, New, Go, Run, Stop, the check box.
areas=("45 15 540 440" "0 0 810 741" "8 344 33 25" "0 160 65 17" "0 296 49 17"
    "8 8 33 25" "8 48 33 25" "8 88 33 25" "8 128 33 25" "16 312 17 25")
# bash's RANDOM, in this shell only: a subshell would reseed it.
rand() { REPLY=$(((RANDOM * 32768 + RANDOM) % $1)); }
press_in() { # area [button]: a third of the presses left, the rest 2 to 9
    local a=(${areas[$1]}) x y button
    rand "${a[2]}"; x=$((a[0] + REPLY))
    rand "${a[3]}"; y=$((a[1] + REPLY))
    rand 12; button=${2:-$((REPLY < 4 ? 1 : REPLY - 2))}
    ((x < 6 || x > 43 || y < 342 || y > 371 || button != 1)) || button=3 # not Exit
    batch+=(mousemove $((origin_x + x)) $((origin_y + y)) mousedown "$button" mouseup "$button")
}

SECONDS=0
for ((events = 0; events < ${STORM_EVENTS:-3200}; events += 100)); do
    batch=()
    for _ in {1..100}; do
        rand 19
        case $REPLY in
        1[0-4]) press_in $((REPLY - 5)) 1 ;; # a left click on a button or the box
        15) press_in 7 1; press_in 7 1 ;; # Run twice
        1[6-7]) rand 1400; batch+=(windowsize "$window" $((REPLY + 1))); rand 1000; batch+=($((REPLY + 1))) ;;
        18) batch+=(windowsize "$window" 580 511) ;;
        *) press_in "$REPLY" ;;
        esac
    done
    xdotool "${batch[@]}" || fail "xdotool failed after $events events"
    settle "after $events events"
done
((SECONDS <= 60)) || fail "the storm took $SECONDS s, more than 60 s"
# Grown inside the burst, the window's new shared memory now and then failed
# to reach the program, and its X connection broke: so first the size.
xdotool windowsize "$window" 580 511
settle "after a resize"
xdotool mousemove "$((origin_x + 24))" "$((origin_y + 100))" $(printf 'mousedown 1 mouseup 1 %.0s' {1..5000}) ||
    fail "xdotool failed during the burst of Run clicks"
settle "after 5000 clicks on Run"
press 24 140 # Stop
settle "after Stop"
# The run's last picture may come after the answer; wait for two alike.
SECONDS=0
board
until previous=$fills && sleep 0.5 && board && [[ $fills == "$previous" ]]; do
    ((SECONDS < 60)) || fail "the board did not settle within 60 s of Stop"
done
legal=$(grep -cE ' (live|dead|died)$' <<<"$fills" || true)
((legal == 625)) || fail "only $legal of the 625 cell centres show a legal fill"
# Last, the frame's close button during a run that is seen to change the
# board (a random pattern may die out at once).
for tries in {1..20}; do
    press 24 20 # New
    press 24 100 # Run
    settle "after New and Run"
    board && first=$fills && board
    [[ $fills == "$first" ]] || break
    ((tries < 20)) || fail "no run lasted long enough to be seen"
done
"$window_message" close "$window" || fail "the close message could not be sent"
ends "closing the window during a run"
