#!/usr/bin/env bash
# An input storm on the real program from a fixed seed: thousands of random
# presses with every button, in and beyond the client area and on every
# control, keys, Run / Stop / New / Go interleaved, nested runs and resizes;
# then a burst of 5000 clicks on Run queued at once. Afterwards the program
# must still answer, show a legal fill at every cell centre, toggle a cell on
# a press, and end with status 0 on Exit.
#
# The events go out in batches of 100, each one chained xdotool call without
# delays; the next batch goes out only once the program has answered a ping,
# so the storm runs at the pace the program takes events in.
source "$(dirname "$0")/real_window.sh" "$@" 1600x1200x24
events_wanted=${STORM_EVENTS:-3200}
RANDOM=${STORM_SEED:-20261207}

# The controls as x y width height in the client area.
declare -A control=(
    [New]="8 8 33 25" [Go]="8 48 33 25" [Run]="8 88 33 25" [Stop]="8 128 33 25"
    [Exit]="8 344 33 25" [Vew_last]="16 312 17 25" [Metka2]="0 160 65 17" [Metka1]="0 296 49 17")
controls=("${!control[@]}")
# Left clicks: Run, two on Run (a run nested in a run), New, Go, Stop, the box.
clicks=(Run "Run Run" New Go Stop Vew_last)
modifiers=(shift ctrl alt "" "" "" "" "")
keys=(Tab shift+Tab Return)
width=580
height=511
events=0

# The numbers come from bash's RANDOM in this shell only (a subshell would
# reseed it), so each function leaves its number in REPLY.
rand() { REPLY=$(((RANDOM * 32768 + RANDOM) % $1)); }
add() { # xdotool command...
    batch+=("$@")
    events=$((events + 1))
}
press_in() { # x y width height [button] [modifier]: a press in the rectangle
    local x y button
    rand "$3"
    x=$(($1 + REPLY))
    rand "$4"
    y=$(($2 + REPLY))
    rand 12 # a third left, the rest 2..9: the middle, the wheel and side buttons
    button=${5:-$((REPLY < 4 ? 1 : REPLY - 2))}
    # A left press on Exit would end the storm.
    ((x >= 6 && x <= 43 && y >= 342 && y <= 371 && button == 1)) && button=3
    add mousemove "$((origin_x + x))" "$((origin_y + y))" ${6:+keydown --delay 0 $6} \
        mousedown "$button" mouseup "$button" ${6:+keyup --delay 0 $6}
}
random_event() {
    rand 20
    case $REPLY in
    [0-4]) # anywhere, up to 230 pixels beyond the client area, now and then with a modifier
        rand ${#modifiers[@]}
        press_in 0 0 $((width + 230)) $((height + 230)) "" "${modifiers[$REPLY]}" ;;
    [5-6])
        rand ${#controls[@]}
        press_in ${control[${controls[$REPLY]}]} ;;
    [7-9] | 1[0-2])
        for name in ${clicks[$((REPLY - 7))]}; do
            press_in ${control[$name]} 1
        done ;;
    13)
        rand ${#keys[@]}
        add key --delay 0 "${keys[$REPLY]}" ;;
    1[4-5])
        rand 1400
        width=$((1 + REPLY))
        rand 1000
        height=$((1 + REPLY))
        add windowsize "$window" "$width" "$height" ;;
    16)
        width=580 height=511
        add windowsize "$window" 580 511 ;;
    *) press_in 45 15 540 440 ;; # on the board
    esac
}

SECONDS=0
while ((events < events_wanted)); do
    batch=()
    for ((n = 0; n < 100; n++)); do
        random_event
    done
    xdotool "${batch[@]}" || fail "xdotool failed after $events events"
    settle "after $events events"
done
echo "storm: $events events in $SECONDS s"
((SECONDS <= 60)) || fail "the storm took $SECONDS s, more than 60 s"

# Each click on Run queued during a run would nest a run in the yield of the
# one before, thousands deep.
xdotool windowsize "$window" 580 511 mousemove "$((origin_x + 24))" "$((origin_y + 100))" \
    $(printf 'mousedown 1 mouseup 1 %.0s' {1..5000}) || fail "xdotool failed during the burst of Run clicks"
settle "after a burst of 5000 clicks on Run"
press 24 140 # Stop
settle "after Stop"

SECONDS=0
previous=
board
while [[ $fills != "$previous" ]]; do
    ((SECONDS < 60)) || fail "the board did not settle within 60 s of Stop"
    sleep 0.5
    previous=$fills
    board
done
legal=$(grep -cE ' (live|dead|died)$' <<<"$fills" || true)
((legal == 625)) || fail "only $legal of the 625 cell centres show a legal fill"

# A press on cell (13, 13) changes its fill.
before=$(grep '^13 13 ' <<<"$fills")
press 315 231
settle "after a press on cell (13, 13)"
board
[[ $(grep '^13 13 ' <<<"$fills") != "$before" ]] || fail "a press on cell (13, 13) changed nothing"

press 24 356 # Exit
ends Exit
echo "storm end-to-end: all checks passed"
