#!/usr/bin/env bash
# The real program on a Wayland compositor, weston without a screen, at output
# scale 1 and 2: its app id is the menu entry's, and it draws the board itself
# at device pixels.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/cell_fills.sh"
tavrel=$1
export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=tavrel-test
mkdir -m 0700 "$XDG_RUNTIME_DIR"

# board PICTURE SCALE: the box $w x $h at $x,$y of the dead cells' fill (an
# opening by half a fill's width drops the icon's bits of that colour), and
# the $blue cells, read at their centres from the client area's origin that
# the box gives.
board() {
    blue=0
    read -r w h x y < <(convert "$1" -fill black +opaque 'rgb(90,90,210)' -morphology Open Disk:$((4 * $2)) -trim \
        -format '%w %h %X %Y\n' info: 2>/dev/null) ||
        return 0 # no blue yet
    blue=$(cell_fills "$1" "$2" $((x - 67 * $2)) $((y - 19 * $2)) | grep -c ' dead$' || true)
}

declare -A smoothed
for scale in 1 2; do
    dir=$work/scale$scale log=$work/scale$scale/protocol.log && mkdir "$dir"
    weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
        --width=900 --height=700 --scale="$scale" >"$dir/weston.log" 2>&1 &
    weston=$!
    timeout 10 bash -c "until [[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]; do sleep 0.1; done" || fail "weston did not start"
    QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$tavrel" 2>"$log" &
    app=$!
    SECONDS=0 # until the empty board is on the screen
    until [[ ${blue:-} == 625 ]]; do
        ((SECONDS < 30)) || fail "no board of 625 blue cells on the screen at scale $scale within 30 s"
        kill -0 "$app" 2>/dev/null || fail "tavrel ended at scale $scale: $(tail -n3 "$log")"
        sleep 0.5
        rm -f "$dir"/wayland-screenshot-*.png
        (cd "$dir" && weston-screenshooter) || fail "weston-screenshooter failed"
        board "$dir"/wayland-screenshot-*.png "$scale"
    done
    # Pixels in the box of neither board colour.
    smoothed[$scale]=$(convert "$dir"/wayland-screenshot-*.png -crop "${w}x$h+$x+$y" -fill black \
        -opaque 'rgb(90,90,210)' -opaque 'rgb(0,55,100)' -fill white +opaque black -format '%[fx:round(mean*w*h)]' info:)
    kill "$app" "$weston"
    wait "$app" "$weston" || true
    app= weston= blue=

    # Objects are named xdg_toplevel@15 or, from libwayland 1.23, xdg_toplevel#15.
    grep -q 'xdg_toplevel[@#][0-9]*\.set_app_id("org\.tavrel\.Tavrel")' "$log" || fail "app id: $(grep -o 'set_app_id(.*)' "$log")"
    # The dead cells' fill spans 508 x 426 pixels less a smoothed pixel at each side.
    ((w >= scale * 508 - 4 && w <= scale * 508 && h >= scale * 426 - 4 && h <= scale * 426)) ||
        fail "the board's fill at scale $scale is ${w}x$h device pixels"
    ((scale == 1)) || grep -q "wl_surface[@#][0-9]*\.set_buffer_scale($scale)" "$log" || fail "no buffer scale $scale"
done
# Drawn at twice the size, the circles' smoothed rims are twice as long but
# no wider; doubled by the compositor they are twice as wide too.
((smoothed[2] < 3 * smoothed[1])) ||
    fail "${smoothed[2]} smoothed pixels at scale 2 against ${smoothed[1]} at 1: the board is doubled, not drawn at 2x"

