// The core's digit kernels written plainly, one decimal digit per step: the
// schoolbook product of digit runs and long division by trial subtraction.
// Linked in place of the limb kernels to build the oracle of the function
// differential test.
#include "limb_division.h"
#include "limb_product.h"

#include <algorithm>
#include <cstdint>

namespace {

// Digits without leading zeros.
DigitRun stripped(DigitRun digits) {
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == 0) ++first;
    digits.erase(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(first));
    return digits;
}

// a >= b for runs without leading zeros.
bool atLeast(const DigitRun& a, const DigitRun& b) {
    if (a.size() != b.size()) return a.size() > b.size();
    return !std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

// a - b for a >= b, runs without leading zeros; the result without them.
DigitRun minus(const DigitRun& a, const DigitRun& b) {
    DigitRun result(a);
    int borrow = 0;
    for (std::size_t k = 0; k < result.size(); ++k) {
        const std::size_t i = result.size() - 1 - k;
        int d = result[i] - borrow - (k < b.size() ? b[b.size() - 1 - k] : 0);
        borrow = d < 0 ? 1 : 0;
        result[i] = static_cast<std::uint8_t>(d + 10 * borrow);
    }
    return stripped(result);
}

// One step of long division: the next dividend digit comes down and the
// divisor is subtracted while it fits; returns the quotient digit.
int divisionStep(DigitRun& remainder, std::uint8_t next, const DigitRun& divisor) {
    remainder.push_back(next);
    remainder = stripped(remainder);
    int digit = 0;
    while (atLeast(remainder, divisor)) {
        remainder = minus(remainder, divisor);
        ++digit;
    }
    return digit;
}

}  // namespace

DigitRun exactProductDigits(const DigitRun& a, const DigitRun& b) {
    std::vector<int> sum(a.size() + b.size(), 0);
    for (std::size_t i = a.size(); i-- > 0;) {
        int carry = 0;
        for (std::size_t j = b.size(); j-- > 0;) {
            const int total = sum[i + j + 1] + a[i] * b[j] + carry;
            sum[i + j + 1] = total % 10;
            carry = total / 10;
        }
        sum[i] += carry;
    }
    DigitRun digits(sum.begin(), sum.end());
    return stripped(digits);
}

DigitRun quotientDigits(const DigitRun& dividend, const DigitRun& divisor, std::size_t count) {
    DigitRun remainder;
    DigitRun quotient;
    for (std::uint8_t d : dividend) quotient.push_back(static_cast<std::uint8_t>(divisionStep(remainder, d, divisor)));
    return DigitRun(quotient.end() - static_cast<std::ptrdiff_t>(count), quotient.end());
}

DigitRun remainderDigits(const DigitRun& dividend, const DigitRun& divisor) {
    DigitRun remainder;
    for (std::uint8_t d : dividend) divisionStep(remainder, d, divisor);
    return remainder.empty() ? DigitRun{0} : remainder;
}
