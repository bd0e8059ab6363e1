// Long multiplication with the fraction cut at workingPlaces + 3 digits.
//
// The product is the one long multiplication gives when each partial product
// (multiplicand × one multiplier digit, shifted) is added into an accumulator
// that starts as the single digit 0. The accumulator's width is then the
// widest of: 1, every partial product, and the exact product's own digits.
// The widest partial product belongs to the top multiplier digit: nA + nB - 1
// digits, plus one when multiplicand × that digit carries past nA digits, in
// which case the exact product has nA + nB digits anyway. The digits themselves are formed by column sums of table products, which
// gives the same digits in one pass.
#include "decimal_number.h"
#include "magnitude.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

// Digit product table, indexed by (digit of a) × 10 + (digit of b).
constexpr std::array<std::uint8_t, 100> makeDigitProducts() {
    std::array<std::uint8_t, 100> table{};
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < 10; ++b) table[a * 10 + b] = static_cast<std::uint8_t>(a * b);
    }
    return table;
}
constexpr std::array<std::uint8_t, 100> kDigitProducts = makeDigitProducts();

// Exact product of two digit runs, least significant digit first.
DigitRun exactProductReversed(const DigitRun& a, const DigitRun& b) {
    const std::size_t nA = a.size();
    const std::size_t nB = b.size();
    std::vector<std::uint64_t> columns(nA + nB, 0);
    for (std::size_t j = 0; j < nB; ++j) {
        const std::uint8_t digitB = b[nB - 1 - j];
        if (digitB == 0) continue;
        std::uint64_t* column = columns.data() + j;
        for (std::size_t i = 0; i < nA; ++i) column[i] += kDigitProducts[a[nA - 1 - i] * 10 + digitB];
    }
    DigitRun reversed(nA + nB + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::uint64_t total = columns[k] + carry;
        reversed[k] = static_cast<std::uint8_t>(total % 10);
        carry = total / 10;
    }
    for (std::size_t k = columns.size(); carry != 0; ++k) {
        reversed[k] = static_cast<std::uint8_t>(carry % 10);
        carry /= 10;
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
