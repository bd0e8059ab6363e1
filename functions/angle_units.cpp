// The two angle conversions.
#include "angle_units.h"

#include "pi_constant.h"

DecimalNumber degreesToRadians(const DecimalNumber& degrees) {
    initPiConstant();
    return degrees.multiply(piConstant).divide(DecimalNumber::fromInt(180));
}

DecimalNumber radiansToDegrees(const DecimalNumber& radians) {
    initPiConstant();
    return radians.multiply(DecimalNumber::fromInt(180)).divide(piConstant);
}
