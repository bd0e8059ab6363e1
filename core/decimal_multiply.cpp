// Long multiplication with the fraction cut at workingPlaces + 3 digits.
//
// The product is the one long multiplication gives when each partial product
// (multiplicand × one multiplier digit, shifted) is added into an accumulator
// that starts as the single digit 0. The accumulator's width is then the
// widest of: 1, every partial product, and the exact product's own digits.
// The widest partial product belongs to the top multiplier digit: nA + nB - 1
// digits, plus one when multiplicand × that digit carries past nA digits, in
// which case the exact product has nA + nB digits anyway. The digits
// themselves are those of the exact product (limb_product.h).
#include "decimal_number.h"
#include "limb_product.h"
#include "magnitude.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// In place: drops trailing digits while the scale exceeds workingPlaces + 3.
void cutToWorkingPlaces(DecimalNumber& value) {
    const std::int64_t limit = workingPlaces + 3 > 0 ? workingPlaces + 3 : 0;
    if (value.scale > limit) {
        const std::size_t drop = static_cast<std::size_t>(value.scale - limit);
        value.digits.resize(value.digits.size() > drop ? value.digits.size() - drop : 0);
        value.scale = static_cast<std::int32_t>(limit);
    }
}

}  // namespace

DecimalNumber DecimalNumber::multiply(const DecimalNumber& b) const {
    DecimalNumber special;
    if (specialOperandResult(*this, b, special)) return special;
    const bool negative = (sign == '-') != (b.sign == '-');
    // The accumulator's integer positions are those of the two operands less
    // one: past the limit the product is OVERFLOW before any digit is formed.
    if (writtenIntegerDigits(*this) + writtenIntegerDigits(b) - 1 > kIntegerDigitLimit) {
        return overflowState();
    }

    // 1. Accumulator width: the widest partial product or the exact product.
    DecimalNumber product;
    if (b.digits.empty() || digits.empty()) {
        // A product with an empty operand is zero: the single accumulator
        // digit, or the widest partial product of an empty multiplicand.
        product.digits.assign(b.digits.empty() ? 1 : std::max<std::size_t>(1, b.digits.size() - 1), 0);
    } else {
        DigitRun exact = exactProductDigits(digits, b.digits);
        const std::size_t widest = digits.size() + b.digits.size() - 1;

        // 2. Digits most significant first, zero-padded to the width (the
        // exact digits are taken over as they are when they fill it).
        if (exact.size() >= widest) {
            product.digits = std::move(exact);
        } else {
            product.digits.assign(widest - exact.size(), 0);
            product.digits.insert(product.digits.end(), exact.begin(), exact.end());
        }
    }

    // 3. Scale, and no fewer digits than the scale.
    const std::int64_t scaleSum = static_cast<std::int64_t>(scale) + b.scale;
    product.scale = scaleSum > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(scaleSum);
    if (product.digits.size() < static_cast<std::size_t>(product.scale)) {
        product.digits.insert(product.digits.begin(), product.scale - product.digits.size(), 0);
    }

    // 4. Sign, then the cut.
    if (negative && !product.isZero()) product.sign = '-';
    cutToWorkingPlaces(product);
    return product;
}

DecimalNumber DecimalNumber::truncateToWorkingPlaces() {
    cutToWorkingPlaces(*this);
    return *this;
}
