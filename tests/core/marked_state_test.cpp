// Special states in arithmetic: error beats overflow, overflow beats
// infinity, and an ordinary operand never hides one. Also the out-of-memory
// exit.
#include "case_label.h"
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

namespace {

struct SpecialCase {
    const char* label;
    DecimalNumber a;
    DecimalNumber b;
    std::int32_t expectedScale;
};

class SpecialOperands : public testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialOperands, PropagateThroughEveryOperator) {
    const SpecialCase& c = GetParam();
    for (auto operation : {&DecimalNumber::add, &DecimalNumber::subtract, &DecimalNumber::multiply, &DecimalNumber::divide,
                           &DecimalNumber::remainder}) {
        const DecimalNumber result = (c.a.*operation)(c.b);
        EXPECT_EQ(formOf(result), "+/" + std::to_string(c.expectedScale));
    }
}

const DecimalNumber kError = DecimalNumber::errorState();
const DecimalNumber kInfinity = DecimalNumber::infinityState();
const DecimalNumber kOverflow = DecimalNumber::overflowState();
const DecimalNumber kThree = DecimalNumber::fromInt(3);
const DecimalNumber kZero = DecimalNumber::fromInt(0);

const SpecialCase kSpecialCases[] = {
    {"ErrorLeft", kError, kThree, DecimalNumber::kErrorScale},
    {"ErrorRight", kThree, kError, DecimalNumber::kErrorScale},
    {"InfinityLeft", kInfinity, kThree, DecimalNumber::kInfinityScale},
    {"InfinityRight", kThree, kInfinity, DecimalNumber::kInfinityScale},
    {"InfinityOverZero", kInfinity, kZero, DecimalNumber::kInfinityScale},
    {"OverflowLeft", kOverflow, kThree, DecimalNumber::kOverflowScale},
    {"ErrorBeatsInfinity", kInfinity, kError, DecimalNumber::kErrorScale},
    {"ErrorBeatsOverflow", kOverflow, kError, DecimalNumber::kErrorScale},
    {"OverflowBeatsInfinity", kInfinity, kOverflow, DecimalNumber::kOverflowScale},
    {"InfinityBoth", kInfinity, kInfinity, DecimalNumber::kInfinityScale},
    {"ErrorBoth", kError, kError, DecimalNumber::kErrorScale},
};

INSTANTIATE_TEST_SUITE_P(States, SpecialOperands, testing::ValuesIn(kSpecialCases), CaseLabel());

// A finite value over OVERFLOW (past 10,000 integer digits): a quotient the
// cut makes 0 and a remainder that is the dividend's integer part, while the
// dividend is small enough for that to hold; OVERFLOW beyond. Also the
// product bound on written integer positions.
struct BoundCase {
    const char* label;
    DecimalNumber (DecimalNumber::*operation)(const DecimalNumber&) const;
    DecimalNumber a;
    DecimalNumber b;
    std::string expectedForm;
};

class DigitLimit : public testing::TestWithParam<BoundCase> {};

TEST_P(DigitLimit, GivesTheStepsOrOverflow) {
    const BoundCase& c = GetParam();
    const int saved = workingPlaces;
    workingPlaces = 54;
    EXPECT_EQ(formOf((c.a.*c.operation)(c.b)), c.expectedForm);
    workingPlaces = saved;
}

DecimalNumber ofIntegerDigits(std::size_t count) { return fromForm("+" + std::string(count, '9') + "/0"); }

const BoundCase kBoundCases[] = {
    {"QuotientOfThree", &DecimalNumber::divide, kThree, kOverflow, "+0/0"},
    {"QuotientOfLargestZeroDividend", &DecimalNumber::divide, ofIntegerDigits(10000 - 58), kOverflow, "+0/0"},
    {"QuotientOfLargerDividend", &DecimalNumber::divide, ofIntegerDigits(10000 - 57), kOverflow, "+/-3"},
    {"RemainderIsIntegerPart", &DecimalNumber::remainder, fromForm("-0125/2"), kOverflow, "-01/0"},
    {"RemainderOfZero", &DecimalNumber::remainder, fromForm("-0/1"), kOverflow, "+/0"},
    {"RemainderOfTooLargeDividend", &DecimalNumber::remainder, ofIntegerDigits(10001), kOverflow, "+/-3"},
    {"ProductAtTheLimit", &DecimalNumber::multiply, ofIntegerDigits(9999), fromForm("+02/0"),
     "+1" + std::string(9998, '9') + "8/0"},
    {"ProductPastTheLimitByLeadingZeros", &DecimalNumber::multiply, ofIntegerDigits(9999), fromForm("+002/0"), "+/-3"},
};

INSTANTIATE_TEST_SUITE_P(States, DigitLimit, testing::ValuesIn(kBoundCases), CaseLabel());

#if !defined(_WIN32)
TEST(OutOfMemoryDeathTest, EndsTheProgramWithStatusOne) {
    EXPECT_EXIT(
        {
            void* block = ::operator new(static_cast<std::size_t>(-1) / 2);
            ::operator delete(block);
        },
        testing::ExitedWithCode(1), "out of memory");
}
#endif

} // namespace
