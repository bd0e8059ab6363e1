#!/usr/bin/env bash
# Makes the README's pictures, small PNG files under docs/ (the only images
# the repository keeps):
#   docs/main-window.png        the main window with a worked calculation
#   docs/help-instructions.png  the three help windows
#   docs/help-functions.png
#   docs/help-menus.png
#   docs/printed-page.png       that calculation as File > Print put it on
#                               paper (the cups-pdf queue's PDF, 75 dpi)
#   tools/readme-pictures.sh [BUILD_TREE]
# BUILD_TREE is a built Windows tree (default build/win32, or build/win64
# where this host cannot start 32-bit programs). The window pictures come
# from tools/screenshots.sh (as run.sh takes them without a display); for
# the page, the calculator starts once more on a virtual display, the same
# calculation is worked (work_tape.exe) and printed (print_page.exe), and
# pdftoppm turns the new PDF's page into a picture, cropped to its text.
# Needs netpbm and poppler-utils, and the printer of tools/setup-printing.sh.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source tools/install-deps.sh
source tools/wine-env.sh
source tools/setup-printing.sh

tm_host_runs_32bit || export TM_WINE_BITS=64
default_tree=build/win32
[[ ${TM_WINE_BITS:-} == 64 ]] && default_tree=build/win64
tree=$(cd "${1:-$default_tree}" && pwd)
for program in tallymaster work_tape print_page; do
    [[ -f $tree/$program.exe ]] || { echo "readme-pictures: $tree/$program.exe is missing (build the tree)" >&2; exit 1; }
done
tm_find_wine
tm_setup_printing
prefix=$tree/wineprefix
tm_ensure_wineprefix "$prefix"

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
tools/screenshots.sh "$tree/tallymaster.exe" "$prefix" "$shots"

# The printed page: a PDF that was not in the folder before.
pdfs=$(tm_pdf_folder)
mkdir -p "$pdfs"
ls "$pdfs" >"$shots/before"
export TM_TREE=$tree TM_WINE TM_WINESERVER WINEPREFIX=$prefix WINEDEBUG=-all
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$TM_WINE" "$TM_TREE/tallymaster.exe" >/dev/null 2>&1 &
    program=$!
    status=1
    for _ in $(seq 1 80); do
        if "$TM_WINE" "$TM_TREE/work_tape.exe" >/dev/null 2>&1; then status=0; break; fi
        sleep 0.25
    done
    [[ $status -eq 0 ]] && { "$TM_WINE" "$TM_TREE/print_page.exe" >/dev/null 2>&1 || status=1; }
    sleep 3   # the page reaches the printer
    kill "$program" 2>/dev/null || true
    timeout 20 "$TM_WINESERVER" -w 2>/dev/null || "$TM_WINESERVER" -k 2>/dev/null || true
    exit $status
' </dev/null || { echo "readme-pictures: the calculation could not be printed" >&2; exit 1; }
pdf=
for _ in $(seq 1 120); do
    pdf=$(ls "$pdfs" | grep -vxF -f "$shots/before" | grep '^Bitmap_Printing_Test.*\.pdf$' | head -n 1 || true)
    [[ -n $pdf && -s $pdfs/$pdf ]] && break
    pdf=
    sleep 0.5
done
[[ -n $pdf ]] || { echo "readme-pictures: no new page in $pdfs" >&2; exit 1; }
sleep 1   # cups-pdf finishes writing
pdftoppm -r 75 -f 1 -l 1 -png "$pdfs/$pdf" "$shots/page"
rm -f "$pdfs/$pdf"

# Each picture with at most 64 colours, compressed.
small_png() { pngtopnm "$1" | pnmquant 64 2>/dev/null | pnmtopng -compression 9 2>/dev/null >"$2"; }
mkdir -p docs
small_png "$shots/screenshot-tape.png" docs/main-window.png
for help in instructions functions menus; do
    small_png "$shots/screenshot-help-$help.png" "docs/help-$help.png"
done
pngtopnm "$shots"/page-*.png | pnmcrop -white 2>/dev/null | pnmmargin -white 12 | pnmquant 16 2>/dev/null \
    | pnmtopng -compression 9 2>/dev/null >docs/printed-page.png
for picture in main-window help-instructions help-functions help-menus printed-page; do
    echo "readme-pictures: docs/$picture.png ($(stat -c %s "docs/$picture.png") bytes)"
done
