#!/usr/bin/env bash
# Builds the Debian package from the build tree with cpack and checks what
# it declares (dpkg-deb --info) and what it installs (dpkg-deb --contents).
set -euo pipefail
build=$1
version=$2
source=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack did not build the package"
}
debs=("$work"/tavrel_"$version"_*.deb)
[[ -f ${debs[0]} ]] || fail "no tavrel_${version}_*.deb in $(ls "$work")"
deb=${debs[0]}

control=$(dpkg-deb --info "$deb" control) || fail "dpkg-deb cannot read the package"
field() { # name: prints the value of a control field, continuation lines unindented
    awk -v name="$1" '
        index($0, name ": ") == 1 { print substr($0, length(name) + 3); inside = 1; next }
        inside && /^ / { print substr($0, 2); next }
        { inside = 0 }' <<<"$control"
}
[[ $(field Package) == tavrel ]] || fail "package name is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "version is '$(field Version)'"
[[ $(field Section) == science ]] || fail "section is '$(field Section)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "maintainer '$(field Maintainer)' is not 'Name <address>'"
depends=$(field Depends)
depended_on=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-extra; do
    grep -qxF "$library" <<<"$depended_on" || fail "Depends lacks $library: $depends"
done
description=$(field Description)
summary=$(head -n1 <<<"$description")
[[ -n $summary && ${#summary} -le 80 ]] || fail "short description '$summary'"
(($(wc -l <<<"$description") >= 3)) || fail "no long description"
grep -q "hexagonal board" <<<"$description" || fail "long description does not say what the program is"

contents=$(dpkg-deb --contents "$deb")
paths=$(awk '{ print $6 }' <<<"$contents")
for path in \
    ./usr/bin/tavrel \
    ./usr/share/applications/org.tavrel.Tavrel.desktop \
    ./usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/org.tavrel.Tavrel.png \
    ./usr/share/icons/hicolor/32x32/apps/org.tavrel.Tavrel.png \
    ./usr/share/icons/hicolor/scalable/apps/org.tavrel.Tavrel.svg \
    ./usr/share/man/man1/tavrel.1.gz \
    ./usr/share/doc/tavrel/copyright \
    ./usr/share/doc/tavrel/changelog.gz; do
    grep -qxF "$path" <<<"$paths" || fail "the package does not hold $path"
done
grep -v '^\./usr/' <<<"$paths" | grep -vqx '\./' && fail "files outside /usr: $(grep -v '^\./usr/' <<<"$paths")"
awk '$2 != "root/root" { exit 1 }' <<<"$contents" || fail "a file not owned by root"
awk '$6 == "./usr/bin/tavrel" && $1 != "-rwxr-xr-x" { exit 1 }' <<<"$contents" || fail "the program is not executable"

# The installed files are the ones in the source tree, and agree with each other.
dpkg-deb -x "$deb" "$work/root"
cmp "$work/root/usr/share/applications/org.tavrel.Tavrel.desktop" "$source/data/org.tavrel.Tavrel.desktop" ||
    fail "the desktop entry differs from data/"
cmp <(gzip -dc "$work/root/usr/share/man/man1/tavrel.1.gz") "$source/data/tavrel.1" || fail "the manual page differs from data/"
grep -qx 'Exec=tavrel' "$work/root/usr/share/applications/org.tavrel.Tavrel.desktop" || fail "the menu entry does not start tavrel"
grep -qx 'Icon=org.tavrel.Tavrel' "$work/root/usr/share/applications/org.tavrel.Tavrel.desktop" || fail "the menu entry names another icon"
grep -q '<launchable type="desktop-id">org.tavrel.Tavrel.desktop</launchable>' \
    "$work/root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml" || fail "the metainfo does not launch the desktop entry"
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml" ||
    fail "the metainfo has no release $version"
gzip -dc "$work/root/usr/share/doc/tavrel/changelog.gz" | head -n1 | grep -q "^tavrel ($version)" ||
    fail "the changelog does not start with version $version"
echo "package $(basename "$deb"): Depends: $depends"
