// Degrees, in which the trigonometric functions work, and radians: each
// conversion a product followed by a quotient, in that order, with
// piConstant (made on first use).
#pragma once

#include "decimal_number.h"

// degrees × pi ÷ 180.
DecimalNumber degreesToRadians(const DecimalNumber& degrees);
// radians × 180 ÷ pi. The product is the same with the factors the other
// way round whenever both are written with digits, as every angle is.
DecimalNumber radiansToDegrees(const DecimalNumber& radians);
