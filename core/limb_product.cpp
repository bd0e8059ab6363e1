// The exact product in limbs of eight decimal digits: one column sum of limb
// products per result limb, then one pass of carries.
#include "limb_product.h"

#include <cstdint>
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

}  // namespace

DigitRun exactProductDigits(const DigitRun& a, const DigitRun& b) {
    const Limbs& limbs = exactProductLimbs(a, b);
    std::size_t top = limbs.size();
    while (top > 0 && limbs[top - 1] == 0) --top;
    if (top == 0) return {};
    std::size_t count = (top - 1) * kLimbDigits;
    for (std::uint64_t limb = limbs[top - 1]; limb > 0; limb /= 10) ++count;
    DigitRun digits(count, 0);
    std::size_t at = count;
    for (std::size_t k = 0; k < top && at > 0; ++k) {
        std::uint64_t limb = limbs[k];
        for (std::size_t d = 0; d < kLimbDigits && at > 0; ++d) {
            digits[--at] = static_cast<std::uint8_t>(limb % 10);
            limb /= 10;
        }
    }
    return digits;
}
