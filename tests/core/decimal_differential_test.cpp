// DecimalNumber's arithmetic against the plain byte-per-digit steps of
// tests/support/plain_decimal_steps.h on random operand pairs of every form
// (leading zeros, no integer digit, trailing zeros, signs, zeros, 1 to 2,500
// digits) at 3, 15, 54 and 1,200 working places: sign, scale and every digit
// identical. TALLYMASTER_DIFFERENTIAL_SCALE=N runs N times as many pairs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "case_label.h"
#include "decimal_forms.h"
#include "plain_decimal_steps.h"
#include "random_decimals.h"

namespace {

int pairScale() {
    const char* text = std::getenv("TALLYMASTER_DIFFERENTIAL_SCALE");
    const int scale = text != nullptr ? std::atoi(text) : 1;
    return scale > 0 ? scale : 1;
}

// An operand of 1 to `longest` significant digits: mostly short, some of a
// few hundred, a few up to `longest`; any scale from 0 to past the digit
// count; leading zeros, trailing zeros, runs of nines or zeros.
DecimalNumber variedOperand(RandomDecimals& random, int longest) {
    const int form = random.below(100);
    if (form < 4) return random.zero();
    if (form < 10) return random.shortRound();
    DecimalNumber value;
    value.sign = random.percent(40) ? '-' : '+';
    const int lengthClass = random.below(100);
    int length = lengthClass < 50   ? random.between(1, 20)
                 : lengthClass < 78 ? random.between(21, 120)
                 : lengthClass < 93 ? random.between(121, 600)
                                    : random.between(601, longest);
    if (length > longest) length = longest;
    const int styleClass = random.below(100);
    const int style = styleClass < 55 ? 0 : styleClass < 92 ? random.between(1, 3) : 4;
    for (int i = 0; i < length; ++i) value.digits.push_back(random.digitInStyle(style));
    if (style != 4 && random.percent(85)) value.digits[0] = static_cast<std::uint8_t>(random.between(1, 9));
    if (random.percent(15)) {
        const int trailing = random.between(1, 1 + length / 3);
        for (int i = 0; i < trailing; ++i) value.digits[value.digits.size() - 1 - static_cast<std::size_t>(i)] = 0;
    }
    const int scaleClass = random.below(100);
    value.scale = scaleClass < 30   ? 0
                  : scaleClass < 60 ? random.between(1, 12)
                  : scaleClass < 85 ? random.between(0, length)
                                    : length + random.between(1, 40);  // no integer digit
    RandomDecimals::padToScale(value);
    const int leadingClass = random.below(100);
    const int leading = leadingClass < 65 ? 0 : leadingClass < 85 ? 1 : random.between(2, 12);
    value.digits.insert(value.digits.begin(), static_cast<std::size_t>(leading), 0);
    return value;
}

// The second operand: independent, or made from the first so that the
// shortcuts, equal leading digits and near-equal quotients are reached.
DecimalNumber partnerOf(RandomDecimals& random, const DecimalNumber& a, int longest) {
    DecimalNumber b = variedOperand(random, longest);
    switch (random.below(30)) {
    case 0: return a;
    case 1: return a.absoluteValue();
    case 2: b = a, b.sign = a.sign == '-' ? '+' : '-'; return b;
    case 3:  // a's leading digits, so quotient digits come from long runs of equal digits
        b = a;
        b.digits.resize(b.digits.size() -
                        static_cast<std::size_t>(random.below(static_cast<int>(b.digits.size()) + 1)));
        b.scale = random.between(0, static_cast<int>(b.digits.size()));
        return b;
    case 4:  // a with its last digit changed by one
        b = a;
        if (!b.digits.empty())
            b.digits.back() = static_cast<std::uint8_t>(b.digits.back() == 9 ? 8 : b.digits.back() + 1);
        return b;
    case 5: return random.shortRound();
    case 6: return DecimalNumber::fromInt(random.between(-99999, 99999));
    case 7: return DecimalNumber{};
    default: return b;
    }
}

struct Operation {
    const char* name;
    DecimalNumber (DecimalNumber::*fast)(const DecimalNumber&) const;
    DecimalNumber (*plain)(const DecimalNumber&, const DecimalNumber&);
};

const Operation kOperations[] = {
    {"add", &DecimalNumber::add, plainSteps::add},
    {"subtract", &DecimalNumber::subtract, plainSteps::subtract},
    {"multiply", &DecimalNumber::multiply, plainSteps::multiply},
    // The angle conversions write their products either way round: the same
    // for factors written with digits.
    {"multiply, factors the other way", &DecimalNumber::multiply,
     [](const DecimalNumber& a, const DecimalNumber& b) {
         return a.digits.empty() || b.digits.empty() ? plainSteps::multiply(a, b) : plainSteps::multiply(b, a);
     }},
    {"divide", &DecimalNumber::divide, plainSteps::divide},
    {"remainder", &DecimalNumber::remainder, plainSteps::remainder},
};

struct DifferentialCase {
    const char* label;
    int places;
    std::uint32_t seed;
    int pairs;    // per operation, before TALLYMASTER_DIFFERENTIAL_SCALE
    int longest;  // digits of the longest operand
};

class Differential : public testing::TestWithParam<DifferentialCase> {};

TEST_P(Differential, EveryFieldAsThePlainSteps) {
    const DifferentialCase& c = GetParam();
    WorkingPlacesScope scope(c.places);
    for (const Operation& operation : kOperations) {
        RandomDecimals random(c.seed);
        int failures = 0;
        const int pairs = c.pairs * pairScale();
        for (int i = 0; i < pairs && failures < 5; ++i) {
            const DecimalNumber a = variedOperand(random, c.longest);
            const DecimalNumber b = partnerOf(random, a, c.longest);
            const std::string fast = formOf((a.*operation.fast)(b));
            const std::string plain = formOf(operation.plain(a, b));
            EXPECT_EQ(fast, plain) << operation.name << " of a " << formOf(a) << " and b " << formOf(b);
            failures += fast == plain ? 0 : 1;
        }
    }
}

const DifferentialCase kDifferentialCases[] = {
    {"At3", 3, 1603u, 700, 2500},
    {"At15", 15, 1615u, 700, 2500},
    {"At54", 54, 1654u, 700, 2500},
    {"At1200", 1200, 16120u, 60, 2500},
};

INSTANTIATE_TEST_SUITE_P(PlainSteps, Differential, testing::ValuesIn(kDifferentialCases), CaseLabel());

}  // namespace
