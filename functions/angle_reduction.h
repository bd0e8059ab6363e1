// Reduction of an angle in degrees, shared by sine, cosine and tangent:
// whole turns removed by one exact remainder, then half turns with a sign.
#pragma once

#include "decimal_number.h"

// The angle left when whole turns of 360 are taken off (added to) an angle
// above 360 (below -360) one at a time: same sign and scale, magnitude in
// (0, 360], no leading zero beyond the scale; found with one remainder.
// Angles in [-360, 360] come back unchanged.
DecimalNumber removeWholeTurns(const DecimalNumber& angle);

// angle = signFactor × (function argument of) reduced, |reduced| <= 90.
struct QuarterTurnAngle {
    DecimalNumber reduced;
    int signFactor = 1;
};

// Whole turns out, then 180 taken off (added to) while above 90 (below -90),
// flipping the sign factor each time.
QuarterTurnAngle reduceToQuarterTurn(const DecimalNumber& angle);
