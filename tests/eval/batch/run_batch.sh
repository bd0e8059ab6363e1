#!/usr/bin/env bash
# Runs each scenario NAME of this folder through tallymaster-eval and
# compares what it writes (standard output, then standard error) with
# NAME.out and its exit status with NAME.status (0 when there is none):
#   NAME.in    piped to standard input (one expression a line)
#   NAME.twr   a calculation file, checked with --file NAME.twr
#   NAME.args  options, one a line
# The file_* scenarios: saved answers that agree (file_agrees, file_crlf,
# file_settings at the settings they were saved with), that differ
# (file_differs, file_default_settings), that cannot be confirmed
# (file_unbalanced, file_messages), and files that Open refuses
# (file_no_magic, file_short, file_count_zero, file_missing); sample_file
# checks the release package's Sample.twr.
# Then checks that unknown options give the usage line and exit status 2.
set -u
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") dir=$2
cd "$dir" || exit 1
failed=0
for expected in *.out; do
    name=${expected%.out}
    args=()
    if [[ -f $name.args ]]; then
        mapfile -t args < "$name.args"
    fi
    [[ -f $name.twr ]] && args+=(--file "$name.twr")
    input=/dev/null
    [[ -f $name.in ]] && input=$name.in
    want_status=0
    [[ -f $name.status ]] && want_status=$(<"$name.status")
    output=$("$tool" "${args[@]}" < "$input" 2>&1; echo "status $?")
    if ! diff -u <(cat "$expected"; echo "status $want_status") <(printf '%s\n' "$output"); then
        echo "FAILED: $name"
        failed=1
    fi
done

timing=$(echo '1+1' | "$tool" --time 2>&1 >/dev/null)
if [[ ! $timing =~ ^recalculations:\ 1,\ mean:\ [0-9.]+\ us,\ largest:\ [0-9.]+\ us$ ]]; then
    echo "FAILED: --time wrote '$timing'"
    failed=1
fi

for bad in --bogus "--decimals 7" "--group tabs" --x --file; do
    # shellcheck disable=SC2086
    usage=$("$tool" $bad </dev/null 2>&1 >/dev/null)
    status=$?
    if [[ $status -ne 2 || $usage != usage:* ]]; then
        echo "FAILED: '$bad' gave status $status and '$usage'"
        failed=1
    fi
done
exit $failed
