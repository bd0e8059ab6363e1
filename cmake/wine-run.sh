#!/usr/bin/env bash
# Runs a Windows program of a cross build tree under Wine with that tree's own
# prefix. CTest calls it (CMAKE_CROSSCOMPILING_EMULATOR); by hand:
#   cmake/wine-run.sh [--wine64] [--prefix DIR] build/win32/core_tests.exe [ARGS...]
# Without --prefix the prefix is <build tree>/wineprefix, the build tree being
# the nearest folder above the program that holds CMakeCache.txt (else
# $WINEPREFIX). The prefix is made first when it isn't complete.
# GUI programs need a display: run under `xvfb-run -a` when there is none,
# and keep every Wine program of one run on the same display.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../tools/wine-env.sh
source "$here/../tools/wine-env.sh"

if [[ "${1:-}" == --wine64 ]]; then
    export TM_WINE_BITS=64
    shift
fi
prefix=
if [[ "${1:-}" == --prefix ]]; then
    prefix=${2:?--prefix needs a folder}
    shift 2
elif [[ "${1:-}" == --prefix=* ]]; then
    prefix=${1#--prefix=}
    shift
fi
if [[ $# -lt 1 ]]; then
    echo "usage: $0 [--prefix DIR] PROGRAM.exe [ARGS...]" >&2
    exit 2
fi

if [[ -z "$prefix" ]]; then
    dir=$(cd "$(dirname "$1")" 2>/dev/null && pwd || true)
    while [[ -n "$dir" && "$dir" != / ]]; do
        if [[ -f "$dir/CMakeCache.txt" ]]; then prefix=$dir/wineprefix; break; fi
        dir=$(dirname "$dir")
    done
    prefix=${prefix:-${WINEPREFIX:-}}
    if [[ -z "$prefix" ]]; then
        echo "wine-run: no build tree above $1; pass --prefix DIR" >&2
        exit 2
    fi
fi

# Wine wants an absolute prefix path.
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")

tm_find_wine
tm_ensure_wineprefix "$prefix"

if [[ -z "${DISPLAY:-}" ]]; then
    echo "wine-run: DISPLAY is not set; windows will not show (run under xvfb-run -a)" >&2
fi

export WINEPREFIX=$prefix
export WINEDEBUG=-all
exec "$TM_WINE" "$@"
