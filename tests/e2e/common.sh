# Sourced first by every end-to-end test. It runs the test again in an
# environment of its own, so that no desktop session of the caller's (DISPLAY,
# WAYLAND_DISPLAY, XDG_*, QT_*, or a variable named like one of the test's)
# reaches it; kept are the search path, the home and the sanitizers' options.
# Like a desktop it has a session bus, its own. Then $work is made, and at
# the end it and what the test started ($app, $xvfb, $weston) go.
if [[ -z ${TAVREL_CLEAN_ENV:-} ]]; then
    kept=(TAVREL_CLEAN_ENV=1 PATH="$PATH" HOME="$HOME" LANG=C.UTF-8)
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS STORM_SEED STORM_EVENTS; do
        [[ -z ${!name:-} ]] || kept+=("$name=${!name}")
    done
    exec env -i "${kept[@]}" "$0" "$@"
fi
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || exec dbus-run-session -- "$0" "$@"
set -euo pipefail
work=$(mktemp -d)
trap 'kill ${app:-} ${xvfb:-} ${weston:-} 2>/dev/null || true; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP # a timeout ends the test through the cleanup too
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
