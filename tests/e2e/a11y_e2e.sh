#!/usr/bin/env bash
# The real program with a screen reader on a real accessibility bus: every
# control is found by its caption; the description tells the board as drawn
# after every idle command and at the end of every run; and the changes that a
# run brings are at most 4 a second of the time it took, and 2: counted, not
# timed as they arrive, so a listener slowed by a busy machine cannot fail it.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/real_window.sh" "$@" 1024x768x24
probe=$(dirname "$0")/a11y_probe.py
heard=$work/heard
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
gdbus wait --session --timeout 10 org.a11y.Bus
# What a screen reader sets when it starts: ScreenReaderEnabled, or IsEnabled
# where the bus no longer has it (at-spi2-core 2.62). Qt connects only when one
# is set, and reads the events listened for then: so the listener starts first.
a11y_status() { gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.freedesktop.DBus.Properties."$@"; }
switches=$(a11y_status GetAll org.a11y.Status)
[[ $switches == *"'ScreenReaderEnabled'"* ]] && switch=ScreenReaderEnabled || switch=IsEnabled
a11y_status Set org.a11y.Status "$switch" '<true>' >/dev/null
echo "screen reader on by $switch"
setpriv --pdeathsig TERM /usr/bin/python3 "$probe" listen >"$heard" 2>"$work/listener.log" &
timeout 10 sh -c 'until grep -qs ready "$0"; do sleep 0.1; done' "$work/listener.log" || fail "no listener"
start_window

# generation|"" after-what: within a few seconds the last description heard
# is the window's, and tells that generation and the live cells on the screen.
told() {
    for _ in {1..10}; do
        settle "after $2"
        board
        live=$(grep -c ' live$' <<<"$fills" || true)
        tree=$(/usr/bin/python3 "$probe" tree) || fail "tavrel is not on the accessibility bus"
        said=$(tail -n1 "$heard")
        [[ $said == "${tree%%$'\n'*}" && $said =~ "Generation "${1:-[0-9]+}", $live live cell" ]] && return
        sleep 0.2
    done
    fail "after $2 the window tells '${tree%%$'\n'*}', the last heard '$said', the screen $live live cells"
}
mark() { since=$(date +%s.%N) lines=$(wc -l <"$heard"); }
paced() { # after-what: the changes heard since the mark
    local changes=$(($(wc -l <"$heard") - lines)) took
    took=$(awk -v t="$(date +%s.%N)" -v since="$since" 'BEGIN { print t - since }')
    awk -v n="$changes" -v t="$took" 'BEGIN { exit !(n <= 4 * t + 2) }' ||
        fail "$1 brought $changes description changes in $took s"
    echo "$1: $changes description changes in $took s"
}

press 24 20 # New
told 1 New
[[ ${tree#*$'\n'} == $'ROLE_CHECK_BOX\tVew last\nROLE_PUSH_BUTTON\tNew\nROLE_PUSH_BUTTON\tStop\nROLE_PUSH_BUTTON\tExit
ROLE_PUSH_BUTTON\tGo\nROLE_PUSH_BUTTON\tRun\nROLE_LABEL\tК-т наслед-я\nROLE_LABEL\tVew last' ]] || fail "the controls are: ${tree#*$'\n'}"
press 24 60 # Go
told 2 Go
for run in {1..8}; do
    mark
    press 24 100 # Run
    sleep 0.33
    press 24 140 # Stop
    told "" "run $run"
    paced "run $run"
    ((live > 0)) || { press 24 20 && told 1 "New after run $run"; }
done
# Commands clicked during a run, and runs ended at once, are told no faster.
button() { echo "mousemove $((origin_x + 24)) $((origin_y + $1))"; } # at y in the column of buttons
mark
xdotool $(button 100) click 1 $(button 60) click --repeat 10 --delay 20 1 $(button 140) click 1 \
    $(for _ in {1..10}; do echo "$(button 100) click 1 $(button 140) click 1"; done)
told "" "a burst of Go during a run and of Run and Stop"
paced "a burst of Go during a run and of Run and Stop"
generation=${said#*Generation }
press 24 60 # Go, idle
told $((${generation%%,*} + 1)) "Go after the runs"
# Stop, idle: the board is as before, and so is what is heard. Go's line comes
# after anything Stop may have sent: one sender's messages keep their order.
mark
press 24 140
press 24 60
told $((${generation%%,*} + 2)) "Stop and Go when idle"
(($(wc -l <"$heard") == lines + 1)) || fail "Stop when idle told the unchanged board again"
press 24 356 # Exit
ends Exit
