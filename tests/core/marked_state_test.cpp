// Special states in arithmetic: error beats overflow, overflow beats
// infinity, and an ordinary operand never hides one. Also the out-of-memory
// exit.
#include "case_label.h"
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <new>

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
