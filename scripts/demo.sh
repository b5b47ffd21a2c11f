#!/usr/bin/env bash
# The demo: builds the win64 binaries, registers Morvane.dll for the user and starts the stand-in
# host with sample projects, which loads it, in a private Wine prefix (on Xvfb when no display is
# set) and saves screenshots to build/demo: host.png, then position_above, _below, _left and
# _right.png, one per edge, then dialog_closemsg, _lock, _rename and _message.png, one per dialog,
# then backstage.png and backstage_hidden.png (the add-in's backstage tab in the File view, before
# and after a click on its show/hide task); then options_popular, _appearance and _about.png, one
# per page of the options dialog; then the settings center: center_popular, _appearance, _about
# and _off.png (its two option pages, the about page and the add-in switched off), and
# center_colors.png (its appearance page with light custom colours, to compare with
# options_appearance.png).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/demo
mkdir -p "$out"

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j 4 --target standin_demo center_demo
"$root/cmake/wine-prefix.sh" "$out/wineprefix" x11 ||
    { echo "demo: the Wine prefix could not be made" >&2; exit 1; }

export WINEPREFIX=$out/wineprefix
wine=$root/cmake/wine.sh
xvfb_pid=""
demo_pid=""
cleanup() {
    [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 250); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
fi

# Wine draws the window frames itself (there is no window manager on Xvfb). Wine's own processes
# stay tied to the display they started on, so this runs once the display is known, and ends.
log=$out/wine-setup.log
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >"$log" 2>&1 ||
    { echo "demo: setting Wine's window frames failed; Wine said:" >&2; cat "$log" >&2; exit 1; }
wineserver -w
# The caption buttons are drawn with Marlett (Debian's fonts-wine); this Wine finds it only here.
fonts=$WINEPREFIX/drive_c/windows/Fonts
[ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ] &&
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"

# The add-in registered for the current user, as its installer does; the demo host loads it.
"$wine" regsvr32 /s /n /i:user "$("$wine" winepath -w "$root/build/win64/bin/Morvane.dll")" ||
    { echo "demo: Morvane.dll could not be registered" >&2; exit 1; }

# Runs a demo program (the command after the views) and saves one screenshot per view, each
# when the program has written ready-<view>, then lets it go on.
shoot() {
    local views=$1
    shift
    for view in $views; do rm -f "$out/ready-$view" "$out/shot-$view" "$out/$view.png"; done
    "$@" &
    demo_pid=$!
    for view in $views; do
        for _ in $(seq 600); do
            [ -e "$out/ready-$view" ] && break
            kill -0 "$demo_pid" 2>/dev/null || { echo "the demo ended early" >&2; exit 1; }
            sleep 0.1
        done
        [ -e "$out/ready-$view" ] || { echo "the demo did not get ready ($view)" >&2; exit 1; }
        sleep 1  # let the X server show what Wine has drawn
        # A view whose ready file holds a place (WxH+X+Y) is cut to it.
        place=$(cat "$out/ready-$view")
        import -window root ${place:+-crop "$place" +repage} "$out/$view.png"
        touch "$out/shot-$view"
        echo "Screenshot: $out/$view.png"
    done
    wait "$demo_pid" || true
    demo_pid=""
}

views="host position_above position_below position_left position_right"
views="$views dialog_closemsg dialog_lock dialog_rename dialog_message"
views="$views options_popular options_appearance options_about"
views="$views backstage backstage_hidden"
shoot "$views" "$wine" "$root/build/win64/bin/standin_demo.exe" "$("$wine" winepath -w "$out")"
# The settings center, on the same display.
shoot "center_popular center_appearance center_about center_off center_colors" \
    "$wine" "$root/build/win64/bin/center_demo.exe" "$("$wine" winepath -w "$out")" \
    "$("$wine" winepath -w "$root/build/win64/bin/MorvaneCenter.exe")"
