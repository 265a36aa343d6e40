# Sourced first by every end-to-end test: reruns it in an environment of its
# own (the path, the home, the sanitizers' options: no desktop session of the
# caller's) with its own session bus, as on a desktop; makes $work, and at
# exit removes it and ends $app, $xvfb and $weston.
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
