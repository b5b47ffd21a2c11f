#!/bin/sh
# Creates a private Wine prefix once: wine-prefix.sh <dir> <null|x11>
# The null display driver lets windows exist without an X server; x11 is for pictures.
# A step that fails stops here, names itself and shows what Wine said.
set -e
driver=$2
mkdir -p "$1"
# Wine takes only an absolute prefix.
prefix=$(cd "$1" && pwd)
wine=$(cd "$(dirname "$0")" && pwd)/wine.sh
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.morvane-$driver" ] && exit 0

export WINEPREFIX="$prefix"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
step() {
    what=$1
    shift
    if ! "$@" >"$log" 2>&1; then
        echo "wine-prefix: $what failed in $prefix ($*); Wine said:" >&2
        cat "$log" >&2
        # Wine says nothing when the disk is full; a prefix takes over a gigabyte.
        echo "wine-prefix: free space there: $(df -h --output=avail "$prefix" | tail -n 1 | tr -d ' ')" >&2
        exit 1
    fi
}
step "creating the prefix" "$wine" wineboot -i
step "setting the display driver" "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f
step "waiting for the wineserver" wineserver -w
rm -f "$prefix"/.morvane-*
touch "$prefix/.morvane-$driver"
