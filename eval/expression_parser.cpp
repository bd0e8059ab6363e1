// The expression scanner and the recursive-descent evaluation.
#include "expression_parser.h"

#include "angle_units.h"
#include "evaluation_context.h"
#include "function_application.h"
#include "pi_constant.h"

#include <cstring>

EvaluationContext evaluationContext;

namespace {

// ---- Character classes of the scanner -----------------------------------------

bool isWhitespace(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool isOperatorCharacter(unsigned char c) {
    switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '%':
    case '^':
    case '=':
    case '(':
    case ')':
    case '\'':
    case '\\':
    case '>': return true;
    default: return false;
    }
}

// The end of the text counts as a delimiter; a line feed does not.
bool isDelimiter(unsigned char c) { return c == '\0' || c == ' ' || c == '\t' || c == '\r' || isOperatorCharacter(c); }

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

bool isOperandStarter(unsigned char c) {
    switch (c) {
    case '.':
    case 'p':
    case 'r':
    case 'E':
    case 'x':
    case 'X':
    case 'y':
    case 'Y':
    case 'z':
    case 'Z': return true;
    default: return isDigit(c);
    }
}

bool isLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Operator results on operands in a special state: error beats overflow,
// overflow beats infinity. True when out has been replaced.
bool takeSpecialResult(DecimalNumber& out, const DecimalNumber& rhs) {
    DecimalNumber special;
    if (!specialOperandResult(out, rhs, special)) return false;
    out = special;
    return true;
}

// y\x: the angle of the point (x, y), in the evaluation's angle unit.
DecimalNumber twoArgumentArcTangent(const DecimalNumber& y, const DecimalNumber& x) {
    const bool degrees = evaluationContext.angleMode != 0;
    if (x.isZero()) {
        DecimalNumber quarter = degrees ? DecimalNumber::fromInt(90) : piConstant.divide(DecimalNumber::fromInt(2));
        if (y.isNegative()) quarter.negate();
        return quarter;
    }
    DecimalNumber t = y.divide(x).arcTangent();
    if (!degrees) t = degreesToRadians(t);
    if (x.isNegative()) {
        const DecimalNumber half = degrees ? DecimalNumber::fromInt(180) : piConstant;
        t = y.isNegative() ? t.subtract(half) : t.add(half);
    }
    return t;
}

}  // namespace

// ---- Entry --------------------------------------------------------------------------

DecimalNumber ExpressionParser::evaluate(const char* text, int angleMode, const DecimalNumber& x,
                                         const DecimalNumber& y, const DecimalNumber& z) {
    initPiConstant();
    position = text != nullptr ? text : "";
    depth = 0;
    tooDeep = false;
    evaluationContext.angleMode = angleMode;
    evaluationContext.x = x;
    evaluationContext.y = y;
    evaluationContext.z = z;

    nextToken();
    if (tokenText.empty()) return DecimalNumber::fromText("0");
    DecimalNumber out;
    parseSum(out);
    return tooDeep ? DecimalNumber::errorState() : out;
}

// ---- Scanner --------------------------------------------------------------------------

void ExpressionParser::nextToken() {
    tokenText.clear();
    tokenKind = kTokenNone;
    if (*position == '\0') return;

    // Whitespace is passed over.
    while (isWhitespace(static_cast<unsigned char>(*position))) ++position;
    const unsigned char first = static_cast<unsigned char>(*position);
    if (first == '\0') return;

    // A one-character operator.
    if (isOperatorCharacter(first)) {
        tokenText.push_back(*position++);
        tokenKind = kTokenOperator;
        return;
    }

    // An operand runs to a delimiter; a delimiter right after an "E"
    // belongs to the operand (1E-5). The end of the text always ends it.
    if (isOperandStarter(first)) {
        while (*position != '\0') {
            const unsigned char c = static_cast<unsigned char>(*position);
            const bool afterE = !tokenText.empty() && tokenText.back() == 'E';
            if (isDelimiter(c) && !afterE) break;
            tokenText.push_back(*position++);
        }
        tokenKind = kTokenOperand;
        return;
    }

    // A name runs to a delimiter, a digit or a point (sqrt16).
    if (isLetter(first)) {
        while (true) {
            const unsigned char c = static_cast<unsigned char>(*position);
            if (isDelimiter(c) || isDigit(c) || c == '.') break;
            tokenText.push_back(*position++);
        }
        tokenKind = kTokenName;
        return;
    }

    // Any other character: an empty token that nothing consumes.
}

// ---- Grammar ----------------------------------------------------------------------------

void ExpressionParser::parseSum(DecimalNumber& out) {
    DecimalNumber rhs;
    parseProduct(out);
    while (tokenStart() == '+' || tokenStart() == '-') {
        const char op = tokenStart();
        nextToken();
        parseProduct(rhs);
        out = op == '+' ? out.add(rhs) : out.subtract(rhs);
    }
}

void ExpressionParser::parseProduct(DecimalNumber& out) {
    DecimalNumber rhs;
    parseFactor(out);
    while (tokenStart() == '*' || tokenStart() == '/' || tokenStart() == '%') {
        const char op = tokenStart();
        nextToken();
        parseFactor(rhs);
        if (op == '*') {
            out = out.multiply(rhs);
        } else if (rhs.isOverflow() && !out.isSpecial()) {
            // A finite value over one beyond the digit limit: the division's
            // own cut decides (1/9^10480 is 0).
            out = op == '/' ? out.divide(rhs) : out.remainder(rhs);
        } else if (takeSpecialResult(out, rhs)) {
            // A special operand decides the quotient or remainder.
        } else if (rhs.isZero()) {
            out.setScale(DecimalNumber::kErrorScale);  // digits untouched
        } else {
            out = op == '/' ? out.divide(rhs) : out.remainder(rhs);
        }
    }
}

void ExpressionParser::parseFactor(DecimalNumber& out) {
    DecimalNumber rhs;
    parsePrimary(out);

    // Power: a negative exponent gives the reciprocal of the positive power;
    // a zero power there (0^-2) has no reciprocal and gives the error state.
    if (tokenStart() == '^') {
        nextToken();
        parsePrimary(rhs);
        if (takeSpecialResult(out, rhs)) {
        } else if (rhs.isNegative()) {
            rhs.negate();
            const DecimalNumber positivePower = out.power(rhs);
            if (positivePower.isOverflow()) {
                // Past the digit limit: an integer exponent lets the power
                // itself tell a value beyond the limit (reciprocal 0) from a
                // base only written too wide (00.5); e^(y·ln x) overflows only
                // by value.
                rhs.negate();
                out = rhs.scale == 0 ? out.power(rhs) : DecimalNumber::fromInt(0);
            } else {
                out = positivePower.isZero() && !positivePower.isSpecial()
                          ? DecimalNumber::errorState()
                          : DecimalNumber::fromInt(1).divide(positivePower);
            }
        } else {
            out = out.power(rhs);
        }
    }

    // Comparison: 1 when the left side is greater, else 0.
    if (tokenStart() == '>') {
        nextToken();
        parsePrimary(rhs);
        if (!takeSpecialResult(out, rhs)) {
            out = DecimalNumber::fromInt(out.greaterThan(rhs) ? 1 : 0);
        }
    }

    // Hypotenuse x'y = sqrt(x*x + y*y).
    if (tokenStart() == '\'') {
        nextToken();
        parsePrimary(rhs);
        if (!takeSpecialResult(out, rhs)) {
            out = out.multiply(out).add(rhs.multiply(rhs)).squareRoot();
        }
    }

    // Two-argument arctangent y\x.
    if (tokenStart() == '\\') {
        const DecimalNumber y = out;
        nextToken();
        parsePrimary(rhs);
        const DecimalNumber x = rhs;
        if (!takeSpecialResult(out, x)) out = twoArgumentArcTangent(y, x);
    }
}

// A leading sign with a function name negates the function's result
// (-sin30 is -0.5); without a name it negates the operand.
void ExpressionParser::parsePrimary(DecimalNumber& out) {
    char leadingSign = '\0';
    char name[6] = {};
    if (tokenKind == kTokenOperator && (tokenStart() == '+' || tokenStart() == '-')) {
        leadingSign = tokenStart();
        nextToken();
    }
    if (tokenKind == kTokenName) {
        std::strncpy(name, tokenText.c_str(), sizeof name - 1);
        nextToken();
    }
    parseOperand(out);
    if (name[0] == '\0') {
        if (leadingSign == '-') out.negate();
        return;
    }
    applyFunction(name, out);
    if (leadingSign == '-') out.negate();
}

// "(" sum ")": the token after the sum is consumed whatever it is, so a
// missing ")" at the end of the text is tolerated.
void ExpressionParser::parseOperand(DecimalNumber& out) {
    if (tokenStart() == '(') {
        if (depth == kMaxNestingDepth) {
            // Too deep: the rest of the text is left unread and every open
            // level returns at once.
            tooDeep = true;
            position += std::strlen(position);
            tokenText.clear();
            tokenKind = kTokenNone;
            return;
        }
        ++depth;
        nextToken();
        parseSum(out);
        nextToken();
        --depth;
        return;
    }
    parseAtom(out);
}

void ExpressionParser::parseAtom(DecimalNumber& out) {
    if (tokenKind != kTokenOperand) return;
    if (tokenText == "pi") {
        out = piConstant;
    } else if (tokenText == "x" || tokenText == "X") {
        out = evaluationContext.x;
    } else if (tokenText == "y" || tokenText == "Y") {
        out = evaluationContext.y;
    } else if (tokenText == "z" || tokenText == "Z") {
        out = evaluationContext.z;
    } else {
        out = DecimalNumber::fromText(tokenText.c_str());
    }
    nextToken();
}
