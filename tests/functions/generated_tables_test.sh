#!/usr/bin/env bash
# The generated digit tables still match their generators: reruns
# make_reference_digits.sh (bc -l) and make_steps_digits.py and compares
# their output with the committed reference_digits.h and steps_digits.h.
#   generated_tables_test.sh FOLDER
set -euo pipefail
cd "$1"
status=0
check() {  # table, generator command...
    local table=$1
    shift
    if "$@" | diff -u "$table" - >/dev/null; then
        echo "$table: matches its generator"
    else
        echo "$table: differs from what its generator writes now (rerun: $*)" >&2
        status=1
    fi
}
check reference_digits.h sh make_reference_digits.sh
check steps_digits.h python3 make_steps_digits.py
exit $status
