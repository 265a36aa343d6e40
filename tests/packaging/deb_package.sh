#!/usr/bin/env bash
# Builds the Debian package with cpack and checks what it depends on, what it
# installs, and what lintian says of it.
source "$(dirname "$0")/../e2e/common.sh"
build=$1 version=$2 appstream_check=$3

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
deb=$(echo "$work"/tavrel_"$version"_*.deb)
[[ -f $deb ]] || fail "no tavrel_${version}_*.deb"

# The libraries come from shlibdeps, the font (which it cannot see) by name;
# native on Wayland when it is there.
for need in Depends:{libc6,libstdc++6,libqt6gui6,libqt6widgets6,fonts-dejavu-extra} Recommends:qt6-wayland; do
    packages=$(dpkg-deb --field "$deb" "${need%:*}")
    [[ ", $packages," == *", ${need#*:}"[\ ,]* ]] || fail "${need%:*} lacks ${need#*:}: $packages"
done

contents=$(dpkg-deb --contents "$deb")
for path in bin/tavrel share/applications/org.tavrel.Tavrel.desktop share/metainfo/org.tavrel.Tavrel.metainfo.xml \
    share/icons/hicolor/{16x16,32x32}/apps/org.tavrel.Tavrel.png share/icons/hicolor/scalable/apps/org.tavrel.Tavrel.svg \
    share/man/man1/tavrel.1.gz share/doc/tavrel/copyright share/doc/tavrel/changelog.gz; do
    grep -q " \./usr/$path\$" <<<"$contents" || fail "the package does not hold /usr/$path"
done
grep -q '^-rwxr-xr-x root/root .* \./usr/bin/tavrel$' <<<"$contents" || fail "the program is not an executable of root's"
# Debian's own checks, the machine-readable copyright among them. Its AppStream
# check fails on anything the validator says; the project's own check of the
# same tree accepts the one warning it cannot mend yet, and nothing else.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
    grep -qE '^[EW]: ' "$work/lintian.log" && ! grep -E '^[EW]: ' "$work/lintian.log" |
        grep -qv '^W: tavrel: appstream-metadata-validation-failed ' || fail "lintian: $(cat "$work/lintian.log")"
fi
dpkg-deb --extract "$deb" "$work/tree"
"$appstream_check" validate-tree "$work/tree"
