#!/usr/bin/env bash
# Builds the fuzz targets of the portable input handling with clang's libFuzzer (AddressSanitizer
# and UBSan on) and runs each for a while:  tests/fuzz/run.sh [seconds per target, default 60]
# Needs clang with libFuzzer (Debian's clang). Not part of ./run test. The language lookup is not
# among them: Debian's clang 14 cannot compile it (clang 16 can).
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
out=build/fuzz
mkdir -p "$out/obj"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
       -Isrc -Itests)

# Every portable source the targets use, eight compilations at a time.
sources=$(ls src/shared/*.cpp src/addin/tabbar/*.cpp src/addin/Menus.cpp src/tabctl/*.cpp \
             src/addin/state/*.cpp tests/support/*.cpp | grep -v '_win\.cpp$' | grep -v -e LangLookup -e mdLang)
objects=()
for source in $sources; do
    object=$out/obj/$(echo "$source" | tr / _).o
    while [ "$(jobs -rp | wc -l)" -ge 8 ]; do wait -n; done
    clang++ "${flags[@]}" -c "$source" -o "$object" &
    objects+=("$object")
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n; done

status=0
for target in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$target" .cpp)
    clang++ "${flags[@]}" -fsanitize=fuzzer "$target" "${objects[@]}" -o "$out/$name"
    mkdir -p "$out/corpus/$name"
    echo "== $name"
    "$out/$name" -max_total_time="$seconds" -artifact_prefix="$out/$name-" "$out/corpus/$name" \
        2>"$out/$name.log" || { status=1; tail -n 40 "$out/$name.log"; }
    grep -E '^(#[0-9]+ *DONE|Done)' "$out/$name.log" | tail -n 1 || true
done
exit $status
