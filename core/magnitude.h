// Internal helpers of the core that work on magnitudes and raw digit runs.
// Not part of DecimalNumber's contract; used by its arithmetic files.
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

// Integer digit positions as written, leading zeros included (0 for none).
std::int64_t writtenIntegerDigits(const DecimalNumber& value);
// Integer digits from the first non-zero digit on (0 below 1).
std::int64_t significantIntegerDigits(const DecimalNumber& value);

// In place: drops trailing digits while the scale exceeds workingPlaces + 3.
void cutToWorkingPlaces(DecimalNumber& value);
