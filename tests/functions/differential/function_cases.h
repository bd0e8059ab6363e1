// The cases of the function differential test: thousands of arguments of
// every form for each elementary function at 15 and 54 working places,
// drawn from a fixed seed, and the one-line record of a case and its result
// (sign, scale and every digit). Shared by the test and by its oracle, the
// same functions built on the plain digit kernels.
#pragma once

#include "decimal_number.h"

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace functionDifferential {

struct FunctionCase {
    int function;  // index into kFunctions
    int places;
    DecimalNumber argument;
    DecimalNumber exponent;  // power only
};

struct NamedFunction {
    const char* name;
    DecimalNumber (*apply)(const DecimalNumber& x, const DecimalNumber& y);
};

inline const NamedFunction kFunctions[] = {
    {"sqrt", [](const DecimalNumber& x, const DecimalNumber&) { return x.squareRoot(); }},
    {"exp", [](const DecimalNumber& x, const DecimalNumber&) { return x.exponential(); }},
    {"ln", [](const DecimalNumber& x, const DecimalNumber&) { return x.naturalLog(); }},
    {"log", [](const DecimalNumber& x, const DecimalNumber&) { return x.log10(); }},
    {"sin", [](const DecimalNumber& x, const DecimalNumber&) { return x.sine(); }},
    {"cos", [](const DecimalNumber& x, const DecimalNumber&) { return x.cosine(); }},
    {"tan", [](const DecimalNumber& x, const DecimalNumber&) { return x.tangent(); }},
    {"asin", [](const DecimalNumber& x, const DecimalNumber&) { return x.arcSine(); }},
    {"acos", [](const DecimalNumber& x, const DecimalNumber&) { return x.arcCosine(); }},
    {"atan", [](const DecimalNumber& x, const DecimalNumber&) { return x.arcTangent(); }},
    {"power", [](const DecimalNumber& x, const DecimalNumber& y) { return x.power(y); }},
};
constexpr int kFunctionCount = static_cast<int>(sizeof kFunctions / sizeof kFunctions[0]);
constexpr int kPlaces[] = {15, 54};

// Only the engine's raw output is used, so the cases are the same on every
// platform.
struct Draw {
    std::mt19937 engine{20261208};
    int below(int count) { return static_cast<int>(engine() % static_cast<std::uint32_t>(count)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

    std::string digits(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += static_cast<char>('0' + below(10));
        return text;
    }

    // A number written with up to `integerDigits` integer digits (sometimes
    // with leading zeros or none at all) and up to `fractionDigits` fraction
    // digits, negative `negativeChance` percent of the time.
    DecimalNumber number(int integerDigits, int fractionDigits, int negativeChance) {
        std::string text = percent(negativeChance) ? "-" : "";
        if (percent(10)) text += std::string(static_cast<std::size_t>(between(1, 3)), '0');
        const int whole = below(integerDigits + 1);
        if (whole > 0) text += static_cast<char>('1' + below(9)) + digits(whole - 1);
        const int fraction = below(fractionDigits + 1);
        if (fraction > 0 || whole == 0) {
            text += '.';
            if (percent(15)) text += std::string(static_cast<std::size_t>(between(1, 12)), '0');
            text += digits(fraction > 0 ? fraction : 1);
            if (percent(10)) text += "000";
        }
        return DecimalNumber::fromText(text.c_str());
    }
};

// An argument for function f: mostly from its domain, in varied forms, with
// edge values and a few beyond the domain.
inline DecimalNumber argumentFor(int f, Draw& d) {
    const std::string name = kFunctions[f].name;
    const int edge = d.below(100);
    if (name == "sqrt") return edge < 3 ? DecimalNumber::fromText("0") : d.number(40, 60, 5);
    if (name == "exp") {
        if (edge < 3) return DecimalNumber::fromText(d.percent(50) ? "2300.5" : "-2300.25");
        return d.number(3, 60, 50);
    }
    if (name == "ln" || name == "log") {
        if (edge < 3) return DecimalNumber::fromText(d.percent(50) ? "0" : "-2");
        if (edge < 15)
            return DecimalNumber::fromText(
                ("1." + std::string(static_cast<std::size_t>(d.between(1, 20)), '0') + d.digits(5)).c_str());
        return d.number(60, 60, 0);
    }
    if (name == "sin" || name == "cos" || name == "tan") {
        if (edge < 12) {
            const int multiple = 45 * d.between(-16, 16);
            const std::string near =
                std::to_string(multiple) +
                (d.percent(50) ? "" : "." + std::string(static_cast<std::size_t>(d.between(0, 15)), '0') + d.digits(3));
            return DecimalNumber::fromText(near.c_str());
        }
        return d.number(7, 60, 50);
    }
    if (name == "asin" || name == "acos") {
        const char* sign = d.percent(50) ? "-" : "";
        if (edge < 3) return DecimalNumber::fromText((std::string(sign) + "1").c_str());
        if (edge < 6) return DecimalNumber::fromText((std::string(sign) + "1.0" + d.digits(3)).c_str());
        if (edge < 16)
            return DecimalNumber::fromText((std::string(sign) + ".9999" +
                                            std::string(static_cast<std::size_t>(d.between(0, 12)), '9') + d.digits(4))
                                               .c_str());
        return d.number(0, 60, 50);
    }
    if (name == "atan") return d.number(20, 60, 50);
    // power: the base
    return edge < 10 ? d.number(3, 20, 100) : d.number(3, 20, 0);
}

inline DecimalNumber exponentFor(const DecimalNumber& base, Draw& d) {
    if (base.sign == '-' || d.percent(40)) return DecimalNumber::fromInt(d.between(-20, 20));
    return d.number(1, 20, 40);
}

// `perFunction` cases for every function at each working precision.
inline std::vector<FunctionCase> functionCases(int perFunction) {
    Draw d;
    std::vector<FunctionCase> cases;
    for (int places : kPlaces) {
        for (int f = 0; f < kFunctionCount; ++f) {
            for (int i = 0; i < perFunction; ++i) {
                FunctionCase c{f, places, argumentFor(f, d), DecimalNumber{}};
                if (std::string(kFunctions[f].name) == "power") c.exponent = exponentFor(c.argument, d);
                cases.push_back(c);
            }
        }
    }
    return cases;
}

inline std::string fieldsOf(const DecimalNumber& value) {
    std::string text(1, value.sign);
    text += ' ' + std::to_string(value.scale) + ' ';
    for (std::uint8_t digit : value.digits) text += static_cast<char>('0' + digit);
    return text;
}

// "name places argument [exponent] -> sign scale digits", the result worked
// out at the case's working precision.
inline std::string resultLine(const FunctionCase& c) {
    const int saved = workingPlaces;
    workingPlaces = c.places;
    const DecimalNumber result = kFunctions[c.function].apply(c.argument, c.exponent);
    workingPlaces = saved;
    std::string line =
        std::string(kFunctions[c.function].name) + ' ' + std::to_string(c.places) + ' ' + c.argument.toText();
    if (std::string(kFunctions[c.function].name) == "power") line += ' ' + c.exponent.toText();
    return line + " -> " + fieldsOf(result);
}

// Cases per function and precision: TALLYMASTER_DIFFERENTIAL_SCALE times the
// default.
inline int casesPerFunction(int defaultCount) {
    const char* text = std::getenv("TALLYMASTER_DIFFERENTIAL_SCALE");
    const int scale = text != nullptr ? std::atoi(text) : 1;
    return defaultCount * (scale > 0 ? scale : 1);
}

}  // namespace functionDifferential
