#!/usr/bin/env bash
# The heavy recalculations, each timed with tallymaster-eval --time (mean of
# COUNT runs at All Decimals) with the process's peak memory. Arguments too
# long for the input box travel in the variable x.
#
#   TM_EVAL=path/to/tallymaster-eval  COUNT=5  bench/heavy_cases.sh
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
eval_program=${TM_EVAL:-$here/build/native/tools/tallymaster-eval}
count=${COUNT:-5}

sevens="2399.$(printf '7%.0s' $(seq 995))"
nines=$(printf '9%.0s' $(seq 999))
angle=$(python3 -c "import random; random.seed(5); print(''.join(random.choice('123456789') for _ in range(500)))")
terms=$(python3 -c "
import random
random.seed(9)
t = '1'
while len(t) < 751: t += random.choice('+-') + str(random.randint(1, 99999)) + '.' + str(random.randint(0, 999))
print(t[:751].rstrip('+-.'))")

# name | expression | value of x | angle mode
rows=(
  "exp(2300)|exp(2300)|0|deg"
  "exp(-2300)|exp(-2300)|0|deg"
  "exp(2399.777..., 995 sevens)|exp(x)|$sevens|deg"
  "ln(999 nines)|ln(x)|$nines|deg"
  "log(999 nines)|log(x)|$nines|deg"
  "sin(500-digit angle)|sin(x)|$angle|deg"
  "cos(500-digit angle)|cos(x)|$angle|deg"
  "tan(500-digit angle)|tan(x)|$angle|deg"
  "asin(.99999)|asin(.99999)|0|deg"
  "751-character sum|$terms|0|deg"
  "sin(cos(tan(ln(exp(sqrt(asin(.5)))))))|sin(cos(tan(ln(exp(sqrt(asin(.5)))))))|0|deg"
)

printf '%-40s %12s %12s\n' work "mean ms" "peak MiB"
for row in "${rows[@]}"; do
    IFS='|' read -r name expression x angle <<< "$row"
    options=(--decimals all --time --x "$x")
    [ "$angle" = rad ] && options+=(--radians)
    report=$(for ((i = 0; i < count; ++i)); do printf '%s\n' "$expression"; done |
        /usr/bin/time -f 'peak %M' "$eval_program" "${options[@]}" 2>&1 >/dev/null)
    mean=$(sed -n 's/.*mean: \([0-9.]*\) us.*/\1/p' <<< "$report")
    peak=$(sed -n 's/^peak \([0-9]*\)$/\1/p' <<< "$report")
    python3 -c "print('%-40s %12.2f %12.1f' % ('$name', $mean / 1000, $peak / 1024))"
done
