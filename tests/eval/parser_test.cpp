// The grammar: operators, precedence, missing operands, unread text, tokens.
#include "decimal_forms.h"
#include "expression_parser.h"
#include "recalculation_driver.h"

#include "case_label.h"

#include <gtest/gtest.h>

namespace {

const AnswerCase kGrammarCases[] = {
    {"ProductBeforeSum", "2+3*4", "14"},
    {"PowerBeforeProduct", "2*3^2", "18"},
    {"NegativeExponent", "2^-2", ".25"},
    {"SignBeforePower", "-2^2", "4"},
    {"SecondPowerEnds", "2^3^2", "8"},
    {"Hypotenuse", "3'4", "5"},
    {"ArcTangentOfOrigin", "0\\0", "90"},
    {"GreaterHolds", "5>3", "1"},
    {"GreaterFails", "3>5", "0"},
    {"GreaterBindsLikePower", "2+5>3", "3"},
    {"PlusMinus", "5+-3", "2"},
    {"MinusMinus", "5--3", "8"},
    {"MinusPlus", "5-+3", "2"},
    {"MissingCloseParenthesis", "(1+2", "3"},
    {"UnmatchedCloseParenthesis", "1+2)*3", "3"},
    {"EqualsEnds", "2+3=7", "5"},
    {"EmptyText", "", "0"},
    {"UnknownCharacterFirst", "#5", "0"},
    {"DivideByZero", "1/0", "ERROR"},
    {"RemainderByZero", "7%0", "ERROR"},
    {"RemainderKeepsDividendSign", "-7%3", "-1"},
    {"UpperCaseVariable", "X", "0.0"},
    {"TwoLettersOneOperand", "xy", "0"},
    {"MissingOperandReusesRightHandValue", "5-3+*2", "8"},
    {"OperandsSideBySide", "2(3)", "2"},
    {"NumberRunsIntoPi", "2pi", "2"},
    {"UnknownNamePassedOver", "foo5", "5"},
    {"ExponentTokenIsOneOperand", "1E-5", "15"},
    {"ExponentPlusTokenIsOneOperand", "2E+3", "23"},
    {"TextEndsInWhitespace", "4+5 \t ", "9"},
    {"WhitespaceBetweenTokens", "4 +\t5\r* 2", "14"},
    {"TextEndsInExponentLetter", "3+2E", "5"},
    {"TextEndsAfterExponentSign", "3+2E-", "5"},
    {"LineFeedInsideOperand", "12\n3", "123"},
    {"ByteAbove127EndsEvaluation",
     "4+\xb5"
     "5",
     "4"},
    {"CommaInsideOperandIsPassedOver", "1,000+2", "1002"},
    {"CommaAfterOperatorEndsEvaluation", "1+,5", "1"},
    {"ThirdSignFindsNoOperand", "5---3", "2"},
    {"PiAtTenDecimals", "pi", "3.1415926536"},
};

INSTANTIATE_TEST_SUITE_P(Grammar, AnswerTest, testing::ValuesIn(kGrammarCases), CaseLabel());

// ---- Two-argument arctangent -----------------------------------------------------

// y\x in both angle modes; radians from bc: 3pi/4, pi, pi/2.
const AnswerCase kArcTangentCases[] = {
    {"SecondQuadrant", "1\\-1", "135"},
    {"SecondQuadrantRadians", "1\\-1", "2.3561944902", {.radians = true}},
    {"ThirdQuadrant", "-1\\-1", "-135"},
    {"ThirdQuadrantRadians", "-1\\-1", "-2.3561944902", {.radians = true}},
    {"NegativeAxis", "0\\-1", "180"},
    {"NegativeAxisRadians", "0\\-1", "3.1415926536", {.radians = true}},
    {"FirstQuadrant", "1\\1", "45"},
    {"FirstQuadrantRadians", "1\\1", ".7853981634", {.radians = true}},
    {"ZeroOverZero", "y\\0", "90", {.y = "0"}},
    {"ZeroOverZeroRadians", "y\\0", "1.5707963268", {.radians = true, .y = "0"}},
    {"NegativeZeroOverZero", "y\\0", "-90", {.y = "-0"}},
    {"NegativeZeroOverZeroRadians", "y\\0", "-1.5707963268", {.radians = true, .y = "-0"}},
    {"NegativeOverZero", "-2\\0", "-90"},
    {"NegativeOverZeroRadians", "-2\\0", "-1.5707963268", {.radians = true}},
};

INSTANTIATE_TEST_SUITE_P(TwoArgumentArcTangent, AnswerTest, testing::ValuesIn(kArcTangentCases), CaseLabel());

// ---- Scanner -------------------------------------------------------------------------

struct TokenCase {
    const char* label;
    std::string text;
    std::vector<std::pair<TokenKind, std::string>> tokens;
};

class ScannerTest : public testing::TestWithParam<TokenCase> {};

TEST_P(ScannerTest, SplitsTokens) {
    const TokenCase& c = GetParam();
    ExpressionParser parser;
    parser.position = c.text.c_str();
    std::vector<std::pair<TokenKind, std::string>> tokens;
    for (int i = 0; i < 20; ++i) {
        parser.nextToken();
        if (parser.tokenKind == kTokenNone) break;
        tokens.emplace_back(parser.tokenKind, parser.tokenText);
    }
    EXPECT_EQ(tokens, c.tokens);
}

const TokenCase kTokenCases[] = {
    {"NameRunsToDigit", "sqrt16", {{kTokenName, "sqrt"}, {kTokenOperand, "16"}}},
    {"NameRunsThroughLetters", "sinx", {{kTokenName, "sinx"}}},
    {"NameStopsAtPoint", "ln.5", {{kTokenName, "ln"}, {kTokenOperand, ".5"}}},
    {"ExponentKeepsSign", "1E-5+2", {{kTokenOperand, "1E-5"}, {kTokenOperator, "+"}, {kTokenOperand, "2"}}},
    {"LowerCaseEDoesNotTakeSign", "2e+3", {{kTokenOperand, "2e"}, {kTokenOperator, "+"}, {kTokenOperand, "3"}}},
    {"TabEndsOperand", "12\t+", {{kTokenOperand, "12"}, {kTokenOperator, "+"}}},
    {"OperandStartersIncludeR", "r5", {{kTokenOperand, "r5"}}},
    {"UnknownCharacterStops", "5#6", {{kTokenOperand, "5#6"}}},
    {"UnknownCharacterFirstIsEmpty", "#6", {}},
    {"WhitespaceOnly", " \n\r\v\f", {}},
};

INSTANTIATE_TEST_SUITE_P(Tokens, ScannerTest, testing::ValuesIn(kTokenCases), CaseLabel());

TEST(ScannerTest, LongTokenIsReadWhole) {
    const std::string number = "1" + std::string(299, '0');
    ExpressionParser parser;
    parser.position = number.c_str();
    parser.nextToken();
    EXPECT_EQ(parser.tokenText, number);
    EXPECT_EQ(answerOf(number + "+1", {.displayDecimals = -1}).result, "1" + std::string(298, '0') + "1");
}

TEST(ScannerTest, EmptyTokenEvaluatesToZeroWithOneDigit) {
    ExpressionParser parser;
    const DecimalNumber zero = DecimalNumber::fromInt(0);
    EXPECT_EQ(formOf(parser.evaluate("  ", 1, zero, zero, zero)), "+0/0");
    EXPECT_EQ(formOf(parser.evaluate(nullptr, 1, zero, zero, zero)), "+0/0");
}

}  // namespace
