// Deterministic random DecimalNumber operands of every legal form for the
// core's randomized tests (leading zeros, trailing zeros, no integer digit,
// the several zeros, negatives, long fractions, a few very long values).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "decimal_forms.h"
#include "decimal_number.h"

// Only the engine's raw output is used (its sequence is fixed by the
// language), so every platform draws the same operands for a seed.
struct RandomDecimals {
    std::mt19937 engine;

    explicit RandomDecimals(std::uint32_t seed) : engine(seed) {}

    // Uniform in 0 .. count - 1 (count >= 1), bias negligible for test use.
    int below(int count) { return static_cast<int>(engine() % static_cast<std::uint32_t>(count)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

    // One digit in the style chosen for a whole operand: 0 uniform,
    // 1 mostly nines, 2 mostly zeros, 3 from a few values only, 4 all nines.
    std::uint8_t digitInStyle(int style) {
        static const std::uint8_t kFew[] = {0, 1, 5, 9};
        if (style == 1 && percent(85)) return 9;
        if (style == 2 && percent(80)) return 0;
        if (style == 3) return kFew[below(4)];
        return static_cast<std::uint8_t>(style == 4 ? 9 : below(10));
    }

    // A zero in one of its forms.
    DecimalNumber zero() {
        static const char* const kZeroTexts[] = {"0", "-0", "0.000", ".0", "000", "-0.00", "", "00.0", "-.000"};
        int form = below(11);
        if (form < 9) return DecimalNumber::fromText(kZeroTexts[form]);
        if (form == 9) return DecimalNumber{};
        DecimalNumber value;
        value.sign = percent(50) ? '-' : '+';
        value.scale = between(1, 70);
        value.digits.assign(static_cast<std::size_t>(value.scale + below(3)), 0);
        return value;
    }

    // A power of ten, or a few digits, written with or without leading zeros
    // (1000, 0.001, .001, 000.05, 10.0).
    DecimalNumber shortRound() {
        DecimalNumber value;
        value.sign = percent(40) ? '-' : '+';
        value.scale = between(0, 12);
        value.digits.assign(static_cast<std::size_t>(below(4)), 0);
        value.digits.push_back(static_cast<std::uint8_t>(percent(50) ? 1 : between(1, 9)));
        for (int i = percent(50) ? 0 : between(1, 2); i > 0; --i)
            value.digits.push_back(static_cast<std::uint8_t>(below(10)));
        value.digits.insert(value.digits.end(), static_cast<std::size_t>(below(6)), 0);
        padToScale(value);
        return value;
    }

    // A general operand built field by field: mostly short, some up to 120
    // significant digits, about one in `longOneIn` around 560.
    DecimalNumber general(int longOneIn) {
        DecimalNumber value;
        value.sign = percent(40) ? '-' : '+';
        int sizeClass = below(100);
        int length = longOneIn > 0 && below(longOneIn) == 0 ? between(540, 580)
                     : sizeClass < 40                       ? between(1, 6)
                     : sizeClass < 75                       ? between(7, 30)
                                                            : between(31, 120);
        int scaleClass = below(100);
        value.scale = scaleClass < 30 ? 0 : scaleClass < 60 ? between(1, 10) : between(11, 70);
        int styleClass = below(100);
        int style = styleClass < 55 ? 0 : styleClass < 92 ? between(1, 3) : 4;
        for (int i = 0; i < length; ++i) value.digits.push_back(digitInStyle(style));
        if (style != 4 && percent(85)) value.digits[0] = static_cast<std::uint8_t>(between(1, 9));
        if (percent(15)) {
            for (int i = 0, trailing = between(1, 5); i < trailing && i < length; ++i)
                value.digits[value.digits.size() - 1 - i] = 0;
        }
        padToScale(value);
        // Leading zeros: none, "0.5"-style one, a few, or many.
        int leadingClass = below(100);
        int leading = leadingClass < 65   ? 0
                      : leadingClass < 85 ? 1
                      : leadingClass < 97 ? between(2, 3)
                                          : between(4, 12);
        value.digits.insert(value.digits.begin(), static_cast<std::size_t>(leading), 0);
        return value;
    }

    // Any operand: mostly general ones, sometimes zeros and round values.
    DecimalNumber next(int longOneIn = 150) {
        int form = below(100);
        return form < 6 ? zero() : form < 14 ? shortRound() : general(longOneIn);
    }

    // Keeps the invariant: at least as many digits as the scale.
    static void padToScale(DecimalNumber& value) {
        if (static_cast<std::int32_t>(value.digits.size()) < value.scale) {
            value.digits.insert(value.digits.begin(), static_cast<std::size_t>(value.scale) - value.digits.size(), 0);
        }
    }
};

// A randomized check of one operation: problem(a, b) says what is wrong with
// its result for a pair ("" when nothing is). It runs at `places` on `pairs`
// random pairs drawn from `seed` and on every pair of hand-picked forms
// (TEST_P in decimal_property_test.cpp; each file instantiates its own).
struct PairCheck {
    const char* label;
    std::string (*problem)(const DecimalNumber& a, const DecimalNumber& b);
    int places;
    std::uint32_t seed;
    int pairs;
    int longOneIn;  // about one operand in this many is ~560 digits
};

class PairChecks : public testing::TestWithParam<PairCheck> {};

inline std::string mismatch(const std::string& got, const std::string& want) {
    return got == want ? "" : "expected " + want + ", got " + got;
}
