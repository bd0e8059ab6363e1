// Constants of the logarithms that depend on the working precision alone:
// e, e^0.2 and ln 10, each made once per workingPlaces value and kept, since
// the same precision always makes the same digits.
#pragma once

#include "decimal_number.h"

// fromInt(1).exponential() at the current workingPlaces.
DecimalNumber eAtWorkingPlaces();
// fromText(".2").exponential() at the current workingPlaces.
DecimalNumber eToTheFifthAtWorkingPlaces();
// fromInt(10).naturalLog() at the current workingPlaces.
DecimalNumber lnTenAtWorkingPlaces();
