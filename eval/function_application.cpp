// Function names: one ordered table of how a name matches, the argument
// check, the function and its angle role.
#include "function_application.h"

#include "angle_units.h"
#include "evaluation_context.h"
#include "platform_seam.h"

#include <cstring>

namespace {

bool outsideUnitRange(const DecimalNumber& v) { return v.absoluteValue().greaterThan(DecimalNumber::fromInt(1)); }

bool notPositive(const DecimalNumber& v) { return v.isNegative() || v.isZero(); }

bool negative(const DecimalNumber& v) { return v.isNegative(); }

struct ArgumentCheck {
    bool (*fails)(const DecimalNumber&);
    const char* title;
    const char* text;
    bool minusOneAfter;  // -1 afterwards; otherwise the error state
};

constexpr ArgumentCheck kInverseSineCheck = {outsideUnitRange, "Inverse sine Error",
                                             "The argument must be between\n-1 and +1 for inverse sine.", false};
constexpr ArgumentCheck kInverseCosineCheck = {outsideUnitRange, "Inverse cosine Error",
                                               "The argument must be between\n-1 and +1 for inverse cosine.", false};
constexpr ArgumentCheck kNaturalLogCheck = {notPositive, "Natural Log Error", "The argument must be positive.", true};
constexpr ArgumentCheck kBaseTenLogCheck = {notPositive, "Base 10 Log Error", "The argument must be positive.", true};
constexpr ArgumentCheck kSquareRootCheck = {negative, "Square Root Error", "The argument must be positive.", false};

// How the user's angle unit enters: not at all, the argument is an angle
// (converted to degrees first), or the result is one (converted back).
enum class AngleRole { none, argument, result };

DecimalNumber absolute(const DecimalNumber& v) {
    DecimalNumber out = v;
    if (out.isNegative()) out.negate();
    return out;
}

// The first row that matches a name denotes its function: the whole name is
// one of `names`, or, for a row with a `prefix`, the name starts with it.
// So the exact names come before the one-letter prefixes ("sq" is the square
// root, "sin" and "s" the sine, "cbrt8" the cosine of 8).
struct FunctionRow {
    char code;
    const char* names[2];
    char prefix;
    const ArgumentCheck* check;
    DecimalNumber (*apply)(const DecimalNumber&);
    AngleRole angle;
};

const FunctionRow kFunctionRows[] = {
    {'S',
     {"asin", "as"},
     '\0',
     &kInverseSineCheck,
     [](const DecimalNumber& v) { return v.arcSine(); },
     AngleRole::result},
    {'C',
     {"acos", "ac"},
     '\0',
     &kInverseCosineCheck,
     [](const DecimalNumber& v) { return v.arcCosine(); },
     AngleRole::result},
    {'T', {"atan", "at"}, '\0', nullptr, [](const DecimalNumber& v) { return v.arcTangent(); }, AngleRole::result},
    {'l', {"ln", "l"}, '\0', &kNaturalLogCheck, [](const DecimalNumber& v) { return v.naturalLog(); }, AngleRole::none},
    {'L', {"log", nullptr}, '\0', &kBaseTenLogCheck, [](const DecimalNumber& v) { return v.log10(); }, AngleRole::none},
    {'R',
     {"sq", "sqrt"},
     '\0',
     &kSquareRootCheck,
     [](const DecimalNumber& v) { return v.squareRoot(); },
     AngleRole::none},
    {'a', {"abs", nullptr}, '\0', nullptr, absolute, AngleRole::none},
    {'s', {nullptr, nullptr}, 's', nullptr, [](const DecimalNumber& v) { return v.sine(); }, AngleRole::argument},
    {'c', {nullptr, nullptr}, 'c', nullptr, [](const DecimalNumber& v) { return v.cosine(); }, AngleRole::argument},
    {'t', {nullptr, nullptr}, 't', nullptr, [](const DecimalNumber& v) { return v.tangent(); }, AngleRole::argument},
    {'e', {nullptr, nullptr}, 'e', nullptr, [](const DecimalNumber& v) { return v.exponential(); }, AngleRole::none},
};

bool rowMatches(const FunctionRow& row, const char* name) {
    for (const char* exact : row.names) {
        if (exact != nullptr && std::strcmp(name, exact) == 0) return true;
    }
    return row.prefix != '\0' && name[0] == row.prefix;
}

const FunctionRow* rowFor(const char* name) {
    for (const FunctionRow& row : kFunctionRows) {
        if (rowMatches(row, name)) return &row;
    }
    return nullptr;
}

// True when the check fails: its message has been shown and value holds
// what the evaluation goes on with.
bool failArgumentCheck(const ArgumentCheck& check, DecimalNumber& value) {
    if (!check.fails(value)) return false;
    showMessage(check.title, check.text);
    if (check.minusOneAfter) {
        value = DecimalNumber::fromInt(-1);
    } else {
        value.setScale(DecimalNumber::kErrorScale);
    }
    return true;
}

}  // namespace

char functionCode(const char* name) {
    const FunctionRow* row = rowFor(name);
    return row != nullptr ? row->code : '\0';
}

void applyFunction(const char* name, DecimalNumber& value) {
    const FunctionRow* row = rowFor(name);
    if (row == nullptr) return;
    // A value in a special state is handed on unchecked; the functions pass
    // it through.
    if (!value.isSpecial() && row->check != nullptr && failArgumentCheck(*row->check, value)) return;

    const bool degrees = evaluationContext.angleMode != 0;
    if (degrees || row->angle == AngleRole::none) {
        value = row->apply(value);
    } else if (row->angle == AngleRole::argument) {
        value = row->apply(radiansToDegrees(value));
    } else {
        value = degreesToRadians(row->apply(value));
    }
}
