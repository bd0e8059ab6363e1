// Test helpers that spell out a DecimalNumber's exact form (sign, digits,
// scale) so that table cases can state the digit forms they expect; the
// tests' WorkingPlacesScope is the core's own.
#pragma once

#include "decimal_number.h"
#include "working_places_scope.h"

#include <string>

// "sign digits/scale", e.g. "+00012345/5"; an empty sequence shows as "+/0".
inline std::string formOf(const DecimalNumber& value) {
    std::string form(1, value.sign);
    for (std::uint8_t digit : value.digits) form += static_cast<char>('0' + digit);
    return form + "/" + std::to_string(value.scale);
}

// Builds a value from a form written like formOf's: "-123/1" is -12.3.
inline DecimalNumber fromForm(const std::string& form) {
    DecimalNumber value;
    value.sign = form[0];
    const std::size_t slash = form.find('/');
    for (std::size_t i = 1; i < slash; ++i) value.digits.push_back(static_cast<std::uint8_t>(form[i] - '0'));
    value.scale = std::stoi(form.substr(slash + 1));
    return value;
}

inline DecimalNumber textValue(const char* text) { return DecimalNumber::fromText(text); }
