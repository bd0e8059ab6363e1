// Randomized check of remainder against exact integer arithmetic: the integer
// parts' remainder with the C++ % sign rule (the dividend's sign, magnitude
// below the divisor's), the error state for a divisor below 1, and the
// result's form (no leading zeros, scale 0, '+' for zero).
#include "big_rational.h"
#include "decimal_forms.h"
#include "random_decimals.h"

#include <gtest/gtest.h>

namespace {

// The integer part of x, truncated towards zero.
BigInteger integerPart(const DecimalNumber& x) {
    std::vector<std::uint8_t> digits = x.digits;
    digits.resize(digits.size() > static_cast<std::size_t>(x.scale) ? digits.size() - x.scale : 0);
    return bigFromDigits(digits, x.sign == '-');
}

TEST(RemainderProperty, MatchesTruncatingIntegerRemainder) {
    RandomDecimals random(5150u);
    int checked = 0;
    for (int i = 0; i < 6000; ++i) {
        const DecimalNumber a = random.next(200);
        const DecimalNumber b = random.below(5) == 0 ? random.shortRound() : random.next(200);
        const DecimalNumber result = a.remainder(b);
        const BigInteger dividend = integerPart(a);
        const BigInteger divisor = integerPart(b);
        if (isZero(divisor)) {
            EXPECT_TRUE(result.isError()) << describeFields(a) << " % " << describeFields(b);
            continue;
        }
        const BigInteger expected = divideWithRemainder(dividend, divisor).remainder;
        ASSERT_EQ(result.scale, 0) << describeFields(a) << " % " << describeFields(b);
        EXPECT_EQ(compare(bigFromDigits(result.digits, result.sign == '-'), expected), 0)
            << describeFields(a) << " % " << describeFields(b) << " gave " << describeFields(result);
        if (isZero(expected)) {
            EXPECT_EQ(result.sign, '+');
        }
        ++checked;
    }
    EXPECT_GT(checked, 3000);
}

} // namespace
