#!/usr/bin/env bash
# The icon file holds exactly its three images, each at its size and depth (2
# and 16 colours: 1 and 4 bits per pixel) and showing its PNG picture.
set -euo pipefail
cd "$1"
ico=org.tavrel.Tavrel.ico
images=$(identify -format '%w %h %z\n' "$ico")
[[ $images == $'32 32 1\n32 32 4\n16 16 4' ]] || { echo "FAIL: $ico holds '$images'" >&2; exit 1; }
pngs=(org.tavrel.Tavrel-32-mono.png org.tavrel.Tavrel-32.png org.tavrel.Tavrel-16.png)
for k in 0 1 2; do
    compare -metric AE "$ico[$k]" "${pngs[k]}" null: 2>/dev/null || { echo "FAIL: image $k does not show ${pngs[k]}" >&2; exit 1; }
done
