// Long multiplication with the fraction cut at workingPlaces + 3 digits.
//
// The product is the one long multiplication gives when each partial product
// (multiplicand × one multiplier digit, shifted) is added into an accumulator
// that starts as the single digit 0. The accumulator's width is then the
// widest of: 1, every partial product, and the exact product's own digits.
// The widest partial product belongs to the top multiplier digit: nA + nB - 1
// digits, plus one when multiplicand × that digit carries past nA digits, in
// which case the exact product has nA + nB digits anyway. The digits
// themselves come from column sums of four-digit limb products, which give
// the same digits in one pass.
#include "decimal_number.h"
#include "magnitude.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// The exact product is formed in limbs of four decimal digits: a limb
// product is below 10^8, so a column of 64-bit sums cannot overflow for
// operands shorter than 10^11 limbs. The digits are those of the exact
// product, whatever the grouping.
constexpr std::size_t kLimbDigits = 4;
constexpr std::uint64_t kLimbBase = 10000;

// Limbs of a digit run (most significant digit first), least significant limb first.
std::vector<std::uint64_t> limbsOf(const DigitRun& digits) {
    std::vector<std::uint64_t> limbs((digits.size() + kLimbDigits - 1) / kLimbDigits, 0);
    const std::size_t n = digits.size();
    for (std::size_t k = 0; k < limbs.size(); ++k) {
        std::uint64_t limb = 0;
        const std::size_t low = k * kLimbDigits;  // digits counted from the least significant
        const std::size_t high = std::min(n, low + kLimbDigits);
        for (std::size_t i = high; i-- > low;) limb = limb * 10 + digits[n - 1 - i];
        limbs[k] = limb;
    }
    return limbs;
}

// Exact product of two digit runs, least significant digit first, in
// nA + nB + 1 digits.
DigitRun exactProductReversed(const DigitRun& a, const DigitRun& b) {
    const std::vector<std::uint64_t> limbsA = limbsOf(a);
    const std::vector<std::uint64_t> limbsB = limbsOf(b);
    std::vector<std::uint64_t> columns(limbsA.size() + limbsB.size() + 1, 0);
    for (std::size_t j = 0; j < limbsB.size(); ++j) {
        const std::uint64_t limbB = limbsB[j];
        if (limbB == 0) continue;
        std::uint64_t* column = columns.data() + j;
        for (std::size_t i = 0; i < limbsA.size(); ++i) column[i] += limbsA[i] * limbB;
    }
    DigitRun reversed(a.size() + b.size() + 1, 0);
    std::uint64_t carry = 0;
    std::size_t at = 0;
    for (std::size_t k = 0; k < columns.size() && at < reversed.size(); ++k) {
        std::uint64_t total = columns[k] + carry;
        carry = total / kLimbBase;
        total %= kLimbBase;
        for (std::size_t d = 0; d < kLimbDigits && at < reversed.size(); ++d) {
            reversed[at++] = static_cast<std::uint8_t>(total % 10);
            total /= 10;
        }
    }
    return reversed;
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
    std::size_t width = 1;
    DigitRun reversed;
    if (!b.digits.empty()) {
        const std::size_t widest = digits.size() + b.digits.size() - 1;
        reversed = exactProductReversed(digits, b.digits);
        std::size_t significant = reversed.size();
        while (significant > 0 && reversed[significant - 1] == 0) --significant;
        width = std::max({width, widest, significant});
    }

    // 2. Digits most significant first, zero-padded to the width.
    DecimalNumber product;
    product.digits.assign(width, 0);
    for (std::size_t k = 0; k < width && k < reversed.size(); ++k) product.digits[width - 1 - k] = reversed[k];

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
