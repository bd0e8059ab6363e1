// The recalculation: evaluates the x, y, z texts and the joined expression at
// 54 working places, rounds to the chosen decimals, formats the answer into
// resultText and shows it in the result box.
#pragma once

#include "decimal_number.h"

// Reads and writes calculatorState (calculator_state.h); restores
// workingPlaces before it returns.
void recalculate();

// Cuts value to n fraction digits, rounding away from zero only when the
// first dropped digit is 6..9, then strips trailing fraction zeros. n < 0,
// or a value with no more than n fraction digits (special states included),
// is returned unchanged.
DecimalNumber roundToDecimals(DecimalNumber value, int n);
