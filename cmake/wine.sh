#!/bin/sh
# The one place that decides how a Windows program is started here.
#   wine.sh PROGRAM [ARGS...]   runs PROGRAM (an .exe, or one of Wine's own: reg, wineboot, winepath,
#                               cmd) in $WINEPREFIX
#   wine.sh --can-run-32        exits 0 when this machine can run 32-bit programs
# Some machines cannot execute 32-bit Linux programs: there Wine's 32-bit loader, which the `wine`
# command always starts first, fails for every program, so 64-bit programs go through the 64-bit
# loader of the wine64 package instead. The choice follows what the machine can do.
loader32=/usr/lib/wine/wine
loader64=/usr/lib/wine/wine64

can_run_32() {
    "$loader32" --version >/dev/null 2>&1
}

if [ "${1:-}" = --can-run-32 ]; then
    can_run_32
    exit
fi
[ $# -gt 0 ] || { echo "usage: wine.sh PROGRAM [ARGS...] | --can-run-32" >&2; exit 2; }

export WINEDEBUG="${WINEDEBUG:--all}"
# Wine would try to download its .NET and browser packages, which cannot be had here.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=;mshtml=}"

if can_run_32; then
    exec wine "$@"
fi
if ! "$loader64" --version >/dev/null 2>&1; then
    echo "wine.sh: Wine cannot start here: neither $loader32 nor $loader64 runs (is the wine64 package installed?)" >&2
    exit 1
fi
exec "$loader64" "$@"
