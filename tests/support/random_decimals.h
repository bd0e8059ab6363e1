// Deterministic random DecimalNumber operands of every legal form for the
// core's randomized tests: leading zeros, trailing zeros, no integer digit,
// the several zeros, negatives, long fractions and a few very long values.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "decimal_number.h"

// Only the engine's raw output is used (its sequence is fixed by the
// language), so every platform draws the same operands for a seed.
struct RandomDecimals {
    std::mt19937 engine;

    explicit RandomDecimals(std::uint32_t seed) : engine(seed) {}

    // Uniform in 0 .. count - 1 (count >= 1), bias negligible for test use.
    int below(int count) { return static_cast<int>(engine() % static_cast<std::uint32_t>(count)); }
    // Uniform in low .. high.
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

    // One digit in the style chosen for a whole operand: 0 uniform,
    // 1 mostly nines, 2 mostly zeros, 3 from a few values only, 4 all nines.
    std::uint8_t digitInStyle(int style) {
        switch (style) {
        case 1: return static_cast<std::uint8_t>(percent(85) ? 9 : below(10));
        case 2: return static_cast<std::uint8_t>(percent(80) ? 0 : below(10));
        case 3: {
            static const std::uint8_t kFew[] = {0, 1, 5, 9};
            return kFew[below(4)];
        }
        case 4: return 9;
        default: return static_cast<std::uint8_t>(below(10));
        }
    }

    // A count of significant digits: mostly short, some up to 120, and about
    // one in `longOneIn` around 560.
    int significantLength(int longOneIn) {
        if (longOneIn > 0 && below(longOneIn) == 0) return between(540, 580);
        int sizeClass = below(100);
        if (sizeClass < 40) return between(1, 6);
        if (sizeClass < 75) return between(7, 30);
        return between(31, 120);
    }

    int fractionScale() {
        int scaleClass = below(100);
        if (scaleClass < 30) return 0;
        if (scaleClass < 60) return between(1, 10);
        return between(11, 70);
    }

    // A zero in one of its forms.
    DecimalNumber zero() {
        static const char* const kZeroTexts[] = {"0", "-0", "0.000", ".0", "000", "-0.00", "", "00.0", "-.000"};
        int form = below(12);
        if (form < 9) return DecimalNumber::fromText(kZeroTexts[form]);
        if (form == 9) return DecimalNumber{};
        if (form == 10) return DecimalNumber::fromInt(0);
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
        int leading = below(4);
        int body = percent(50) ? 1 : between(2, 3);
        int trailing = below(6);
        for (int i = 0; i < leading; ++i) value.digits.push_back(0);
        for (int i = 0; i < body; ++i) value.digits.push_back(static_cast<std::uint8_t>(i == 0 ? (percent(50) ? 1 : between(1, 9)) : below(10)));
        for (int i = 0; i < trailing; ++i) value.digits.push_back(0);
        padToScale(value);
        return value;
    }

    // A general operand built field by field.
    DecimalNumber general(int longOneIn) {
        DecimalNumber value;
        value.sign = percent(40) ? '-' : '+';
        int length = significantLength(longOneIn);
        value.scale = fractionScale();
        int styleClass = below(100);
        int style = styleClass < 55 ? 0 : styleClass < 92 ? between(1, 3) : 4;
        for (int i = 0; i < length; ++i) value.digits.push_back(digitInStyle(style));
        if (style != 4 && percent(85)) value.digits[0] = static_cast<std::uint8_t>(between(1, 9));
        if (percent(15)) {
            int trailing = between(1, 5);
            for (int i = 0; i < trailing && i < length; ++i) value.digits[value.digits.size() - 1 - i] = 0;
        }
        padToScale(value);
        // Leading zeros: none, "0.5"-style one, a few, or many.
        int leadingClass = below(100);
        int leading = leadingClass < 65 ? 0 : leadingClass < 85 ? 1 : leadingClass < 97 ? between(2, 3) : between(4, 12);
        value.digits.insert(value.digits.begin(), static_cast<std::size_t>(leading), 0);
        return value;
    }

    // Any operand: mostly general ones, sometimes zeros and round values.
    DecimalNumber next(int longOneIn = 150) {
        int form = below(100);
        if (form < 6) return zero();
        if (form < 14) return shortRound();
        return general(longOneIn);
    }

    // Keeps the invariant: at least as many digits as the scale.
    static void padToScale(DecimalNumber& value) {
        if (static_cast<std::int32_t>(value.digits.size()) < value.scale) {
            value.digits.insert(value.digits.begin(), static_cast<std::size_t>(value.scale) - value.digits.size(), 0);
        }
    }
};

// Fields of a value for failure messages, independent of toText:
// sign, digits and scale, e.g. "+ 0075 scale 1"; an empty sequence shows "<>".
inline std::string describeFields(const DecimalNumber& x) {
    std::string text(1, x.sign);
    text += ' ';
    if (x.digits.empty()) text += "<>";
    for (std::uint8_t d : x.digits) text += d <= 9 ? static_cast<char>('0' + d) : '?';
    return text + " scale " + std::to_string(x.scale);
}

// The structural invariant every ordinary result keeps: sign '+' or '-',
// every digit 0..9, and at least `scale` digits for scale >= 0. Empty when
// it holds, else what is wrong.
inline std::string invariantProblem(const DecimalNumber& x) {
    if (x.sign != '+' && x.sign != '-') return "sign is neither '+' nor '-'";
    for (std::uint8_t d : x.digits) {
        if (d > 9) return "digit above 9";
    }
    if (x.scale >= 0 && static_cast<std::int32_t>(x.digits.size()) < x.scale) return "fewer digits than the scale";
    return "";
}
