#!/usr/bin/env bash
# An input storm from a fixed seed, in batches of 100 events (presses with
# buttons 1 to 9 anywhere, some with shift, ctrl or alt, clicks on every
# control, nested runs, resizes), then 300 clicks on Run at once, nesting runs
# past their cap of 256: legal fills, and status 0 on a close during them.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/real_window.sh" "$@" 1600x1200x24
# Without MIT-SHM: under a flood of input the reply that hands Qt a new size's
# shared memory now and then failed to reach it (a bare Qt window's too).
start_window QT_XCB_NO_MITSHM=1
RANDOM=${STORM_SEED:-20261207}
# x y width height: the board, the client area and 230 pixels beyond, Exit,
# the two labels, New, Go, Run, Stop, the check box.
areas=("45 15 540 440" "0 0 810 741" "8 344 33 25" "0 160 65 17" "0 296 49 17"
    "8 8 33 25" "8 48 33 25" "8 88 33 25" "8 128 33 25" "16 312 17 25")
rand() { REPLY=$(((RANDOM * 32768 + RANDOM) % $1)); } # bash's RANDOM, in this shell only: a subshell reseeds it
press_in() { # area [button]: a third of the presses left, the rest 2 to 9; a quarter with a key held
    local a=(${areas[$1]}) keys=(shift ctrl alt) x y button key
    rand "${a[2]}"; x=$((a[0] + REPLY))
    rand "${a[3]}"; y=$((a[1] + REPLY))
    rand 12; button=${2:-$((REPLY < 4 ? 1 : REPLY - 2))}
    ((x < 6 || x > 43 || y < 342 || y > 371 || button != 1)) || button=3 # not Exit
    rand 12; key=${keys[REPLY]:+--delay 0 ${keys[REPLY]}}
    batch+=(mousemove $((origin_x + x)) $((origin_y + y)) ${key:+keydown $key} mousedown "$button" mouseup "$button" ${key:+keyup $key})
}
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
# A board that still changes after the burst lived all along, so that every
# click nested a run or met the cap; a random pattern may die out, then anew.
xdotool windowsize "$window" 580 511
for tries in {1..20}; do
    press 24 20 && press 24 100 "--repeat 300 --delay 0 1" && settle "after New and 300 clicks on Run"
    board && first=$fills && board && [[ $fills != "$first" ]] && break
    ((tries < 20)) || fail "no burst of clicks on Run left a board that changes"
done
legal=$(grep -cE ' (live|dead|died)$' <<<"$fills" || true)
((legal == 625)) || fail "only $legal of the 625 cell centres show a legal fill"
"$window_message" close "$window" || fail "the close message could not be sent"
ends "closing the window during 256 nested runs"
