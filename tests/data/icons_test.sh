#!/usr/bin/env bash
# The icon files in data/icons: the ICO holds exactly its three images, each
# at its size and depth and showing its PNG picture, pixel for pixel.
set -euo pipefail
cd "$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
ico=org.tavrel.Tavrel.ico
at() { od -An --endian=little -t "u$1" -j "$2" -N "$1" "$ico" | tr -d ' '; } # BYTES OFFSET

[[ "$(at 2 2) $(at 2 4)" == "1 3" ]] || fail "$ico is not an icon file of three images"
# size, colours, bits per pixel and picture of each image, in order
images=("32 2 1 org.tavrel.Tavrel-32-mono.png" "32 16 4 org.tavrel.Tavrel-32.png" "16 16 4 org.tavrel.Tavrel-16.png")
for k in 0 1 2; do
    read -r size colours bits png <<<"${images[k]}"
    entry=$((6 + 16 * k))
    bmp=$(at 4 $((entry + 12)))
    # directory: width, height, bColorCount, wBitCount; bitmap header:
    # biSize, biWidth, biHeight (colours and mask), biBitCount
    got=$(printf '%s ' "$(at 1 "$entry")" "$(at 1 $((entry + 1)))" "$(at 1 $((entry + 2)))" "$(at 2 $((entry + 6)))" \
        "$(at 4 "$bmp")" "$(at 4 $((bmp + 4)))" "$(at 4 $((bmp + 8)))" "$(at 2 $((bmp + 14)))")
    [[ $got == "$size $size $colours $bits 40 $size $((2 * size)) $bits " ]] ||
        fail "image $k reads '$got', not ${size}x$size in $colours colours, $bits-bit"
    differ=$(compare -metric AE "${ico}[$k]" "$png" null: 2>&1) || fail "image $k does not show $png: $differ pixels differ"
done
echo "icon files: three images at their sizes and depths, showing their pictures"
