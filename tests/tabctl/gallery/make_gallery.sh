#!/bin/sh
# Draws every appearance of the tab control on every side and writes PNG files to
# build/win64/gallery/tabctl/ (one picture per appearance). Run from anywhere.
set -e
root=$(cd "$(dirname "$0")/../../.." && pwd)
cd "$root"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target tabctl_gallery -j4 >/dev/null
out=build/win64/gallery/tabctl
mkdir -p "$out"
cd "$out"
rm -f appearance_*.bmp appearance_*.png
"$root/build/win64/wine-run" "$root/build/win64/bin/tabctl_gallery.exe"
for bmp in appearance_*.bmp; do
    convert "$bmp" "${bmp%.bmp}.png"
    rm -f "$bmp"
done
echo "gallery: $root/$out"
