// Pieces of the natural logarithm that its callers and tests look at: the
// reduction of an argument by factors e and e^0.2, and the thresholds beyond
// which an argument is first shifted by powers of ten.
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
// at least naturalLogShiftThreshold(), or the loop by e may not end.
LogReduction reduceLogArgument(const DecimalNumber& x, const DecimalNumber& e,
                               const DecimalNumber& eToTheFifth);

// 10^-6 (.000001) and 10^6 (1000000). naturalLog of an argument from the
// first to the second follows the reduction above; a smaller or larger one is
// first shifted into [1, 10) by whole powers of ten, each counted as ln 10,
// so that no argument costs one division by e per unit of its logarithm.
DecimalNumber naturalLogShiftThreshold();
DecimalNumber naturalLogLargeShiftThreshold();
