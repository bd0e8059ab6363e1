#!/usr/bin/env bash
# Builds the Windows program and starts build/win32/tallymaster.exe under Wine.
# Arguments are passed to the program. Without $DISPLAY it runs on a virtual
# display (xvfb-run), where nobody sees it: stop it with Ctrl+C.
set -euo pipefail

TM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$TM_ROOT"
source tools/install-deps.sh
source tools/wine-env.sh
source tools/build-tree.sh

tm_install_deps
tm_build win32
tm_find_wine
prefix=$TM_ROOT/build/win32/wineprefix
tm_ensure_wineprefix "$prefix"

program=$TM_ROOT/build/win32/tallymaster.exe
if [[ -n "${DISPLAY:-}" ]]; then
    echo "== starting $program on display $DISPLAY"
    exec cmake/wine-run.sh --prefix "$prefix" "$program" "$@"
fi
echo "== DISPLAY is not set: starting $program on a virtual display (xvfb-run -a)"
exec xvfb-run -a cmake/wine-run.sh --prefix "$prefix" "$program" "$@"
