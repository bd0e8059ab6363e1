// The exact product of two digit runs, formed in limbs of eight decimal
// digits. Internal to the core's multiply.
#pragma once

#include "magnitude.h"

// The digits of a × b, most significant first, without leading zeros (empty
// when the product is zero).
DigitRun exactProductDigits(const DigitRun& a, const DigitRun& b);
