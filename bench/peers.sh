#!/usr/bin/env bash
# The calculator's speed next to the tools a user might reach for instead:
# each row timed with tallymaster-eval --time (mean of COUNT recalculations
# at All Decimals), with `bc -l` at scale 57 and with Python 3's decimal
# module at precision 60. Every tool loops in one process; start-up is not
# counted (bc: a run of the loop minus a run without it; Python: a clock
# around the loop). Each figure is the least of REPEAT runs, since a shared
# machine only ever adds time. Prints microseconds per evaluation and the
# ratios.
#
#   bench/peers.sh [ROW-NAME-PATTERN]
#   TM_EVAL=path/to/tallymaster-eval  COUNT=300  REPEAT=3  TM_WINE=wine64  bench/peers.sh
#   TM_BASELINE=path/to/older/tallymaster-eval adds a column for that build.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
eval_program=${TM_EVAL:-$here/build/native/tools/tallymaster-eval}
count=${COUNT:-300}
repeat=${REPEAT:-3}
pattern=${1:-.}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Operands of the long rows, made once from fixed seeds.
digits() { python3 -c "import random; random.seed($1); print(str(random.randint(1, 9)) + ''.join(random.choice('0123456789') for _ in range($2 - 1)))"; }
a57="$(digits 57 1).$(digits 5757 56)"
b57="$(digits 58 1).$(digits 5858 56)"
a370=$(digits 370 370)
b370=$(digits 371 370)

# name | calculator expression | angle mode | bc expression | Python expression | peer loop count
rows=(
  "sqrt2|sqrt2|deg|sqrt(2)|D(2).sqrt()|3000"
  "exp1|exp1|deg|e(1)|D(1).exp()|3000"
  "ln2|ln2|deg|l(2)|D(2).ln()|3000"
  "log2|log2|deg|l(2)/l(10)|D(2).log10()|3000"
  "sin(.5), radians|sin(.5)|rad|s(.5)|sin(D('.5'))|3000"
  "cos(.5), radians|cos(.5)|rad|c(.5)|cos(D('.5'))|3000"
  "atan(.7), radians|atan(.7)|rad|a(.7)|atan(D('.7'))|3000"
  "asin(.5), radians|asin(.5)|rad|a(.5/sqrt(1-.5^2))|asin(D('.5'))|3000"
  "2^.5|2^.5|deg|e(.5*l(2))|D(2)**D('.5')|3000"
  "1/3|1/3|deg|1/3|D(1)/D(3)|100000"
  "57-digit product|$a57*$b57|deg|$a57*$b57|D('$a57')*D('$b57')|100000"
  "370 × 370-digit product|$a370*$b370|deg|$a370*$b370|D('$a370')*D('$b370')|30000"
  "370 / 370-digit quotient|$a370/$b370|deg|$a370/$b370|D('$a370')/D('$b370')|30000"
)

# Series recipes for the functions decimal lacks, at the context's precision.
cat > "$work/recipes.py" <<'EOF'
from decimal import Decimal as D, getcontext
def sin(x):
    getcontext().prec += 2
    i, lasts, s, fact, num, sign = 1, 0, x, 1, x, 1
    while s != lasts:
        lasts = s; i += 2; fact *= i * (i - 1); num *= x * x; sign *= -1; s += num / fact * sign
    getcontext().prec -= 2
    return +s
def cos(x):
    getcontext().prec += 2
    i, lasts, s, fact, num, sign = 0, 0, 1, 1, 1, 1
    while s != lasts:
        lasts = s; i += 2; fact *= i * (i - 1); num *= x * x; sign *= -1; s += num / fact * sign
    getcontext().prec -= 2
    return +s
def atan(x):
    getcontext().prec += 4
    halvings = 0
    while abs(x) > D('.1'):
        x = x / (1 + (1 + x * x).sqrt()); halvings += 1
    s, term, k, lasts, x2 = x, x, 1, 0, x * x
    while s != lasts:
        lasts = s; term *= -x2; k += 2; s += term / k
    getcontext().prec -= 4
    return +(s * 2 ** halvings)
def asin(x):
    return atan(x / (1 - x * x).sqrt())
EOF

now() { date +%s%N; }

least() {  # command...: the smallest figure it prints in $repeat runs
    local best="" figure
    for ((r = 0; r < repeat; ++r)); do
        figure=$("$@")
        best=$(python3 -c "print(min(float(x) for x in '$best $figure'.split()))")
    done
    echo "$best"
}

calculator_us() {  # expression, angle mode[, program]
    local options=(--decimals all --time)
    [ "$2" = rad ] && options+=(--radians)
    for ((i = 0; i < count; ++i)); do printf '%s\n' "$1"; done > "$work/lines"
    ${TM_WINE:-} "${3:-$eval_program}" "${options[@]}" < "$work/lines" 2>&1 >/dev/null |
        sed -n 's/.*mean: \([0-9.]*\) us.*/\1/p'
}

bc_us() {  # expression, loop count
    printf 'scale=57\nfor (i = 0; i < %s; ++i) x = %s\nhalt\n' "$2" "$1" > "$work/loop.bc"
    printf 'scale=57\nfor (i = 0; i < %s; ++i) x = %s\nhalt\n' 0 "$1" > "$work/empty.bc"
    local t0 t1 t2
    t0=$(now); bc -lq "$work/empty.bc" >/dev/null; t1=$(now); bc -lq "$work/loop.bc" >/dev/null; t2=$(now)
    python3 -c "print('%.1f' % (max(0, ($t2 - $t1) - ($t1 - $t0)) / 1000 / $2))"
}

python_us() {  # expression, loop count
    PYTHONPATH="$work" python3 -c "
import time
from decimal import getcontext
from recipes import *
getcontext().prec = 60
start = time.perf_counter()
for _ in range($2):
    x = $1
print('%.2f' % ((time.perf_counter() - start) * 1e6 / $2))"
}

baseline=${TM_BASELINE:-}
if [ -n "$baseline" ]; then printf '%-26s %10s' "" "before µs"; else printf '%-26s' ""; fi
printf '%12s %10s %10s %10s %12s\n' "this µs" "bc µs" "Python µs" "bc/this" "this/Python"
for row in "${rows[@]}"; do
    IFS='|' read -r name expression angle bc_expression python_expression loops <<< "$row"
    echo "$name" | grep -qE -- "$pattern" || continue
    before=""
    [ -n "$baseline" ] && before=$(least calculator_us "$expression" "$angle" "$baseline")
    this=$(least calculator_us "$expression" "$angle")
    bc=$(least bc_us "$bc_expression" "$loops")
    py=$(least python_us "$python_expression" "$loops")
    python3 -c "
this, bc, py, before = $this, $bc, $py, '$before'
lead = '%-26s' % '$name'[:26] + (' %10.1f' % float(before) if before else '')
print(lead + ' %12.1f %10.1f %10.2f %10.2f %12.2f' % (this, bc, py, bc / this if this else 0, this / py if py else 0))"
done
