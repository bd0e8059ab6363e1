// Exact addition and subtraction, reduced to two unsigned digit-wise routines.
#include "decimal_number.h"
#include "magnitude.h"

#include <algorithm>

namespace {

// Two operands aligned at their points: an operand's digits followed by
// `padding` appended zeros.
struct AlignedOperand {
    const DigitRun& digits;
    std::size_t padding;

    std::size_t length() const { return digits.size() + padding; }
};

struct Alignment {
    AlignedOperand x;
    AlignedOperand y;
    std::int32_t scale;
    std::size_t width;  // the longer aligned operand
};

Alignment align(const DecimalNumber& x, const DecimalNumber& y) {
    const std::int32_t common = x.scale > y.scale ? x.scale : y.scale;
    Alignment a{{x.digits, static_cast<std::size_t>(common - x.scale)},
                {y.digits, static_cast<std::size_t>(common - y.scale)},
                common,
                0};
    a.width = a.x.length() > a.y.length() ? a.x.length() : a.y.length();
    return a;
}

bool isIntegerZero(const DecimalNumber& value) {
    return value.sign == '+' && value.scale == 0 && value.digits.size() == 1 && value.digits[0] == 0;
}

}  // namespace

DecimalNumber DecimalNumber::addMagnitudes(const DecimalNumber& x, const DecimalNumber& y) {
    const Alignment a = align(x, y);
    // width + 1 digits from the least significant end; the first is the carry.
    // Both operands are laid into the result at their aligned places and
    // summed column by column (at most 18), then one carry pass.
    DecimalNumber result;
    result.scale = a.scale;
    result.digits.assign(a.width + 1, 0);
    std::uint8_t* out = result.digits.data();
    const std::size_t endX = a.width + 1 - a.x.padding;  // one past x's last digit
    std::copy(x.digits.begin(), x.digits.end(), out + (endX - x.digits.size()));
    std::uint8_t* yAt = out + (a.width + 1 - a.y.padding - y.digits.size());
    for (std::size_t i = 0; i < y.digits.size(); ++i) yAt[i] = static_cast<std::uint8_t>(yAt[i] + y.digits[i]);
    int carry = 0;
    for (std::size_t k = a.width + 1; k-- > 0;) {
        const int sum = out[k] + carry;
        carry = sum > 9 ? 1 : 0;
        out[k] = static_cast<std::uint8_t>(sum - 10 * carry);
    }
    // Exactly one leading zero (an empty carry) goes; the operands' own stay.
    if (result.digits[0] == 0) result.digits.erase(result.digits.begin());
    return result;
}

DecimalNumber DecimalNumber::subtractMagnitudes(const DecimalNumber& x, const DecimalNumber& y) {
    const Alignment a = align(x, y);
    // Column k holds 9 + (x digit) - (y digit), 0 to 18; the borrow pass
    // turns it into the digit of x - y - borrow.
    DecimalNumber result;
    result.scale = a.scale;
    result.digits.assign(a.width + 1, 9);
    std::uint8_t* out = result.digits.data();
    std::uint8_t* xAt = out + (a.width + 1 - a.x.padding - x.digits.size());
    for (std::size_t i = 0; i < x.digits.size(); ++i) xAt[i] = static_cast<std::uint8_t>(xAt[i] + x.digits[i]);
    std::uint8_t* yAt = out + (a.width + 1 - a.y.padding - y.digits.size());
    for (std::size_t i = 0; i < y.digits.size(); ++i) yAt[i] = static_cast<std::uint8_t>(yAt[i] - y.digits[i]);
    int borrow = 0;
    for (std::size_t k = a.width + 1; k-- > 0;) {
        const int value = out[k] + 1 - borrow;  // x - y - borrow + 10
        borrow = value < 10 ? 1 : 0;
        out[k] = static_cast<std::uint8_t>(value - 10 + 10 * borrow);
    }
    // Leading zeros go down to the scale and at least one digit: a
    // difference below 1 keeps no integer digit. A final borrow (|x| < |y|)
    // leaves the wrapped complement, whose first digit is 9.
    std::size_t strip = 0;
    const std::size_t count = result.digits.size();
    const std::size_t keep = a.scale > 1 ? static_cast<std::size_t>(a.scale) : 1;
    while (strip < count && result.digits[strip] == 0 && count - strip > keep) ++strip;
    result.digits.erase(result.digits.begin(), result.digits.begin() + static_cast<std::ptrdiff_t>(strip));
    return result;
}

DecimalNumber DecimalNumber::add(const DecimalNumber& b) const {
    DecimalNumber special;
    if (specialOperandResult(*this, b, special)) return special;
    if (isIntegerZero(*this) && isIntegerZero(b)) return fromInt(0);

    // `greater` has the greater magnitude; on equal magnitudes it is b.
    const bool receiverGreater = compareMagnitudes(*this, b) > 0;
    const DecimalNumber& greater = receiverGreater ? *this : b;
    const DecimalNumber& smaller = receiverGreater ? b : *this;
    DecimalNumber result =
        greater.sign == smaller.sign ? addMagnitudes(greater, smaller) : subtractMagnitudes(greater, smaller);
    result.sign = result.isZero() ? '+' : greater.sign;
    return result;
}

DecimalNumber DecimalNumber::subtract(const DecimalNumber& b) const {
    DecimalNumber special;
    if (specialOperandResult(*this, b, special)) return special;
    if (equals(b)) return fromInt(0);

    // `greater` has the greater magnitude; on equal magnitudes it is b. When
    // b is the greater (swapped), a - b is -(b - a): b's sign is flipped.
    const bool swapped = compareMagnitudes(*this, b) <= 0;
    const DecimalNumber& greater = swapped ? b : *this;
    const DecimalNumber& smaller = swapped ? *this : b;
    DecimalNumber result =
        greater.sign == smaller.sign ? subtractMagnitudes(greater, smaller) : addMagnitudes(greater, smaller);
    const char flipped = greater.sign == '+' ? '-' : '+';
    result.sign = result.isZero() ? '+' : (swapped ? flipped : greater.sign);
    return result;
}
