# Sourced first by every end-to-end test: runs the test again in an
# environment of its own, so that no desktop session of the caller's (DISPLAY,
# WAYLAND_DISPLAY, XDG_*, QT_*, a variable named like one of the test's)
# reaches it. Kept: the search path, the home, and the sanitizers' options.
if [[ -z ${TAVREL_CLEAN_ENV:-} ]]; then
    kept=(TAVREL_CLEAN_ENV=1 PATH="$PATH" HOME="$HOME" LANG=C.UTF-8)
    for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS STORM_SEED STORM_EVENTS; do
        [[ -z ${!name:-} ]] || kept+=("$name=${!name}")
    done
    exec env -i "${kept[@]}" "$0" "$@"
fi
