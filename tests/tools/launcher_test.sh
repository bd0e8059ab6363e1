#!/usr/bin/env bash
# tools/launcher.sh with a temporary XDG_DATA_HOME (blanks and a quote in
# every path): the entry passes desktop-file-validate, its icons are PNG
# pictures of 16, 32 and 48 pixels, its Exec line started as a desktop menu
# would start it runs the given Wine loader on the program in the given
# prefix, and uninstalling (through run.sh) removes every file again.
#   tests/tools/launcher_test.sh REPOSITORY_ROOT
set -u
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }

base="$work/it's a home"
mkdir -p "$base/build tree" "$base/bin"
program="$base/build tree/tallymaster.exe"
: >"$program"
prefix="$base/wine prefix"
# The fake loader notes what it was asked to start, and in which prefix.
wine="$base/bin/wine loader"
cat >"$wine" <<'EOF'
#!/bin/bash
printf '%s\n' "${WINEPREFIX-unset}" "$WINEDEBUG" "$@" >"$LAUNCH_RECORD"
EOF
chmod +x "$wine"
export XDG_DATA_HOME="$base/data"
entry=$XDG_DATA_HOME/applications/marrowfieldtallymaster.desktop

bash "$root/tools/launcher.sh" install "$program" "$wine" "$prefix" >"$work/out" 2>&1 \
    || fail "install: $(cat "$work/out")"
[[ -f $entry ]] || fail "no $entry"
desktop-file-validate "$entry" || fail "desktop-file-validate refused the installed entry"
grep -qx 'Icon=marrowfieldtallymaster' "$entry" || fail "the entry names another icon"
for size in 16 32 48; do
    icon=$XDG_DATA_HOME/icons/hicolor/${size}x$size/apps/marrowfieldtallymaster.png
    shape=$(python3 - "$icon" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read(33)
assert data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR"
print("%dx%d" % struct.unpack(">II", data[16:24]))
EOF
)
    [[ $shape == "${size}x$size" ]] || fail "icon $size: '$shape'"
done

# Start the Exec line as a menu does: undo the string escapes, then split
# the arguments by the entry's quoting rules (those of a shell's double
# quotes), and run them.
record="$work/launched"
LAUNCH_RECORD=$record python3 - "$entry" <<'EOF' || fail "the Exec line did not run"
import re, shlex, subprocess, sys
line = next(l for l in open(sys.argv[1], encoding="utf-8").read().splitlines() if l.startswith("Exec="))
value = re.sub(r"\\(.)", lambda m: {"s": " ", "n": "\n", "t": "\t", "r": "\r"}.get(m.group(1), m.group(1)),
               line[len("Exec="):])
sys.exit(subprocess.call(shlex.split(value.replace("%%", "%"))))
EOF
expected=$(printf '%s\n' "$prefix" -all "$program")
[[ -f $record && $(cat "$record") == "$expected" ]] \
    || fail "the menu entry started"$'\n'"$(cat "$record" 2>/dev/null)"$'\n'"instead of"$'\n'"$expected"

# Without a prefix the entry leaves WINEPREFIX to Wine's default.
bash "$root/tools/launcher.sh" install "$program" "$wine" >/dev/null 2>&1 || fail "install without a prefix"
grep -q WINEPREFIX "$entry" && fail "an entry without a prefix sets WINEPREFIX: $(grep '^Exec' "$entry")"

# A program that is not there is not put into a menu.
rm -f "$entry"
bash "$root/tools/launcher.sh" install "$base/missing.exe" "$wine" >/dev/null 2>&1 && fail "installed a missing program"
[[ -e $entry ]] && fail "an entry for a missing program"

bash "$root/tools/launcher.sh" install "$program" "$wine" "$prefix" >/dev/null 2>&1
bash "$root/run.sh" --uninstall-launcher >"$work/out" 2>&1 || fail "run.sh --uninstall-launcher: $(cat "$work/out")"
left=$(find "$XDG_DATA_HOME" -type f ! -name 'mimeinfo.cache')
[[ -z $left ]] || fail "left after uninstalling: $left"

[[ $failed -eq 0 ]] && echo "launcher: all cases passed"
exit $failed
