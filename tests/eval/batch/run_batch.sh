#!/usr/bin/env bash
# Pipes each scenario NAME.in through tallymaster-eval with the options in
# NAME.args and compares standard output with NAME.out; then checks that
# unknown options give the usage line and exit status 2.
set -u
tool=$1 dir=$2
failed=0
for input in "$dir"/*.in; do
    name=${input%.in}
    args=()
    if [[ -f $name.args ]]; then
        mapfile -t args < "$name.args"
    fi
    if ! diff -u "$name.out" <("$tool" "${args[@]}" < "$input"); then
        echo "FAILED: $(basename "$name")"
        failed=1
    fi
done

timing=$(echo '1+1' | "$tool" --time 2>&1 >/dev/null)
if [[ ! $timing =~ ^recalculations:\ 1,\ mean:\ [0-9.]+\ us,\ largest:\ [0-9.]+\ us$ ]]; then
    echo "FAILED: --time wrote '$timing'"
    failed=1
fi

for bad in --bogus "--decimals 7" "--group tabs" --x; do
    # shellcheck disable=SC2086
    usage=$("$tool" $bad </dev/null 2>&1 >/dev/null)
    status=$?
    if [[ $status -ne 2 || $usage != usage:* ]]; then
        echo "FAILED: '$bad' gave status $status and '$usage'"
        failed=1
    fi
done
exit $failed
