#!/usr/bin/env bash
# Builds the Windows program and starts build/win32/tallymaster.exe under Wine
# (build/win64's under wine64 where the host cannot start 32-bit programs),
# in the user's own Wine prefix ($WINEPREFIX when set, else ~/.wine), so that
# calculation files saved on its drive C survive a rebuild. File > Print
# reaches the CUPS printer "PDF" (cups-pdf), which puts each page as a PDF
# into ~/PDF.
# Without $DISPLAY it starts the program on a virtual display (in the build
# tree's private prefix), saves screenshots of the main window, of a worked
# calculation (build/screenshot-tape.png) and of the three
# help windows to build/, ends it and says where the pictures are.
#   ./run.sh --install-launcher    builds the program, then puts a desktop-menu
#                                  entry and its icon into your XDG data folder
#                                  ($XDG_DATA_HOME, else ~/.local/share): the
#                                  menu starts the calculator under Wine in
#                                  your own prefix (tools/launcher.sh)
#   ./run.sh --uninstall-launcher  removes the entry and the icon again
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/tools/project-env.sh"

launcher=
case "${1:-}" in
    --install-launcher) launcher=install ;;
    --uninstall-launcher) exec tools/launcher.sh uninstall ;;
esac

tm_install_deps
# Where this host's kernel cannot start 32-bit programs, the same sources run
# as 64-bit programs under wine64 (as test.sh does).
tree=win32
if ! tm_host_runs_32bit; then
    tree=win64
    export TM_WINE_BITS=64
    echo "run.sh: this host cannot start 32-bit programs; running build/win64 under wine64"
fi
tm_build "$tree"
tm_find_wine
tm_setup_printing || echo "run.sh: printing is not set up; File > Print will find no printer" >&2

program=$TM_ROOT/build/$tree/tallymaster.exe
if [[ $launcher == install ]]; then
    # WINEPREFIX as the menu should use it; unset, Wine's default ~/.wine.
    exec tools/launcher.sh install "$program" "$TM_WINE" "${WINEPREFIX:-}"
fi
if [[ -n "${DISPLAY:-}" ]]; then
    prefix=${WINEPREFIX:-$HOME/.wine}
    tm_ensure_user_wineprefix "$prefix"
    echo "== starting $program on display $DISPLAY (Wine prefix $prefix)"
    WINEPREFIX=$prefix WINEDEBUG=-all exec "$TM_WINE" "$program" "$@"
fi
# Nobody can see a window without a display: show the calculator and its help
# windows once on a virtual display, in the build tree's own prefix, and keep
# pictures of them.
echo "== DISPLAY is not set: taking screenshots on a virtual display"
prefix=$TM_ROOT/build/$tree/wineprefix
tm_ensure_wineprefix "$prefix"
tools/screenshots.sh "$program" "$prefix" "$TM_ROOT/build"
