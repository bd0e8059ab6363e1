#!/usr/bin/env bash
# Builds the libFuzzer programs with clang in build/fuzz and runs each for
# SECONDS (default 60) on its corpus in tests/fuzz-corpus/<name>/, then merges
# what it found back into that corpus (-merge=1: the smallest set of inputs
# with the same coverage) and prints executions per second and coverage.
#
#   tools/fuzz.sh [SECONDS] [NAME...]     NAME: recalculation calculation_file decimal_text
#
# An input slower than 1 s, a single allocation over 64 MiB
# (-malloc_limit_mb=64), a crash, a leak or a sanitizer report is a finding.
# The fuzz build carries AddressSanitizer, UndefinedBehaviorSanitizer and
# coverage counters, which make long digit loops some 50 times slower than
# the release program; an input that runs past its 1 s there (-timeout=1) is
# timed again in the release build (the corpus replay, build/fuzz/release),
# and only one that is slower than 1 s there too is a finding. The others
# join the corpus as slow-<sha1>, so the replay keeps timing them.
# The run goes on after a finding (fork mode, -ignore_crashes etc.); every
# finding's input is copied to tests/fuzz-findings/<name>/ until it is fixed
# and moved into the corpus, where the replay in ./test.sh keeps checking it.
set -euo pipefail

TM_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$TM_ROOT"
source tools/install-deps.sh

seconds=${1:-60}
shift || true
names=("$@")
[[ ${#names[@]} -gt 0 ]] || names=(recalculation calculation_file decimal_text)

# Longest input each program is given: settings byte + 751 + 3 x 999 + 3
# separators; a file of a few kilobytes; a number text beyond the 999 shown
# digits.
declare -A max_len=([recalculation]=3752 [calculation_file]=4096 [decimal_text]=1200)
declare -A options=([recalculation]="-dict=$TM_ROOT/tests/fuzz/recalculation.dict")

tm_install_deps
tree=$TM_ROOT/build/fuzz
cmake -S "$TM_ROOT" -B "$tree" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYMASTER_FUZZ=ON -DTALLYMASTER_WERROR=ON >/dev/null
cmake --build "$tree" -j2 --target "${names[@]/%/_fuzzer}"
release=$tree/release
cmake -S "$TM_ROOT" -B "$release" -DCMAKE_BUILD_TYPE=Release -DTALLYMASTER_WERROR=ON >/dev/null
cmake --build "$release" -j2 --target "${names[@]/%/_fuzz_replay}"

# Milliseconds the release build takes for one input (process start
# included), or "fails" when it fails.
release_milliseconds() {
    local one start end
    one=$(mktemp -d)
    cp "$2" "$one/"
    start=$(date +%s%N)
    if ! "$release/$1_fuzz_replay" "$one" >/dev/null 2>&1; then rm -rf "$one"; echo fails; return; fi
    end=$(date +%s%N)
    rm -rf "$one"
    echo $(((end - start) / 1000000))
}

# The allocator returns null for a huge request, as the program's own
# new-handler expects, instead of aborting inside AddressSanitizer.
export ASAN_OPTIONS=allocator_may_return_null=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

declare -A summary
for name in "${names[@]}"; do
    corpus=$TM_ROOT/tests/fuzz-corpus/$name
    findings=$TM_ROOT/tests/fuzz-findings/$name
    work=$tree/run/$name
    rm -rf "$work"
    mkdir -p "$corpus" "$work/new" "$work/artifacts" "$work/merge-artifacts" "$work/merged"
    fuzzer=$tree/${name}_fuzzer
    common=(-timeout=1 -malloc_limit_mb=64 -rss_limit_mb=2048 -max_len=${max_len[$name]} ${options[$name]:-})

    echo "== $name: fuzzing for $seconds s"
    # New inputs go to work/new; the corpus folder is only read here.
    "$fuzzer" "${common[@]}" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
        -max_total_time="$seconds" -artifact_prefix="$work/artifacts/" \
        "$work/new" "$corpus" >"$work/fuzz.log" 2>&1 || true
    # Fork mode's status lines: "#N: cov: C ft: F corp: K exec/s E oom/timeout/crash: ..."
    stats=$(grep -E '^#[0-9]+: cov: ' "$work/fuzz.log" | tail -n 1 || true)
    execs=$(sed -n 's/.* exec\/s:\{0,1\} \([0-9]*\).*/\1/p' <<<"$stats")
    crashes=$(sed -n 's/.* oom\/timeout\/crash: \([0-9/]*\).*/\1/p' <<<"$stats")

    # Findings are kept apart until fixed; the corpus holds only inputs that
    # pass, so the replay stays green and quick.
    found=0
    retimed=""
    for artifact in "$work"/artifacts/*; do
        [[ -f "$artifact" ]] || continue
        base=$(basename "$artifact")
        if [[ $base == timeout-* ]]; then
            ms=$(release_milliseconds "$name" "$artifact")
            if [[ $ms != fails ]] && ((ms <= 1000)); then
                retimed+=" ${ms}ms"
                cp "$artifact" "$corpus/slow-${base#timeout-}"
                continue
            fi
        fi
        mkdir -p "$findings"
        cp "$artifact" "$findings/"
        found=$((found + 1))
    done

    # Merge: the old corpus and the new inputs into the smallest set with the
    # same edge coverage; inputs that crash or time out drop out of the merge.
    # Hit counts are not kept apart (-use_counters=0): every edge stays
    # covered and the corpus stays at a few hundred files.
    "$fuzzer" "${common[@]}" -use_counters=0 -merge=1 -artifact_prefix="$work/merge-artifacts/" \
        "$work/merged" "$corpus" "$work/new" >"$work/merge.log" 2>&1 || true
    if compgen -G "$work/merged/*" >/dev/null; then
        # Fixed findings (finding-<kind>-<sha1>) and inputs slow only under
        # the sanitizers (slow-<sha1>) stay whatever the merge says.
        find "$corpus" -maxdepth 1 -type f ! -name 'finding-*' ! -name 'slow-*' -delete
        for input in "$work"/merged/*; do
            base=$(basename "$input")
            [[ -e "$corpus/$base" ]] || [[ -n $(find "$corpus" -maxdepth 1 -type f \( -name "finding-*$base" -o -name "slow-$base" \)) ]] \
                || cp "$input" "$corpus/$base"
        done
    fi

    # Coverage of the corpus as kept: one pass over every input.
    "$fuzzer" "${common[@]}" -runs=0 "$corpus" >"$work/coverage.log" 2>&1 || true
    cov=$(sed -n 's/.*INITED cov: \([0-9]*\) ft: \([0-9]*\).*/\1 \2/p' "$work/coverage.log" | tail -n 1)
    files=$(find "$corpus" -maxdepth 1 -type f | wc -l)
    summary[$name]=$(printf '%-17s exec/s %6s  corpus cov %5s ft %6s  corpus files %4s  oom/timeout/crash %s  findings kept %s  sanitizer-only timeouts (release ms):%s' \
        "$name" "${execs:-?}" "${cov% *}" "${cov#* }" "$files" "${crashes:-0/0/0}" "$found" "${retimed:- none}")
done

echo
echo "== fuzz summary ($seconds s per target; logs in build/fuzz/run/<name>/)"
for name in "${names[@]}"; do echo "${summary[$name]}"; done
