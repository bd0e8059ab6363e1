// Long division with a budget of workingPlaces + 4 quotient digits, and the
// remainder of integer parts.
#include "decimal_number.h"
#include "limb_division.h"
#include "magnitude.h"

#include <algorithm>
#include <climits>

namespace {

DigitRun integerPartMagnitude(const DecimalNumber& value) {
    DigitRun digits = value.digits;
    if (value.scale > 0) {
        const std::size_t drop = static_cast<std::size_t>(value.scale);
        digits.resize(digits.size() > drop ? digits.size() - drop : 0);
    }
    return digits;
}

// A finite dividend over OVERFLOW (a value past the integer digit limit).
// A quotient is cut at workingPlaces + 3 fraction digits, so it is 0 while
// the dividend has at most limit - workingPlaces - 4 integer digits; a
// remainder is the dividend's integer part while the dividend has at most
// limit digits. A larger dividend leaves OVERFLOW.
bool overOverflowDivisor(const DecimalNumber& a, const DecimalNumber& b, bool remainder, DecimalNumber& out) {
    if (a.isSpecial() || !b.isOverflow()) return false;
    const std::int64_t places = workingPlaces > 0 ? workingPlaces : 0;
    const std::int64_t room =
        remainder ? DecimalNumber::kIntegerDigitLimit : DecimalNumber::kIntegerDigitLimit - places - 4;
    if (significantIntegerDigits(a) > room) {
        out = DecimalNumber::overflowState();
    } else if (!remainder) {
        out = DecimalNumber::fromInt(0);
    } else {
        out = DecimalNumber{};
        out.digits = integerPartMagnitude(a);
        if (!out.isZero()) out.sign = a.sign;
    }
    return true;
}

}  // namespace

bool DecimalNumber::magnitudeAtLeast(const DecimalNumber& d) const {
    if (equals(d)) return true;
    const DecimalNumber difference = subtractMagnitudes(*this, d);
    // A borrow past the top leaves a leading 9 beyond the divisor's length.
    return !(difference.digits[0] == 9 && difference.digits.size() > d.digits.size());
}

DecimalNumber DecimalNumber::divide(const DecimalNumber& b) const {
    DecimalNumber special;
    if (overOverflowDivisor(*this, b, false, special)) return special;
    if (specialOperandResult(*this, b, special)) return special;
    const bool negative = (sign == '-') != (b.sign == '-');

    // 1. Divisor and dividend without leading zeros. The divisor and the
    //    window below are scratch runs whose storage one division leaves to
    //    the next.
    static DigitRun divisor;
    divisor.assign(b.digits.begin() + static_cast<std::ptrdiff_t>(firstNonZero(b.digits)), b.digits.end());
    if (divisor.empty()) return errorState();  // division by zero has no value
    if (isZero()) return fromInt(0);
    const std::size_t dividendStart = firstNonZero(digits);
    const std::int64_t nN = static_cast<std::int64_t>(digits.size() - dividendStart);
    const std::int64_t nD = static_cast<std::int64_t>(divisor.size());
    const std::int64_t steps = std::max<std::int64_t>(0, static_cast<std::int64_t>(workingPlaces) + 4);

    // 2. The running remainder starts as the dividend's first nD digits
    //    (zero-padded), then one dividend digit (or 0) comes down per step,
    //    so the steps' digits are those of floor(W / divisor) written in
    //    `steps` digits, W being the dividend's first nD + steps - 1 digits.
    if (steps == 0) return fromInt(0);
    static DigitRun window;
    window.assign(static_cast<std::size_t>(nD + steps - 1), 0);
    std::copy_n(digits.begin() + static_cast<std::ptrdiff_t>(dividendStart), std::min<std::int64_t>(nN, nD + steps - 1),
                window.begin());
    DecimalNumber quotient;
    quotient.digits = quotientDigits(window, divisor, static_cast<std::size_t>(steps));
    if (firstNonZero(quotient.digits) == quotient.digits.size()) return fromInt(0);

    // 3. Scale; an integer part longer than the budget is filled with zeros.
    std::int64_t quotientScale = nD - nN - 1 + scale - b.scale + steps;
    if (quotientScale < 0) {
        quotient.digits.insert(quotient.digits.end(), static_cast<std::size_t>(-quotientScale), 0);
        quotientScale = 0;
    }
    quotientScale = std::min<std::int64_t>(quotientScale, INT32_MAX);
    quotient.scale = static_cast<std::int32_t>(quotientScale);

    // 4. Digits to cover the scale; trailing fraction zeros removed.
    if (quotient.digits.size() < static_cast<std::size_t>(quotient.scale)) {
        quotient.digits.insert(quotient.digits.begin(), quotient.scale - quotient.digits.size(), 0);
    }
    std::size_t kept = quotient.digits.size();
    while (quotient.scale > 0 && quotient.digits[kept - 1] == 0) {
        --kept;
        --quotient.scale;
    }
    quotient.digits.resize(kept);

    // 5. The empty first step of the long division leaves no integer digit.
    if (quotient.digits[0] == 0 && quotient.digits.size() > static_cast<std::size_t>(quotient.scale)) {
        quotient.digits.erase(quotient.digits.begin());
    }
    if (negative) quotient.sign = '-';
    return quotient;
}

DecimalNumber DecimalNumber::remainder(const DecimalNumber& b) const {
    DecimalNumber special;
    if (overOverflowDivisor(*this, b, true, special)) return special;
    if (specialOperandResult(*this, b, special)) return special;

    // 1. Integer parts; the result takes the dividend's sign (C++ % rule).
    DigitRun dividend = integerPartMagnitude(*this);
    DigitRun divisor = integerPartMagnitude(b);
    stripLeadingZeros(divisor);
    if (divisor.empty()) return errorState();

    DecimalNumber result;
    result.digits = dividend;
    const DecimalNumber divisorValue = [&] {
        DecimalNumber d;
        d.digits = divisor;
        return d;
    }();
    // 2. A dividend below the divisor is the answer as it stands.
    const int order = compareMagnitudes(divisorValue, result);
    if (order > 0) {
        result.sign = result.isZero() ? '+' : sign;
        return result;
    }
    if (divisor == dividend) return fromInt(0);

    // 3. Long division keeping only the running remainder, which ends
    //    without leading zeros.
    result.digits = remainderDigits(dividend, divisor);
    result.sign = result.isZero() ? '+' : sign;
    return result;
}
