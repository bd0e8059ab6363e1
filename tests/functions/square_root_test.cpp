// squareRoot: exact forms from the band scaling and the iteration, accuracy
// against reference digits, and the negative radicand.
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

struct ExactRootCase {
    const char* name;
    std::string radicand;
    std::string expectedText;
};

using ExactRoot = FunctionCaseTest<ExactRootCase>;

TEST_P(ExactRoot, GivesExpectedForm) {
    workingPlaces = 54;
    const ExactRootCase& c = GetParam();
    const DecimalNumber root = number(c.radicand).squareRoot();
    EXPECT_EQ(root.toText(0), c.expectedText) << describe(root);
    EXPECT_EQ(workingPlaces, 54);
}

const ExactRootCase kExactRoots[] = {
    {"Zero", "0", "0"},
    {"NegativeZero", "-0", "0"},
    {"Hundredth", "0.01", ".1"},                // moved up to 1, root 1 shifted one place
    {"Hundred", "100", "10"},                   // not scaled: the band includes 100
    {"TenToThe40", "1" + std::string(40, '0'), "1" + std::string(20, '0')},
    {"FourTenThousandths", "0.0004", ".02"},    // .04 has root .2, shifted one place
    {"NineHundredths", ".09", ".3"},
    {"SixAndAQuarter", "6.25", "2.5"},
    {"One", "1", "1"},
};
INSTANTIATE_TEST_SUITE_P(SquareRoot, ExactRoot, testing::ValuesIn(kExactRoots), CaseName());

TEST_F(FunctionTest, SquareRootOfZeroIsTheSingleDigitZero) {
    workingPlaces = 54;
    EXPECT_TRUE(number("0.000").squareRoot().equals(DecimalNumber::fromInt(0)));
}

struct AccurateRootCase {
    const char* name;
    const char* radicand;
    int places;
    const char* reference;
    int tolerancePlaces;
};

using AccurateRoot = FunctionCaseTest<AccurateRootCase>;

TEST_P(AccurateRoot, IsWithinTolerance) {
    const AccurateRootCase& c = GetParam();
    workingPlaces = c.places;
    EXPECT_TRUE(isWithin(number(c.radicand).squareRoot(), c.reference, c.tolerancePlaces));
}

const AccurateRootCase kAccurateRoots[] = {
    {"TwoAt15", "2", 15, reference::kSqrt2, 15},
    {"TwoAt21", "2", 21, reference::kSqrt2, 21},
    {"TwoAt54", "2", 54, reference::kSqrt2, 54},
    {"ThreeAt54", "3", 54, reference::kSqrt3, 54},
    {"TenAt54", "10", 54, reference::kSqrt10, 54},
    {"TwoHundredthsAt54", ".02", 54, reference::kSqrtTwoHundredths, 54},
};
INSTANTIATE_TEST_SUITE_P(SquareRoot, AccurateRoot, testing::ValuesIn(kAccurateRoots), CaseName());

// The shift back moves the last correct digit: a large radicand keeps about
// workingPlaces + 3 correct significant digits, not fraction digits.
TEST_F(FunctionTest, LargeRadicandKeepsSignificantDigits) {
    workingPlaces = 54;
    const DecimalNumber root = number("2" + std::string(40, '0')).squareRoot();  // sqrt 2 × 10^20
    EXPECT_EQ(integerDigitCount(root), 21);
    EXPECT_TRUE(isWithin(root.divideByPowerOfTen(20), reference::kSqrt2, 55));
}

TEST_F(FunctionTest, SquareRootOfNegativeIsError) {
    workingPlaces = 54;
    EXPECT_TRUE(number("-4").squareRoot().isError());
    EXPECT_TRUE(number("-.000001").squareRoot().isError());
}

}  // namespace
