#!/usr/bin/env bash
# Puts a desktop-menu entry for the calculator into the user's own XDG data
# folder, or takes it away again (run.sh --install-launcher and
# --uninstall-launcher call it):
#   tools/launcher.sh install PROGRAM.exe WINE [WINEPREFIX]
#   tools/launcher.sh uninstall
# The data folder is $XDG_DATA_HOME, else ~/.local/share. The entry,
# applications/marrowfieldtallymaster.desktop, starts PROGRAM.exe with the
# Wine loader WINE in WINEPREFIX (without one, Wine's default ~/.wine); the
# icon is drawn by ui/make_icon.py into icons/hicolor/NxN/apps/ at 16, 32
# and 48 pixels. desktop-file-validate checks the entry before it is put in
# place. Uninstalling removes exactly these files.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
entry_name=marrowfieldtallymaster
icon_sizes=(16 32 48)
data=${XDG_DATA_HOME:-$HOME/.local/share}
desktop_file=$data/applications/$entry_name.desktop

icon_file() { echo "$data/icons/hicolor/${1}x${1}/apps/$entry_name.png"; }

# One argument of an Exec line: quoted when it holds anything but plain
# characters, with ", `, $ and \ escaped inside the quotes; then every
# backslash doubled, as any string value of a desktop entry; % doubled.
exec_argument() {
    local argument=$1
    if [[ ! $argument =~ ^[A-Za-z0-9_./=:+,@-]+$ ]]; then
        argument=${argument//\\/\\\\}
        argument=${argument//\"/\\\"}
        argument=${argument//\`/\\\`}
        argument=${argument//\$/\\\$}
        argument="\"$argument\""
    fi
    argument=${argument//\\/\\\\}
    echo "${argument//%/%%}"
}

# Refreshes the menu's list where the tool is there; menus manage without.
refresh_menu() {
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database -q "$data/applications" 2>/dev/null || true
    fi
}

install_launcher() {
    local program=$1 wine=$2 prefix=${3:-}
    [[ -f $program ]] || { echo "launcher: $program does not exist (build it first)" >&2; return 1; }
    local line control
    for control in "$program" "$wine" "$prefix"; do
        if [[ $control == *[[:cntrl:]]* ]]; then
            echo "launcher: a path with control characters cannot go into a desktop entry: $control" >&2
            return 1
        fi
    done
    line="Exec=$(exec_argument env)"
    [[ -n $prefix ]] && line+=" $(exec_argument "WINEPREFIX=$prefix")"
    line+=" $(exec_argument WINEDEBUG=-all) $(exec_argument "$wine") $(exec_argument "$program")"

    staged=$(mktemp -d)
    trap 'rm -rf "$staged"' EXIT
    cat >"$staged/$entry_name.desktop" <<EOF
[Desktop Entry]
Type=Application
Version=1.4
Name=Marrowfieldtallymaster
GenericName=Calculator
Comment=Exact decimal calculator (a Windows program, run under Wine)
Icon=$entry_name
TryExec=${wine//\\/\\\\}
$line
Terminal=false
Categories=Utility;Calculator;
StartupWMClass=tallymaster.exe
EOF
    desktop-file-validate "$staged/$entry_name.desktop" || {
        echo "launcher: desktop-file-validate refused the entry" >&2
        return 1
    }
    local size
    for size in "${icon_sizes[@]}"; do
        python3 "$here/../ui/make_icon.py" --png "$size" "$staged/icon-$size.png"
    done

    mkdir -p "$data/applications"
    for size in "${icon_sizes[@]}"; do
        mkdir -p "$(dirname "$(icon_file "$size")")"
        cp "$staged/icon-$size.png" "$(icon_file "$size")"
    done
    cp "$staged/$entry_name.desktop" "$desktop_file"
    refresh_menu
    echo "launcher: $desktop_file"
    echo "launcher: icon $(icon_file 48) (and 16, 32 pixels)"
}

uninstall_launcher() {
    local size
    rm -f "$desktop_file"
    for size in "${icon_sizes[@]}"; do rm -f "$(icon_file "$size")"; done
    refresh_menu
    echo "launcher: removed $desktop_file and its icons"
}

case "${1:-}" in
    install)
        [[ $# -ge 3 && $# -le 4 ]] || { echo "usage: $0 install PROGRAM.exe WINE [WINEPREFIX]" >&2; exit 2; }
        install_launcher "$2" "$3" "${4:-}"
        ;;
    uninstall) uninstall_launcher ;;
    *) echo "usage: $0 install PROGRAM.exe WINE [WINEPREFIX] | uninstall" >&2; exit 2 ;;
esac
