// Function names: the code table, the argument checks and the angle units.
#include "function_application.h"

#include "evaluation_context.h"
#include "pi_constant.h"
#include "platform_seam.h"

#include <cstring>

namespace {

bool nameIs(const char* name, const char* a, const char* b = nullptr) {
    return std::strcmp(name, a) == 0 || (b != nullptr && std::strcmp(name, b) == 0);
}

// Degrees to radians and back: always a product followed by a quotient.
DecimalNumber radiansToDegrees(const DecimalNumber& v) {
    return v.multiply(DecimalNumber::fromInt(180)).divide(piConstant);
}

DecimalNumber degreesToRadians(const DecimalNumber& v) {
    return v.multiply(piConstant).divide(DecimalNumber::fromInt(180));
}

bool outsideUnitRange(const DecimalNumber& v) {
    return v.absoluteValue().greaterThan(DecimalNumber::fromInt(1));
}

bool notPositive(const DecimalNumber& v) { return v.isNegative() || v.isZero(); }

struct ArgumentCheck {
    char code;
    bool (*fails)(const DecimalNumber&);
    const char* title;
    const char* text;
    bool minusOneAfter; // -1 afterwards; otherwise the error state
};

const ArgumentCheck kArgumentChecks[] = {
    {'S', outsideUnitRange, "Inverse sine Error",
     "The argument must be between\n-1 and +1 for inverse sine.", false},
    {'C', outsideUnitRange, "Inverse cosine Error",
     "The argument must be between\n-1 and +1 for inverse cosine.", false},
    {'l', notPositive, "Natural Log Error", "The argument must be positive.", true},
    {'L', notPositive, "Base 10 Log Error", "The argument must be positive.", true},
    {'R', [](const DecimalNumber& v) { return v.isNegative(); }, "Square Root Error",
     "The argument must be positive.", false},
};

// True when the check for code fails: its message has been shown and value
// holds what the evaluation goes on with.
bool failArgumentCheck(char code, DecimalNumber& value) {
    for (const ArgumentCheck& check : kArgumentChecks) {
        if (check.code != code || !check.fails(value)) continue;
        showMessage(check.title, check.text);
        if (check.minusOneAfter) {
            value = DecimalNumber::fromInt(-1);
        } else {
            value.setScale(DecimalNumber::kErrorScale);
        }
        return true;
    }
    return false;
}

} // namespace

// Each matching test replaces the code of an earlier one, in this order.
char functionCode(const char* name) {
    char code = '\0';
    if (name[0] == 's') code = 's';
    if (nameIs(name, "asin", "as")) code = 'S';
    if (name[0] == 'c') code = 'c';
    if (nameIs(name, "acos", "ac")) code = 'C';
    if (name[0] == 't') code = 't';
    if (nameIs(name, "atan", "at")) code = 'T';
    if (nameIs(name, "ln", "l")) code = 'l';
    if (nameIs(name, "log")) code = 'L';
    if (nameIs(name, "sq", "sqrt")) code = 'R';
    if (name[0] == 'e') code = 'e';
    if (nameIs(name, "exp")) code = 'e';
    if (nameIs(name, "abs")) code = 'a';
    return code;
}

void applyFunction(const char* name, DecimalNumber& value) {
    const char code = functionCode(name);
    if (code == '\0') return;
    // A value in a special state is handed on unchecked; the functions pass
    // it through.
    if (!value.isSpecial() && failArgumentCheck(code, value)) return;

    const bool degrees = evaluationContext.angleMode != 0;
    switch (code) {
    case 's':
        value = (degrees ? value : radiansToDegrees(value)).sine();
        break;
    case 'c':
        value = (degrees ? value : radiansToDegrees(value)).cosine();
        break;
    case 't':
        value = (degrees ? value : radiansToDegrees(value)).tangent();
        break;
    case 'S':
        value = degrees ? value.arcSine() : degreesToRadians(value.arcSine());
        break;
    case 'C':
        value = degrees ? value.arcCosine() : degreesToRadians(value.arcCosine());
        break;
    case 'T':
        value = degrees ? value.arcTangent() : degreesToRadians(value.arcTangent());
        break;
    case 'l':
        value = value.naturalLog();
        break;
    case 'L':
        value = value.log10();
        break;
    case 'R':
        value = value.squareRoot();
        break;
    case 'e':
        value = value.exponential();
        break;
    case 'a':
        if (value.isNegative()) value.negate();
        break;
    default:
        break;
    }
}
