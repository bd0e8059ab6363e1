// Special states in arithmetic: error beats overflow, overflow beats
// infinity, and an ordinary operand never hides one. Also the out-of-memory
// exit.
#include "case_label.h"
#include "decimal_forms.h"
#include "memory_reserve.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

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
    for (auto operation : {&DecimalNumber::add, &DecimalNumber::subtract, &DecimalNumber::multiply,
                           &DecimalNumber::divide, &DecimalNumber::remainder}) {
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
// The sanitizer's allocator reports an impossible size itself and ends the
// program with status 1 before any handler runs.
#if defined(__SANITIZE_ADDRESS__)
constexpr char kOutOfMemoryReport[] = "requested allocation size";
#else
constexpr char kOutOfMemoryReport[] = "out of memory";
#endif

// A failed allocation first takes the reserve, which cannot satisfy a
// request this size; then the program ends.
TEST(OutOfMemoryDeathTest, EndsTheProgramWithStatusOne) {
    EXPECT_FALSE(takeMemoryShortage());
    EXPECT_EXIT(
        {
            void* block = ::operator new(static_cast<std::size_t>(-1) / 2);
            ::operator delete(block);
        },
        testing::ExitedWithCode(1), kOutOfMemoryReport);
}

#if !defined(__SANITIZE_ADDRESS__)
// With the address space capped, allocations run out: the first failure
// gives back the reserve and the allocation succeeds, and the shortage is
// reported once, not as the end of the program. Once the memory is free
// again the reserve is restored, and meets the next shortage too.
TEST(OutOfMemoryDeathTest, TheFirstShortageIsMetFromTheReserve) {
    EXPECT_EXIT(
        {
            rlimit limit{};
            getrlimit(RLIMIT_AS, &limit);
            std::size_t used = 0;
            if (std::FILE* status = std::fopen("/proc/self/statm", "r")) {
                unsigned long pages = 0;
                if (std::fscanf(status, "%lu", &pages) == 1) used = pages * 4096;
                std::fclose(status);
            }
            limit.rlim_cur = used + (std::size_t{64} << 20);
            setrlimit(RLIMIT_AS, &limit);
            std::vector<void*> blocks;
            while (!takeMemoryShortage()) blocks.push_back(::operator new (std::size_t{1} << 20));
            const bool once = !takeMemoryShortage();
            for (void* block : blocks) ::operator delete(block);
            const std::size_t first = blocks.size();
            blocks.clear();
            restoreMemoryReserve();
            while (!takeMemoryShortage()) blocks.push_back(::operator new (std::size_t{1} << 20));
            for (void* block : blocks) ::operator delete(block);
            std::exit(once && first > 10 && blocks.size() > 10 ? 3 : 4);
        },
        testing::ExitedWithCode(3), "");
}
#endif
#endif

}  // namespace
