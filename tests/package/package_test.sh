#!/usr/bin/env bash
# The release package of a Windows build tree: builds it (the package
# target), unpacks the zip and checks what it holds: one folder with
# tallymaster.exe, README.txt (CR LF line ends, the sections a Windows user
# needs) and Sample.twr; the unpacked program's resources (resources_tests
# run on it) and the sample opened in the real main window
# (sample_open_tests).
#   tests/package/package_test.sh BUILD_TREE PACKAGE_NAME WINE_RUN [--wine64]
set -u
tree=$1 name=$2 wine_run=$3
shift 3
failed=0
fail() { echo "FAILED: $*"; failed=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --build "$tree" --target package >"$work/package.log" 2>&1 \
    || { cat "$work/package.log"; echo "FAILED: the package target"; exit 1; }
zip=$tree/$name.zip
[[ -f $zip ]] || { echo "FAILED: no $zip"; exit 1; }

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || { echo "FAILED: $zip does not unpack"; exit 1; }
contents=$(cd "$work/unpacked" && find . -type f | sort)
expected=$(printf './%s/%s\n' "$name" README.txt "$name" Sample.twr "$name" tallymaster.exe)
[[ $contents == "$expected" ]] || fail "the zip holds"$'\n'"$contents"$'\n'"instead of"$'\n'"$expected"
folder=$work/unpacked/$name

# README.txt: every line ends in CR LF, and it says what a Windows user needs.
readme=$folder/README.txt
if [[ -f $readme ]]; then
    lines=$(wc -l <"$readme")
    crlf=$(grep -c $'\r$' "$readme")
    [[ $lines -gt 20 && $lines -eq $crlf ]] || fail "README.txt: $crlf of $lines lines end in CR LF"
    [[ -z $(tail -c 2 "$readme" | tr -d '\r\n') ]] || fail "README.txt does not end with a line end"
    for piece in "Marrowfieldtallymaster 1.1" "What it is" "How to start" "tallymaster.exe" "Where files go" \
                 'C:\Tallowrune\Mfld.twr' "Keys" "F5" "F6" "Ctrl+C" "Sample.twr"; do
        grep -qF "$piece" "$readme" || fail "README.txt lacks '$piece'"
    done
fi

# The sample keeps the calculation file's line feeds.
grep -q $'\r' "$folder/Sample.twr" && fail "Sample.twr holds carriage returns"

# The unpacked program: its resources, and it starts; then the sample opens.
windows_path() { echo "Z:${1//\//\\}"; }
TM_PROGRAM_UNDER_TEST=$(windows_path "$folder/tallymaster.exe") \
    bash "$wine_run" "$@" "$tree/resources_tests.exe" || fail "resources of the unpacked tallymaster.exe"
TM_SAMPLE_FILE=$(windows_path "$folder/Sample.twr") \
    bash "$wine_run" "$@" "$tree/sample_open_tests.exe" || fail "the unpacked Sample.twr does not open"

[[ $failed -eq 0 ]] && echo "release package: $zip holds what it should"
exit $failed
