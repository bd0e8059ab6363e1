// The reduction of naturalLog's argument by factors e and e^0.2. It is part
// of this module's contract for its tests, which check the factor counts
// and the reduced value directly.
#pragma once

#include "decimal_number.h"

// y = x / (e^eFactors · (e^0.2)^fifthFactors), brought into [0.9, 1.1].
struct LogReduction {
    DecimalNumber reduced;
    int eFactors = 0;
    int fifthFactors = 0;
};

// Divides or multiplies x by e while above 1.5 or below .5, then by e^0.2
// while above 1.1 or below .9, counting the factors. x must be positive and
// at least .000001, or the loop by e may not end (naturalLog shifts smaller
// arguments by powers of ten first).
LogReduction reduceLogArgument(const DecimalNumber& x, const DecimalNumber& e, const DecimalNumber& eToTheFifth);
