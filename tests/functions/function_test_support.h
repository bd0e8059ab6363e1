// Shared helpers of the elementary-function tests: values from text, a
// readable description of a value, comparison within 10^-places, and a
// fixture that gives each test its own workingPlaces.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "decimal_number.h"
#include "pi_constant.h"

inline DecimalNumber number(const char* text) { return DecimalNumber::fromText(text); }
inline DecimalNumber number(const std::string& text) { return DecimalNumber::fromText(text.c_str()); }

// A digit string of given length: repeat `unit` until `length` characters.
inline std::string repeatedDigits(const std::string& unit, std::size_t length) {
    std::string s;
    while (s.size() < length) s += unit;
    s.resize(length);
    return s;
}

// sign, scale and digits, shortened in the middle; also for values that
// toText would write as OVERFLOW.
inline std::string describe(const DecimalNumber& v) {
    std::string digits;
    for (auto d : v.digits) digits += static_cast<char>('0' + d);
    if (digits.size() > 140) digits = digits.substr(0, 70) + "…" + digits.substr(digits.size() - 70);
    return std::string(1, v.sign) + "[" + digits + "] scale " + std::to_string(v.scale);
}

// Same numeric value, whatever the forms (signs must agree, as +0 > -0).
inline testing::AssertionResult sameValue(const DecimalNumber& actual, const DecimalNumber& expected) {
    if (!actual.isSpecial() && actual.greaterOrEqual(expected) && expected.greaterOrEqual(actual)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << describe(actual) << " is not the value " << describe(expected);
}

// |actual - reference| < 10^-places.
inline testing::AssertionResult isWithin(const DecimalNumber& actual, const char* reference, int places) {
    if (actual.isSpecial()) {
        return testing::AssertionFailure() << "special state " << describe(actual);
    }
    const DecimalNumber difference = actual.subtract(number(reference)).absoluteValue();
    const DecimalNumber bound = DecimalNumber::fromInt(1).divideByPowerOfTen(places);
    if (difference.lessThan(bound)) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << describe(actual) << " differs from " << reference << " by "
                                       << describe(difference) << ", not below 10^-" << places;
}

// Integer digits of |v| after leading zeros (0 when |v| < 1).
inline long integerDigitCount(const DecimalNumber& v) {
    std::size_t first = 0;
    while (first < v.digits.size() && v.digits[first] == 0) ++first;
    const long count = static_cast<long>(v.digits.size() - first) - v.scale;
    return count > 0 ? count : 0;
}

// Each test sets workingPlaces itself; the fixture puts the value back.
template <typename Base>
class WithWorkingPlaces : public Base {
protected:
    void SetUp() override {
        saved = workingPlaces;
        initPiConstant();
    }
    void TearDown() override { workingPlaces = saved; }
    int saved = 0;
};

using FunctionTest = WithWorkingPlaces<testing::Test>;
template <typename Case>
using FunctionCaseTest = WithWorkingPlaces<testing::TestWithParam<Case>>;

// Test names from the case's name field.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
