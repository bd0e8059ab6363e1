// exponential: e^x by a fixed-length Taylor series on x halved to at most 1,
// squared back up, with workingPlaces raised by half the integer part for the
// time of the call. Negative arguments go through the reciprocal of e^|x|.
#include <cstdint>

#include "decimal_number.h"
#include "working_places_scope.h"

namespace {
// e^2400 has 1043 integer digits, more than any display can show; larger
// arguments answer OVERFLOW at once instead of computing for minutes.
constexpr std::int32_t kLargestArgument = 2400;
}  // namespace

DecimalNumber DecimalNumber::exponential() const {
    if (isSpecial()) {
        return *this;
    }
    if (greaterThan(fromInt(kLargestArgument))) {
        return overflowState();
    }

    // The entry precision and the integer part, truncated toward zero.
    const int saved = workingPlaces;
    const std::int32_t n = toInteger();

    // The final reciprocal of a negative argument gets workingPlaces + n/2 + 4
    // quotient digits; from n = -(2·saved + 8) down that budget is empty and
    // the true value is below e^-(2·saved + 8): answer zero.
    if (static_cast<std::int64_t>(n) <= -(2 * static_cast<std::int64_t>(saved) + 8)) {
        return fromInt(0);
    }

    // Raise (or lower) the precision by n/2 until this call returns.
    WorkingPlacesScope precision(saved + n / 2);

    // A negative argument: 1 / e^|x| at the raised precision.
    if (isNegative()) {
        DecimalNumber magnitude = *this;
        magnitude.negate();
        const DecimalNumber positive = magnitude.exponential();
        if (positive.isOverflow()) {
            return fromInt(0);  // e^x below e^-2400: nothing to show but zero
        }
        return fromInt(1).divide(positive);
    }

    // Halve until t <= 1, counting the halvings.
    const DecimalNumber one = fromInt(1);
    const DecimalNumber two = fromInt(2);
    DecimalNumber t = *this;
    int halvings = 0;
    while (t.greaterThan(one)) {
        t = t.divide(two);
        ++halvings;
    }

    // The series of e^t: workingPlaces + 3 terms after the leading 1, each
    // made from the one before; no test on the size of a term.
    DecimalNumber term = fromInt(1);
    DecimalNumber sum = fromInt(1);
    for (int k = 1; k < workingPlaces + 4; ++k) {
        term = t.multiply(term).divide(fromInt(k));
        sum = sum.add(term);
    }

    // Square once per halving: e^x = (e^t)^(2^halvings).
    for (int i = 0; i < halvings; ++i) {
        sum = sum.multiply(sum);
    }
    return sum;  // the precision scope restores workingPlaces
}
