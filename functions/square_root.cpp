// squareRoot: Heron's iteration from 1 on the radicand scaled into
// (0.01, 100] by exact shifts of two places, the root shifted back after.
#include "decimal_number.h"

DecimalNumber DecimalNumber::squareRoot() const {
    if (isSpecial()) {
        return *this;
    }
    if (isZero()) {
        return fromInt(0);
    }
    // No real root; the band scaling below would never end on it.
    if (isNegative()) {
        return errorState();
    }

    // Scale into (0.01, 100]: k counts the factors of 100 taken out.
    const DecimalNumber hundred = fromInt(100);
    const DecimalNumber lowerBound = fromInt(1).divideByPowerOfTen(2);
    DecimalNumber a = *this;
    std::int32_t k = 0;
    while (a.greaterThan(hundred)) {
        a = a.divideByPowerOfTen(2);
        ++k;
    }
    while (!a.greaterThan(lowerBound)) {
        a = a.multiplyByPowerOfTen(2);
        --k;
    }

    // Heron's iteration, stopping when an iterate repeats its predecessor
    // exactly, at most workingPlaces passes (re-read before each pass).
    const DecimalNumber two = fromInt(2);
    DecimalNumber r = fromInt(1);
    DecimalNumber previous;  // the empty value equals no iterate
    for (int pass = 0; pass < workingPlaces; ++pass) {
        const DecimalNumber q = a.divide(r);
        const DecimalNumber s = r.add(q);
        r = s.divide(two);
        if (r.equals(previous)) {
            break;
        }
        previous = r;
    }

    // Shift the root back by one place per factor of 100.
    if (k > 0) {
        r = r.multiplyByPowerOfTen(k);
    } else if (k < 0) {
        r = r.divideByPowerOfTen(-k);
    }
    return r;
}
