#!/usr/bin/env bash
# Starts the calculator on a virtual display of its own, waits until its main
# window is shown, saves a picture of the screen as PNG, ends the program and
# prints where the picture is.
#   tools/screenshot.sh PROGRAM.exe WINEPREFIX OUTPUT.png
# Needs xvfb-run, xwininfo (x11-utils), xwd (x11-apps), xwdtopnm and pnmtopng
# (netpbm).
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: $0 PROGRAM.exe WINEPREFIX OUTPUT.png" >&2
    exit 2
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
prefix=$2
output=$3
mkdir -p "$(dirname "$output")"
output=$(cd "$(dirname "$output")" && pwd)/$(basename "$output")

for tool in xvfb-run xwininfo xwd xwdtopnm pnmtopng; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing" >&2; exit 1; }
done
tm_find_wine
tm_ensure_wineprefix "$prefix"
prefix=$(cd "$prefix" && pwd)

export TM_PROGRAM=$program TM_OUTPUT=$output TM_WINE TM_WINESERVER
export WINEPREFIX=$prefix WINEDEBUG=-all
rm -f "$output"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    "$TM_WINE" "$TM_PROGRAM" >/dev/null 2>&1 &
    program=$!
    shown=0
    for _ in $(seq 1 240); do
        if xwininfo -root -tree 2>/dev/null | grep -q "\"Marrowfieldtallymaster-1.1\""; then
            shown=1
            break
        fi
        kill -0 "$program" 2>/dev/null || break
        sleep 0.25
    done
    # Let the first paint finish before taking the picture.
    [[ $shown == 1 ]] && sleep 2
    status=1
    if [[ $shown == 1 ]] && xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$TM_OUTPUT" 2>/dev/null; then
        status=0
    fi
    kill "$program" 2>/dev/null || true
    timeout 20 "$TM_WINESERVER" -w 2>/dev/null || "$TM_WINESERVER" -k 2>/dev/null || true
    exit $status
' </dev/null || { echo "screenshot: the main window did not show; no picture taken" >&2; exit 1; }
echo "screenshot: $output"
