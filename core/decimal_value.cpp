// DecimalNumber construction, special states, comparisons and shape operations.
#include "decimal_number.h"
#include "magnitude.h"

#include <algorithm>
#include <iterator>

namespace {

DecimalNumber specialState(std::int32_t marker) {
    DecimalNumber value;
    value.scale = marker;
    return value;
}

}  // namespace

// ---- Construction -------------------------------------------------------------

DecimalNumber DecimalNumber::fromInt(std::int32_t value) {
    DecimalNumber result;
    std::int64_t magnitude = value;
    if (magnitude < 0) {
        result.sign = '-';
        magnitude = -magnitude;
    }
    // Least significant first into a small buffer, then reversed: no leading
    // zeros, and 0 gives the single digit 0.
    std::uint8_t reversed[12];
    int count = 0;
    do {
        reversed[count++] = static_cast<std::uint8_t>(magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    result.digits.assign(std::make_reverse_iterator(reversed + count), std::make_reverse_iterator(reversed));
    return result;
}

DecimalNumber DecimalNumber::errorState() { return specialState(kErrorScale); }
DecimalNumber DecimalNumber::infinityState() { return specialState(kInfinityScale); }
DecimalNumber DecimalNumber::overflowState() { return specialState(kOverflowScale); }

bool specialOperandResult(const DecimalNumber& a, const DecimalNumber& b, DecimalNumber& out) {
    if (!a.isSpecial() && !b.isSpecial()) return false;
    auto isState = [&](std::int32_t marker) { return a.scale == marker || b.scale == marker; };
    if (isState(DecimalNumber::kErrorScale)) {
        out = DecimalNumber::errorState();
    } else if (isState(DecimalNumber::kOverflowScale)) {
        out = DecimalNumber::overflowState();
    } else if (isState(DecimalNumber::kInfinityScale)) {
        out = DecimalNumber::infinityState();
    } else {
        out = DecimalNumber::errorState();  // an unknown marker has no value
    }
    return true;
}

// ---- Tests ----------------------------------------------------------------------

bool DecimalNumber::equals(const DecimalNumber& b) const {
    return sign == b.sign && scale == b.scale && digits == b.digits;
}

bool DecimalNumber::isZero() const {
    for (std::uint8_t digit : digits) {
        if (digit != 0) return false;
    }
    return true;
}

bool DecimalNumber::greaterThan(const DecimalNumber& b) const {
    if (sign != b.sign) return sign == '+';
    int order = compareMagnitudes(*this, b);
    return sign == '-' ? order < 0 : order > 0;
}

bool DecimalNumber::greaterOrEqual(const DecimalNumber& b) const {
    if (sign != b.sign) return sign == '+';
    int order = compareMagnitudes(*this, b);
    return sign == '-' ? order <= 0 : order >= 0;
}

// ---- Shape ------------------------------------------------------------------------

DecimalNumber DecimalNumber::negate() {
    sign = sign == '+' ? '-' : '+';
    return *this;
}

DecimalNumber DecimalNumber::absoluteValue() const {
    DecimalNumber copy = *this;
    copy.sign = '+';
    return copy;
}

DecimalNumber DecimalNumber::setScale(std::int32_t n) {
    scale = n;
    return *this;
}

DecimalNumber DecimalNumber::appendZero() {
    digits.push_back(0);
    return *this;
}

DecimalNumber DecimalNumber::resizeDigits(std::int32_t n) {
    digits.resize(n < 0 ? 0 : static_cast<std::size_t>(n), 0);
    return *this;
}

DecimalNumber DecimalNumber::multiplyByPowerOfTen(std::int32_t n) const {
    DecimalNumber result = *this;
    if (isSpecial()) return result;
    // Each step: lower the scale (or append a 0), then drop a leading 0.
    // Dropped digits are counted in `front` and erased once at the end.
    std::size_t front = 0;
    for (std::int32_t step = 0; step < n; ++step) {
        if (result.scale > 0) {
            --result.scale;
        } else {
            result.digits.push_back(0);
        }
        if (front < result.digits.size() && result.digits[front] == 0) ++front;
    }
    result.digits.erase(result.digits.begin(), result.digits.begin() + static_cast<std::ptrdiff_t>(front));
    return result;
}

DecimalNumber DecimalNumber::divideByPowerOfTen(std::int32_t n) const {
    DecimalNumber result = *this;
    if (isSpecial() || n <= 0) return result;
    // A 0 goes in front on every step where the digits do not exceed the
    // scale; once that happens it happens on every later step.
    const std::int64_t count = static_cast<std::int64_t>(digits.size());
    const std::int64_t oldScale = scale;
    std::int64_t inserts = n;
    if (count >= oldScale) inserts = std::max<std::int64_t>(0, oldScale + n - count);
    result.digits.insert(result.digits.begin(), static_cast<std::size_t>(inserts), 0);
    result.scale = static_cast<std::int32_t>(oldScale + n);
    return result;
}
