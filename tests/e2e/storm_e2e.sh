#!/usr/bin/env bash
# An input storm on the real program in a private X server: thousands of
# random presses with every button in and beyond the client area and on every
# control, keys, Run / Stop / New / Go interleaved, nested runs and resizes of
# the window, from a fixed seed, then a burst of 5000 clicks on Run queued at
# once. Afterwards the program must still answer, every cell centre must show
# a legal fill, and Exit must end it with status 0.
#
# Speed: the events go out in batches, each batch one xdotool call with
# chained commands and no delays; after each batch the program is pinged, and
# the next batch goes out only when it has answered, so the storm runs at the
# pace the program takes the events in and every event counted has reached it.
set -euo pipefail
tavrel=$1
board_colours=$2
window_message=$3
events_wanted=${STORM_EVENTS:-3200}
RANDOM=${STORM_SEED:-20261207}

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
    if [[ -n ${app:-} ]] && ! kill -0 "$app" 2>/dev/null; then
        local status=0
        wait "$app" || status=$?
        echo "the program has ended with status $status" >&2
        app=
    fi
    [[ -s $work/tavrel.log ]] && sed 's/^/tavrel: /' "$work/tavrel.log" >&2
    exit 1
}

source "$(dirname "$0")/private_xvfb.sh"
start_private_xvfb "$work" 1600x1200x24 || fail "Xvfb did not start"

"$tavrel" 2>"$work/tavrel.log" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrel$' | head -n1) || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
origin_x=$X
origin_y=$Y

# The controls as x y width height in the client area.
declare -A control=(
    [New]="8 8 33 25" [Go]="8 48 33 25" [Run]="8 88 33 25" [Stop]="8 128 33 25"
    [Exit]="8 344 33 25" [Vew_last]="16 312 17 25" [Metka2]="0 160 65 17" [Metka1]="0 296 49 17")
controls=("${!control[@]}")
# Tab order, starting from Stop.
tab_from_stop=(Stop Exit New Vew_last Go Run)

width=580
height=511
batch=()
events=0

# The generator draws from bash's RANDOM in this shell only (a subshell would
# reseed it), so every function leaves its number in REPLY.
rand() { # n: REPLY = a number in 0..n-1
    REPLY=$(((RANDOM * 32768 + RANDOM) % $1))
}
press_at() { # x y button [modifier]
    local x=$((origin_x + $1)) y=$((origin_y + $2))
    ((x < 0)) && x=0
    ((y < 0)) && y=0
    # "click" would wait 100 ms after every press; mousedown and mouseup do
    # not wait.
    if [[ -n ${4:-} ]]; then
        batch+=(mousemove "$x" "$y" keydown --delay 0 "$4" mousedown "$3" mouseup "$3" keyup --delay 0 "$4")
    else
        batch+=(mousemove "$x" "$y" mousedown "$3" mouseup "$3")
    fi
    events=$((events + 1))
}
# Left presses on Exit would end the storm; every other press is fair.
on_exit() { # x y
    local ex ey ew eh
    read -r ex ey ew eh <<<"${control[Exit]}"
    (($1 >= ex - 2 && $1 <= ex + ew + 2 && $2 >= ey - 2 && $2 <= ey + eh + 2))
}
buttons=(1 1 1 2 3 4 5 6 7 8 9)
any_button() { # REPLY = a button, wheel and side buttons included
    rand ${#buttons[@]}
    REPLY=${buttons[$REPLY]}
}
random_press() {
    local x y button modifier=
    rand $((width + 260))
    x=$((REPLY - 30))
    rand $((height + 260))
    y=$((REPLY - 30))
    any_button
    button=$REPLY
    if [[ $button == 1 ]] && on_exit "$x" "$y"; then
        button=3
    fi
    rand 8
    case $REPLY in
    0) modifier=shift ;;
    1) modifier=ctrl ;;
    2) modifier=alt ;;
    esac
    press_at "$x" "$y" "$button" "$modifier"
}
press_control() { # name [button]
    local cx cy cw ch x button=${2:-}
    read -r cx cy cw ch <<<"${control[$1]}"
    if [[ -z $button ]]; then
        any_button
        button=$REPLY
    fi
    if [[ $1 == Exit && $button == 1 ]]; then
        button=2
    fi
    rand "$cw"
    x=$((cx + REPLY))
    rand "$ch"
    press_at "$x" "$((cy + REPLY))" "$button"
}
resize() { # w h
    width=$1
    height=$2
    batch+=(windowsize "$window" "$width" "$height")
    events=$((events + 1))
}
key() { # name
    batch+=(key --delay 0 "$1")
    events=$((events + 1))
}
# Sends the events gathered so far and waits until the program has taken
# them in.
send_batch() {
    ((${#batch[@]} > 0)) || return 0
    [[ -n ${STORM_LOG:-} ]] && printf '%s\n' "${batch[@]}" >>"$STORM_LOG"
    xdotool "${batch[@]}" || fail "xdotool failed after $events events"
    batch=()
    kill -0 "$app" 2>/dev/null || fail "the program died during the storm after $events events"
    "$window_message" ping "$window" || fail "the program stopped answering after $events events"
}
# Space clicks whatever has the focus, so it is pressed only where the focus
# is known: a left press on Stop focuses it, Tabs walk the tab order from there.
# Right after a resize the toolkit may still place the window's controls by
# the old size and hand a press on Stop to the form, so the press goes out
# only once the program has answered after the last resize.
space_on_known_focus() {
    local tabs t
    ((width >= 45 && height >= 156)) || resize 580 511
    send_batch
    press_control Stop 1
    rand ${#tab_from_stop[@]}
    tabs=$REPLY
    [[ ${tab_from_stop[$tabs]} == Exit ]] && tabs=0
    for ((t = 0; t < tabs; t++)); do
        key Tab
    done
    key space
    send_batch
}
keys=(Tab shift+Tab Return)
random_event() {
    local w
    rand 20
    case $REPLY in
    0 | 1 | 2 | 3 | 4) random_press ;;
    5 | 6)
        rand ${#controls[@]}
        press_control "${controls[$REPLY]}" ;;
    7) press_control Run 1 ;;
    8) press_control Run 1 && press_control Run 1 ;; # a nested run
    9) press_control New 1 ;;
    10) press_control Go 1 ;;
    11) press_control Stop 1 ;;
    12) press_control Vew_last 1 ;;
    13)
        rand ${#keys[@]}
        key "${keys[$REPLY]}" ;;
    14) space_on_known_focus ;;
    15)
        rand 1400
        w=$((1 + REPLY))
        rand 1000
        resize "$w" "$((1 + REPLY))" ;;
    16) resize 580 511 ;;
    *) # on the board
        rand 540
        w=$((45 + REPLY))
        rand 440
        local y=$((15 + REPLY))
        any_button
        press_at "$w" "$y" "$REPLY" ;;
    esac
}

start=$(date +%s%N)
while ((events < events_wanted)); do
    batch=()
    for ((n = 0; n < ${STORM_BATCH:-100}; n++)); do
        random_event
    done
    send_batch
done
storm_ms=$((($(date +%s%N) - start) / 1000000))
storm_seconds=$((storm_ms / 1000)).$(printf '%03d' $((storm_ms % 1000)))
echo "storm: $events events in $storm_seconds s"
((storm_ms <= 60000)) || fail "the storm took $storm_seconds s, more than 60 s"
start=$SECONDS

# Back to the initial size, stop every run, and wait for the board to settle.
xdotool windowsize "$window" 580 511
"$window_message" ping "$window" || fail "the program does not answer after the storm"

# A burst of clicks on Run queued all at once: each one would nest a run in
# the yield of the one before, thousands deep.
burst=(mousemove "$((origin_x + 24))" "$((origin_y + 100))")
for ((n = 0; n < 5000; n++)); do
    burst+=(mousedown 1 mouseup 1)
done
xdotool "${burst[@]}" || fail "xdotool failed during the burst of Run clicks"
"$window_message" ping "$window" || fail "the program does not answer after a burst of 5000 clicks on Run"
kill -0 "$app" 2>/dev/null || fail "the program died in a burst of 5000 clicks on Run"
stop_x=$((origin_x + 24))
stop_y=$((origin_y + 140))
xdotool mousemove "$stop_x" "$stop_y" mousedown 1 mouseup 1
"$window_message" ping "$window" || fail "the program does not answer after the storm"
# The window survived its resizes: still shown, where it was, at the size asked.
xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "the window is no longer shown"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $X == "$origin_x" && $Y == "$origin_y" && $WIDTH == 580 && $HEIGHT == 511 ]] ||
    fail "after the storm the window is ${WIDTH}x${HEIGHT} at $X,$Y"
board() {
    import -window root "$work/shot.png"
    "$board_colours" "$work/shot.png" "$origin_x" "$origin_y"
}
previous=
settled=
for _ in $(seq 120); do
    kill -0 "$app" 2>/dev/null || fail "the program died after the storm"
    current=$(board)
    if [[ $current == "$previous" ]]; then
        settled=1
        break
    fi
    previous=$current
    sleep 0.5
done
[[ -n $settled ]] || fail "the board did not settle after Stop"
echo "storm: settled $((SECONDS - start)) s after the storm"

# Every cell centre shows one of the three fills.
other=$(printf '%s\n' "$current" | grep -c ' other$' || true)
[[ $other == 0 ]] || fail "$other cell centres show no legal fill"

# The program still answers: a press on cell (13, 13) changes its fill.
fill_of_13() { awk '$1 == 13 && $2 == 13 { print $3 }'; }
before=$(printf '%s\n' "$current" | fill_of_13)
xdotool mousemove "$((origin_x + 315))" "$((origin_y + 231))" mousedown 1 mouseup 1
answered=
for _ in $(seq 50); do
    after=$(board | fill_of_13)
    if [[ $after != "$before" ]]; then
        answered=1
        break
    fi
    sleep 0.2
done
[[ -n $answered ]] || fail "a press on cell (13, 13) changed nothing: the program does not answer"

xdotool mousemove "$((origin_x + 24))" "$((origin_y + 356))" mousedown 1 mouseup 1 # Exit
timeout 5 tail --pid="$app" -f /dev/null || fail "Exit did not end the program"
status=0
wait "$app" || status=$?
app=
[[ $status == 0 ]] || fail "exit status $status"
if pgrep -f -- "^$tavrel( |$)" >/dev/null; then
    fail "a tavrel process is left"
fi
echo "storm end-to-end: all checks passed"
