// Shared parts of the elementary-function tests: values from text, a
// readable description of a value, comparison within 10^-places, a fixture
// that gives each test its own workingPlaces, and the result tables' rows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "case_label.h"
#include "decimal_number.h"
#include "pi_constant.h"

inline DecimalNumber number(const std::string& text) { return DecimalNumber::fromText(text.c_str()); }

inline const std::string kTenTo30 = "1" + std::string(30, '0');
// Arguments of 999 digits.
inline const std::string kNines(999, '9');  // 10^999 - 1
inline const std::string kTenToMinus999 = "." + std::string(998, '0') + "1";
inline const std::string kLongFraction = "." + std::string(999, '9');  // 1 - 10^-999

// sign, scale and digits, shortened in the middle; also for values that
// toText would write as OVERFLOW.
inline std::string describe(const DecimalNumber& v) {
    std::string digits;
    for (auto d : v.digits) digits += static_cast<char>('0' + d);
    if (digits.size() > 140) digits = digits.substr(0, 70) + "…" + digits.substr(digits.size() - 70);
    return std::string(1, v.sign) + "[" + digits + "] scale " + std::to_string(v.scale);
}

// |actual - reference| < 10^-places.
inline testing::AssertionResult isWithin(const DecimalNumber& actual, const std::string& reference, int places) {
    if (actual.isSpecial()) {
        return testing::AssertionFailure() << "special state " << describe(actual);
    }
    const DecimalNumber difference = actual.subtract(number(reference)).absoluteValue();
    if (difference.lessThan(DecimalNumber::fromInt(1).divideByPowerOfTen(places))) {
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

// The function a table row names, applied to x (Power and IntegerPower
// also take the exponent).
inline DecimalNumber apply(const std::string& f, const DecimalNumber& x, const DecimalNumber& exponent) {
    if (f == "SquareRoot") return x.squareRoot();
    if (f == "Exponential") return x.exponential();
    if (f == "Power") return x.power(exponent);
    if (f == "IntegerPower") return x.integerPower(exponent.toInteger());
    if (f == "NaturalLog") return x.naturalLog();
    if (f == "NaturalLogOfExponential") return x.exponential().naturalLog();
    if (f == "Log10") return x.log10();
    if (f == "Sine") return x.sine();
    if (f == "Cosine") return x.cosine();
    if (f == "Tangent") return x.tangent();
    if (f == "ArcSine") return x.arcSine();
    if (f == "ArcCosine") return x.arcCosine();
    if (f == "ArcTangent") return x.arcTangent();
    ADD_FAILURE() << "unknown function " << f;
    return DecimalNumber::errorState();
}

// One call and what it must give. ExactText rows: `expected` is the whole
// text (sign, point, every digit, or the state's text). CloseToReference
// rows: the result divided by 10^shift lies within 10^-tolerancePlaces of
// the reference digits `expected`. Both check that workingPlaces is back.
struct ResultCase {
    const char* label;
    const char* function;
    std::string argument;
    std::string exponent;  // Power and IntegerPower only
    std::string expected;
    int places = 54;
    int tolerancePlaces = 0;
    int shift = 0;
};

inline void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.label; }

struct ExactText : FunctionCaseTest<ResultCase> {};
struct CloseToReference : FunctionCaseTest<ResultCase> {};
