// Long multiplication with the fraction cut at workingPlaces + 3 digits.
//
// The product is the one long multiplication gives when each partial product
// (multiplicand × one multiplier digit, shifted) is added into an accumulator
// that starts as the single digit 0. The accumulator's width is then the
// widest of: 1, every partial product, and the exact product's own digits.
// The widest partial product belongs to the top multiplier digit: nA + nB - 1
// digits, plus one when multiplicand × that digit carries past nA digits, in
// which case the exact product has nA + nB digits anyway. The digits
// themselves come from column sums of eight-digit limb products, which give
// the same digits in one pass.
#include "decimal_number.h"
#include "magnitude.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// The exact product is formed in limbs of eight decimal digits: a limb
// product is below 10^16, so a column of 64-bit sums holds 1,800 of them;
// longer operands have their columns carried every kRowsBetweenCarries rows.
// The digits are those of the exact product, whatever the grouping.
constexpr std::size_t kLimbDigits = 8;
constexpr std::uint64_t kLimbBase = 100000000;
constexpr std::size_t kRowsBetweenCarries = 1000;

using Limbs = std::vector<std::uint64_t>;

// Limbs of a digit run (most significant digit first), least significant
// limb first, into `limbs` (reused storage).
void limbsOf(const DigitRun& digits, Limbs& limbs) {
    const std::size_t n = digits.size();
    limbs.assign((n + kLimbDigits - 1) / kLimbDigits, 0);
    for (std::size_t k = 0; k < limbs.size(); ++k) {
        const std::size_t high = n - k * kLimbDigits;  // one past the limb's last digit
        const std::size_t low = high > kLimbDigits ? high - kLimbDigits : 0;
        std::uint64_t limb = 0;
        for (std::size_t i = low; i < high; ++i) limb = limb * 10 + digits[i];
        limbs[k] = limb;
    }
}

void carryColumns(Limbs& columns) {
    std::uint64_t carry = 0;
    for (std::uint64_t& column : columns) {
        const std::uint64_t total = column + carry;
        carry = total / kLimbBase;
        column = total % kLimbBase;
    }
}

// Exact product of two digit runs in limbs of kLimbBase, least significant
// first, every limb below kLimbBase. Storage is reused from call to call.
const Limbs& exactProductLimbs(const DigitRun& a, const DigitRun& b) {
    static Limbs limbsA;
    static Limbs limbsB;
    static Limbs columns;
    limbsOf(a, limbsA);
    limbsOf(b, limbsB);
    columns.assign(limbsA.size() + limbsB.size(), 0);
    for (std::size_t j = 0; j < limbsB.size(); ++j) {
        const std::uint64_t limbB = limbsB[j];
        if (limbB != 0) {
            std::uint64_t* column = columns.data() + j;
            for (std::size_t i = 0; i < limbsA.size(); ++i) column[i] += limbsA[i] * limbB;
        }
        if ((j + 1) % kRowsBetweenCarries == 0) carryColumns(columns);
    }
    carryColumns(columns);
    return columns;
}

// Decimal digits of a limb number, no leading zeros (0 for zero).
std::size_t digitCount(const Limbs& limbs) {
    std::size_t top = limbs.size();
    while (top > 0 && limbs[top - 1] == 0) --top;
    if (top == 0) return 0;
    std::size_t count = (top - 1) * kLimbDigits;
    for (std::uint64_t limb = limbs[top - 1]; limb > 0; limb /= 10) ++count;
    return count;
}

} // namespace

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
        const Limbs& limbs = exactProductLimbs(digits, b.digits);
        const std::size_t widest = digits.size() + b.digits.size() - 1;
        const std::size_t width = std::max(widest, digitCount(limbs));

        // 2. Digits most significant first, zero-padded to the width.
        product.digits.assign(width, 0);
        std::size_t at = width;
        for (std::size_t k = 0; k < limbs.size() && at > 0; ++k) {
            std::uint64_t limb = limbs[k];
            for (std::size_t d = 0; d < kLimbDigits && at > 0; ++d) {
                product.digits[--at] = static_cast<std::uint8_t>(limb % 10);
                limb /= 10;
            }
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

void cutToWorkingPlaces(DecimalNumber& value) {
    const std::int64_t limit = workingPlaces + 3 > 0 ? workingPlaces + 3 : 0;
    if (value.scale > limit) {
        const std::size_t drop = static_cast<std::size_t>(value.scale - limit);
        value.digits.resize(value.digits.size() > drop ? value.digits.size() - drop : 0);
        value.scale = static_cast<std::int32_t>(limit);
    }
}
