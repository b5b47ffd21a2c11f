#!/bin/sh
# Creates a private Wine prefix once: wine-prefix.sh <dir> <null|x11>
# The null display driver lets windows exist without an X server; x11 is for pictures.
set -e
driver=$2
mkdir -p "$1"
# Wine takes only an absolute prefix.
prefix=$(cd "$1" && pwd)
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.morvane-$driver" ]; then
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
    wineserver -w
    rm -f "$prefix"/.morvane-*
    touch "$prefix/.morvane-$driver"
fi
