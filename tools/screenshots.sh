#!/usr/bin/env bash
# Starts the calculator on a virtual display of its own, saves a picture of
# the screen once the main window is shown (OUTPUT_DIR/screenshot.png), then
# opens its three help windows through the Help menu commands and saves a
# picture of each: OUTPUT_DIR/screenshot-help-instructions.png, -functions.png
# and -menus.png. Before the help windows it works a calculation in the main
# window (seven popup boxes, the Variables band with formulas for x and y, the
# answer at All Decimals with commas) and saves OUTPUT_DIR/screenshot-tape.png.
# Ends the program and prints where the pictures are.
#   tools/screenshots.sh PROGRAM.exe WINEPREFIX OUTPUT_DIR
# open_help_window.exe and work_tape.exe (built next to PROGRAM.exe) send the
# commands and keys.
# Needs xvfb-run, xwininfo (x11-utils), xwd (x11-apps), xwdtopnm and pnmtopng
# (netpbm).
set -euo pipefail

if [[ $# -ne 3 ]]; then
    echo "usage: $0 PROGRAM.exe WINEPREFIX OUTPUT_DIR" >&2
    exit 2
fi
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
opener=$(dirname "$program")/open_help_window.exe
tape=$(dirname "$program")/work_tape.exe
prefix=$2
mkdir -p "$3"
output=$(cd "$3" && pwd)

for helper in "$opener" "$tape"; do
    [[ -f "$helper" ]] || { echo "screenshots: $helper is missing (build the Win32 tree)" >&2; exit 1; }
done
for tool in xvfb-run xwininfo xwd xwdtopnm pnmtopng; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
tm_find_wine
tm_ensure_wineprefix "$prefix"
prefix=$(cd "$prefix" && pwd)

export TM_PROGRAM=$program TM_OPENER=$opener TM_TAPE=$tape TM_OUTPUT=$output TM_WINE TM_WINESERVER
export TM_IDS=$here/../ui/control_ids.h
export WINEPREFIX=$prefix WINEDEBUG=-all
rm -f "$output"/screenshot.png "$output"/screenshot-tape.png "$output"/screenshot-help-{instructions,functions,menus}.png
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    # The X window id of the window with exactly this title, once it shows.
    window_titled() {
        local _
        for _ in $(seq 1 120); do
            local id
            id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | awk "{print \$1; exit}")
            if [[ -n "$id" ]]; then echo "$id"; return 0; fi
            sleep 0.25
        done
        return 1
    }
    # The ids of the named top-level windows, one a line.
    named_windows() {
        xwininfo -root -children 2>/dev/null | awk "/^ +0x[0-9a-f]+ \"/ {print \$1}"
    }
    # The id of a named top-level window not in the list given, once it shows.
    new_window() {
        local _
        for _ in $(seq 1 120); do
            local id
            id=$(named_windows | grep -vxF -e "$1" | head -n 1)
            if [[ -n "$id" ]]; then echo "$id"; return 0; fi
            sleep 0.25
        done
        return 1
    }
    "$TM_WINE" "$TM_PROGRAM" >/dev/null 2>&1 &
    program=$!
    status=1
    if main=$(window_titled "Marrowfieldtallymaster-1.1"); then
        status=0
        sleep 2   # let the first paint finish
        xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$TM_OUTPUT/screenshot.png" 2>/dev/null || status=1
        if "$TM_WINE" "$TM_TAPE" >/dev/null 2>&1; then
            sleep 2   # let the grown window paint
            xwd -id "$main" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$TM_OUTPUT/screenshot-tape.png" 2>/dev/null \
                || status=1
        else
            echo "screenshots: the calculation could not be worked" >&2
            status=1
        fi
        # Each help window as its Help command opens it: the command ids are
        # read from ui/control_ids.h, and the picture is of the window that
        # appears, whatever its title.
        while read -r constant name; do
            command=$(sed -n "s/^ *$constant = \([0-9][0-9]*\),.*/\1/p" "$TM_IDS")
            [[ -n "$command" ]] || { echo "screenshots: no $constant in $TM_IDS" >&2; status=1; continue; }
            before=$(named_windows)
            "$TM_WINE" "$TM_OPENER" "$command" >/dev/null 2>&1 || { status=1; continue; }
            id=$(new_window "$before") || { echo "screenshots: no window for $constant" >&2; status=1; continue; }
            sleep 1.5   # let the first paint finish
            xwd -id "$id" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$TM_OUTPUT/screenshot-help-$name.png" 2>/dev/null \
                || status=1
        done <<LIST
kHelpInstructions instructions
kHelpFunctions functions
kHelpMenus menus
LIST
    fi
    kill "$program" 2>/dev/null || true
    timeout 20 "$TM_WINESERVER" -w 2>/dev/null || "$TM_WINESERVER" -k 2>/dev/null || true
    exit $status
' </dev/null || { echo "screenshots: the windows did not all show; pictures incomplete" >&2; exit 1; }
echo "screenshots: $output/screenshot.png"
echo "screenshots: $output/screenshot-tape.png"
echo "screenshots: $output/screenshot-help-instructions.png"
echo "screenshots: $output/screenshot-help-functions.png"
echo "screenshots: $output/screenshot-help-menus.png"
