// Special states in arithmetic: error beats overflow, overflow beats
// infinity, and an ordinary operand never hides one. Also the out-of-memory
// exit.
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <new>

namespace {

enum class Binary { Add, Subtract, Multiply, Divide, Remainder };

DecimalNumber apply(Binary op, const DecimalNumber& a, const DecimalNumber& b) {
    switch (op) {
    case Binary::Add: return a.add(b);
    case Binary::Subtract: return a.subtract(b);
    case Binary::Multiply: return a.multiply(b);
    case Binary::Divide: return a.divide(b);
    case Binary::Remainder: return a.remainder(b);
    }
    return DecimalNumber{};
}

struct SpecialCase {
    const char* name;
    DecimalNumber a;
    DecimalNumber b;
    std::int32_t expectedScale;
};

class SpecialOperands : public testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialOperands, PropagateThroughEveryOperator) {
    const SpecialCase& c = GetParam();
    for (Binary op : {Binary::Add, Binary::Subtract, Binary::Multiply, Binary::Divide, Binary::Remainder}) {
        const DecimalNumber result = apply(op, c.a, c.b);
        EXPECT_EQ(result.scale, c.expectedScale) << "operator " << static_cast<int>(op);
        EXPECT_TRUE(result.digits.empty());
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
};

INSTANTIATE_TEST_SUITE_P(States, SpecialOperands, testing::ValuesIn(kSpecialCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpecialOperands, SubtractingAStateFromItselfIsNotZero) {
    EXPECT_TRUE(kError.subtract(kError).isError());
    EXPECT_TRUE(kInfinity.subtract(kInfinity).isInfinity());
}

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
