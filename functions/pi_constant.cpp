// piConstant: pi to 150 decimal places (scale 150, 151 digits).
#include "pi_constant.h"

namespace {
const char kPiText[] = "3.141592653589793238462643383279502884197169399375105820974944592307816406286"
                       "208998628034825342117067982148086513282306647093844609550582231725359408128";
}

DecimalNumber piConstant;

void initPiConstant() {
    if (piConstant.digits.empty()) {
        piConstant = DecimalNumber::fromText(kPiText);
    }
}
