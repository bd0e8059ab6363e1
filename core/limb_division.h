// Integer division of digit runs in limbs of nine decimal digits: the
// quotient digits that digit-by-digit long division with trial subtraction
// produces, found limb by limb from a quotient estimate and its correction.
// Internal to the core's divide and remainder.
#pragma once

#include "magnitude.h"

#include <cstddef>

// floor(dividend / divisor) written in exactly `count` digits, most
// significant first, leading zeros included. Preconditions: the divisor has
// no leading zero and is not empty; the dividend has at least `count`
// digits; the quotient is below 10^count.
DigitRun quotientDigits(const DigitRun& dividend, const DigitRun& divisor, std::size_t count);

// dividend mod divisor without leading zeros (the single digit 0 for zero).
// Preconditions: the divisor has no leading zero and is not empty.
DigitRun remainderDigits(const DigitRun& dividend, const DigitRun& divisor);
