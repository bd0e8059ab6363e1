// Arguments of 999 digits at 54 working places: every function ends with a
// sensible value (plain checks of the result; speed is measured in bench/).
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

const std::string kNines = repeatedDigits("9", 999);                        // 10^999 - 1
const std::string kTinyFraction = "." + std::string(998, '0') + "1";        // 10^-999
const std::string kLongFraction = "." + repeatedDigits("9", 999);           // 1 - 10^-999
const std::string kMixedFraction = "." + repeatedDigits("1234567890", 999); // .1234…
const std::string kLongMixed = "12345." + repeatedDigits("718281828", 993); // 999 digits

class LongArgument : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        workingPlaces = 54;
    }
    void TearDown() override {
        EXPECT_EQ(workingPlaces, 54);
        FunctionTest::TearDown();
    }
};

TEST_F(LongArgument, SquareRootOfNines) {
    const DecimalNumber root = number(kNines).squareRoot();  // sqrt 10 × 10^499
    EXPECT_EQ(integerDigitCount(root), 500);
    EXPECT_TRUE(isWithin(root.divideByPowerOfTen(499), reference::kSqrt10, 50));
}

TEST_F(LongArgument, SquareRootOfTinyFraction) {
    const DecimalNumber root = number(kTinyFraction + "0").squareRoot();  // 10^-499.5
    EXPECT_TRUE(isWithin(root.multiplyByPowerOfTen(500), reference::kSqrt10, 50));
}

TEST_F(LongArgument, ExponentialJustBelowBound) {
    const DecimalNumber result = number("2399." + repeatedDigits("7", 995)).exponential();
    ASSERT_FALSE(result.isSpecial());
    EXPECT_EQ(integerDigitCount(result), 1043);
}

TEST_F(LongArgument, ExponentialOfNinesOverflows) {
    EXPECT_TRUE(number(kNines).exponential().isOverflow());
    EXPECT_TRUE(number("-" + kNines).exponential().isZero());
}

TEST_F(LongArgument, ExponentialOfLongFraction) {
    // e^(1 - 10^-999) equals e to the working precision.
    EXPECT_TRUE(isWithin(number(kLongFraction).exponential(), reference::kE, 55));
}

TEST_F(LongArgument, NaturalLogOfNines) {
    // ln(10^999 - 1) = 999 ln 10 to far beyond the working precision.
    const DecimalNumber expected = DecimalNumber::fromInt(999).multiply(number(reference::kLn10));
    EXPECT_TRUE(isWithin(number(kNines).naturalLog(), expected.toText(0).c_str(), 50));
}

TEST_F(LongArgument, NaturalLogOfTinyFraction) {
    EXPECT_TRUE(isWithin(number(kTinyFraction).naturalLog(), reference::kLnOf1eMinus999, 50));
}

TEST_F(LongArgument, NaturalLogOfLongFractionIsTiny) {
    EXPECT_TRUE(isWithin(number(kLongFraction).naturalLog(), "0", 54));
}

TEST_F(LongArgument, Log10OfNinesAndTinyFraction) {
    EXPECT_TRUE(isWithin(number(kNines).log10(), "999", 54));
    EXPECT_TRUE(isWithin(number(kTinyFraction).log10(), "-999", 54));
}

TEST_F(LongArgument, PowersOfLongBases) {
    const DecimalNumber mixed = number(kLongMixed).power(number("2.5"));  // 1.69…·10^10
    ASSERT_FALSE(mixed.isSpecial());
    EXPECT_EQ(integerDigitCount(mixed), 11);
    // (10^999 - 1)^.5 = e^1150.1…: sqrt 10 × 10^499.
    const DecimalNumber root = number(kNines).power(number(".5"));
    ASSERT_FALSE(root.isSpecial());
    EXPECT_TRUE(isWithin(root.divideByPowerOfTen(499), reference::kSqrt10, 50));
    EXPECT_TRUE(number(kNines).power(number("2.5")).isOverflow());  // e^5750…
    EXPECT_TRUE(number(kNines).power(number("10")).isOverflow() == false);
}

TEST_F(LongArgument, SineCosineTangentOfHugeAngles) {
    const std::string tenTo998 = "1" + std::string(998, '0');  // ≡ 280 (mod 360)
    EXPECT_TRUE(isWithin(number(tenTo998).sine(), (std::string("-") + reference::kSin80).c_str(), 54));
    EXPECT_TRUE(isWithin(number(tenTo998).cosine(), reference::kCos80, 54));
    EXPECT_TRUE(isWithin(number("-" + tenTo998).tangent(), reference::kTan80, 52));
    // 10^999 - 1 ≡ 279 (mod 360): sin 279° = -cos 9°.
    EXPECT_FALSE(number(kNines).sine().isSpecial());
    EXPECT_TRUE(number(kLongMixed).cosine().lessThan(DecimalNumber::fromInt(2)));
}

TEST_F(LongArgument, SineOfLongFraction) {
    const DecimalNumber result = number(kMixedFraction).sine();
    ASSERT_FALSE(result.isSpecial());
    EXPECT_TRUE(result.greaterThan(number(".002")) && result.lessThan(number(".003")));  // sin .1234…°
}

TEST_F(LongArgument, InverseFunctionsOfLongArguments) {
    EXPECT_TRUE(isWithin(number(kNines).arcTangent(), "90", 53));
    EXPECT_TRUE(isWithin(number("-" + kNines).arcTangent(), "-90", 53));
    EXPECT_TRUE(isWithin(number(kTinyFraction).arcTangent(), "0", 54));
    // 1 - a·a cuts to 10^-57 before the square root: close to 90, not exact.
    EXPECT_TRUE(isWithin(number(kLongFraction).arcSine(), "90", 20));
    EXPECT_TRUE(isWithin(number(kLongFraction).arcCosine(), "0", 20));
    EXPECT_TRUE(number(kNines).arcSine().isError());
}

}  // namespace
