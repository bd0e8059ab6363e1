#!/usr/bin/env bash
# Builds both trees and runs every test: the native tests directly, the
# Windows test programs under Wine on a virtual display.
#   build/native  host g++       core_tests, functions_tests, bench programs
#   build/asan    host g++       the native tests again, with AddressSanitizer
#                                and UndefinedBehaviorSanitizer
#   build/win32   MinGW-w64      tallymaster.exe and the .exe test programs
#   build/win64   MinGW-w64      the same as 64-bit programs, built and run in
#                                place of build/win32's when this host's kernel
#                                cannot start 32-bit programs (32-bit Wine)
# Installs missing Debian packages first (as root, no standard input needed);
# any other user is told which are missing and how to install them, and
# test.sh stops with status 2.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/tools/project-env.sh"

started=$SECONDS
step=start
trap 'echo "test.sh: FAILED during $step" >&2' ERR

step="package install"
deps_rc=0
tm_install_deps || deps_rc=$?
[[ $deps_rc -eq 0 ]] || { echo "test.sh: stopped before building: packages are missing" >&2; exit "$deps_rc"; }

step="printing setup"
# File > Print under Wine reaches the CUPS printer PDF (cups-pdf); the
# end-to-end printing test reads the PDF back.
tm_setup_printing || deps_rc=$?
[[ $deps_rc -eq 0 ]] || { echo "test.sh: stopped before building: printing is not set up" >&2; exit "$deps_rc"; }

step="native build"
tm_build native
step="sanitizer build"
tm_build asan
step="win32 build"
tm_build win32

# The Windows test programs run as 32-bit programs where the host can start
# them; otherwise the same sources run as 64-bit programs under wine64.
wintree=win32
if ! tm_host_runs_32bit; then
    wintree=win64
    export TM_WINE_BITS=64
    echo "test.sh: this host cannot start 32-bit programs; the Windows tests run from build/win64 under wine64"
    step="win64 build"
    tm_build win64
fi

step="Wine prefix"
tm_find_wine
prefix=$TM_ROOT/build/$wintree/wineprefix
tm_ensure_wineprefix "$prefix"

# "N% tests passed, F tests failed out of T" -> "T F"
ctest_counts() {
    sed -n 's/.*tests passed, \([0-9]\+\) tests\? failed out of \([0-9]\+\).*/\2 \1/p' "$1" | tail -n 1
}

mkdir -p build
native_log=build/ctest-native.log
asan_log=build/ctest-asan.log
win32_log=build/ctest-$wintree.log

step="native tests"
echo "== native tests (build/native)"
native_rc=0
(cd build/native && ctest --output-on-failure --no-tests=error --timeout 900 -j "$(nproc)") \
    2>&1 | tee "$native_log" || native_rc=$?

step="sanitizer tests"
echo "== native tests with sanitizers (build/asan)"
asan_rc=0
(cd build/asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure --no-tests=error --timeout 900 -j "$(nproc)") \
    2>&1 | tee "$asan_log" || asan_rc=$?

step="$wintree tests"
echo "== Windows tests under Wine (build/$wintree)"
win32_rc=0
# A wineserver left from an earlier run may hold a desktop of a display that
# is gone; start this run clean, and let its own server end on its display.
WINEPREFIX=$prefix "$TM_WINESERVER" -k >/dev/null 2>&1 || true
(cd "build/$wintree" && WINEPREFIX=$prefix xvfb-run -a bash -c '
    rc=0
    ctest --output-on-failure --no-tests=error --timeout 900 || rc=$?
    timeout 60 "$WINESERVER" -w || "$WINESERVER" -k || true
    exit $rc
' </dev/null) 2>&1 | tee "$win32_log" || win32_rc=$?

trap - ERR
read -r native_total native_failed < <(ctest_counts "$native_log"; echo "0 0") || true
read -r asan_total asan_failed < <(ctest_counts "$asan_log"; echo "0 0") || true
read -r win32_total win32_failed < <(ctest_counts "$win32_log"; echo "0 0") || true
native_failed=${native_failed:-0} native_total=${native_total:-0}
asan_failed=${asan_failed:-0} asan_total=${asan_total:-0}
win32_failed=${win32_failed:-0} win32_total=${win32_total:-0}
passed=$(( native_total - native_failed + asan_total - asan_failed + win32_total - win32_failed ))
failed=$(( native_failed + asan_failed + win32_failed ))

echo
echo "== summary ($(( SECONDS - started )) s)"
echo "native tests:        $(( native_total - native_failed )) passed, $native_failed failed (ctest exit $native_rc)"
echo "sanitizer tests:     $(( asan_total - asan_failed )) passed, $asan_failed failed (ctest exit $asan_rc)"
echo "Windows programs ($wintree): $(( win32_total - win32_failed )) passed, $win32_failed failed (ctest exit $win32_rc)"
status=0
if [[ $native_rc -ne 0 || $asan_rc -ne 0 || $win32_rc -ne 0 || $failed -ne 0 ]]; then
    status=1
fi
if [[ $native_total -eq 0 || $asan_total -eq 0 || $win32_total -eq 0 ]]; then
    echo "test.sh: a test tree ran no test" >&2
    status=1
fi
echo "tests: $passed passed, $failed failed"
exit $status
