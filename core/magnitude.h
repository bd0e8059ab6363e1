// Helpers on magnitudes and raw digit runs, for the core's arithmetic files
// and the elementary functions (functions/) that read a value's digits. Not
// part of DecimalNumber's contract: eval/ and ui/ never need them.
#pragma once

#include "decimal_number.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using DigitRun = std::vector<std::uint8_t>;

// Numeric order of |a| and |b| (-1, 0, 1), whatever their forms.
int compareMagnitudes(const DecimalNumber& a, const DecimalNumber& b);

// Removes leading 0 digits (all of them, leaving the run empty for zero).
void stripLeadingZeros(DigitRun& digits);

// Index of the first non-zero digit, or digits.size() when there is none.
std::size_t firstNonZero(const DigitRun& digits);
// Power of ten that the digit at `index` of value's run counts; at
// firstNonZero's index, value lies in [10^p, 10^(p+1)).
std::int64_t placeOfDigit(const DecimalNumber& value, std::size_t index);

// Integer digit positions as written, leading zeros included (0 for none).
std::int64_t writtenIntegerDigits(const DecimalNumber& value);
// Integer digits from the first non-zero digit on (0 below 1).
std::int64_t significantIntegerDigits(const DecimalNumber& value);
