// power and integerPower: x^y through repeated squaring for an exponent
// written without fraction digits, through e^(y·ln x) otherwise.
#include <cmath>
#include <cstdint>
#include <limits>

#include "decimal_number.h"
#include "magnitude.h"

namespace {

constexpr std::int32_t kLargestInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kSmallestInt = std::numeric_limits<std::int32_t>::min();

// Results with more integer digits than this answer OVERFLOW at once.
constexpr double kPowerDigitLimit = static_cast<double>(DecimalNumber::kIntegerDigitLimit);

// True when the products of x^n would pass the integer digit limit by their
// written width alone: every product's accumulator has the integer positions
// of its operands less one, so n factors of W positions reach n·(W − 1) + 1,
// leading zeros included (00.5 has two). |x| < 1 with such zeros is caught
// here, before any product is formed.
bool exceedsPowerWidthLimit(const DecimalNumber& x, std::int32_t n) {
    const std::int64_t positions = writtenIntegerDigits(x);  // the count the product's own bound uses
    if (positions <= 1) {
        return false;
    }
    return static_cast<double>(n) * static_cast<double>(positions - 1) + 1.0 >
           static_cast<double>(DecimalNumber::kIntegerDigitLimit);
}

// True when |x|^n would have more than kPowerDigitLimit integer digits. The
// count is floor(n·log10|x|) + 1, with log10|x| estimated from the integer
// digit count and the leading 17 significant digits. |x| < 1 never overflows.
bool exceedsPowerDigitLimit(const DecimalNumber& x, std::int32_t n) {
    const std::size_t size = x.digits.size();
    const std::size_t first = firstNonZero(x.digits);
    const std::int64_t integerDigits = placeOfDigit(x, first) + 1;
    if (integerDigits <= 0) {
        return false;
    }
    double mantissa = 0.0;  // leading digits read as d.ddd…, in [1, 10)
    double place = 1.0;
    for (std::size_t i = first; i < size && i < first + 17; ++i) {
        mantissa += x.digits[i] * place;
        place /= 10.0;
    }
    const double log10Magnitude = static_cast<double>(integerDigits - 1) + std::log10(mantissa);
    return static_cast<double>(n) * log10Magnitude >= kPowerDigitLimit;
}

// Repeated squaring: h = x^(n/2), then h·h for even n and (x·h)·h for odd n.
DecimalNumber raiseToPower(const DecimalNumber& x, std::int32_t n) {
    if (n == 0) {
        return DecimalNumber::fromInt(1);
    }
    if (n == 1) {
        return x;
    }
    const DecimalNumber h = raiseToPower(x, n / 2);
    if (n % 2 == 0) {
        return h.multiply(h);
    }
    return x.multiply(h).multiply(h);
}

// The exponent of the integer path. toInteger saturates an exponent beyond
// 32 bits; the saturated value is moved by one where needed so that it keeps
// the parity of the true exponent (the sign of a negative base's power).
std::int32_t integerExponent(const DecimalNumber& y) {
    std::int32_t n = y.toInteger();
    if (n != kLargestInt && n != kSmallestInt) {
        return n;
    }
    const bool trueOdd = !y.digits.empty() && y.digits.back() % 2 == 1;
    const bool saturatedOdd = n % 2 != 0;
    if (trueOdd != saturatedOdd) {
        n += n > 0 ? -1 : 1;
    }
    return n;
}

}  // namespace

DecimalNumber DecimalNumber::integerPower(std::int32_t n) const {
    if (isSpecial()) {
        return *this;
    }
    if (n < 0) {
        // Callers pass n >= 0; a negative exponent gives the reciprocal.
        const std::int32_t magnitude = n == kSmallestInt ? kLargestInt - 1 : -n;
        const DecimalNumber positive = integerPower(magnitude);
        if (positive.isOverflow()) {
            // A power past the digit limit in value has a reciprocal that the
            // cut makes 0; one past it only by written width (|x| below 1) has
            // no value to show.
            return exceedsPowerDigitLimit(*this, magnitude) ? fromInt(0) : overflowState();
        }
        return fromInt(1).divide(positive);  // a zero base gives the error state
    }
    if (n > 1 && (exceedsPowerDigitLimit(*this, n) || exceedsPowerWidthLimit(*this, n))) {
        return overflowState();
    }
    return raiseToPower(*this, n);
}

DecimalNumber DecimalNumber::power(const DecimalNumber& y) const {
    DecimalNumber special;
    if (specialOperandResult(*this, y, special)) {
        return special;
    }

    // An exponent without fraction digits takes the integer path (3.0 does not).
    if (y.scale == 0) {
        return integerPower(integerExponent(y));
    }

    // Non-integer exponent: the logarithm exists only for a positive base.
    if (isZero()) {
        if (y.isZero()) {
            return fromInt(1);
        }
        return y.isNegative() ? errorState() : fromInt(0);
    }
    if (isNegative()) {
        return errorState();
    }
    return y.multiply(naturalLog()).exponential();
}
