// Function names, argument checks with their message boxes, angle units.
#include "recalculation_driver.h"

#include "case_label.h"

#include "function_application.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const AnswerCase kFunctionCases[] = {
    {"Sin", "sin30", ".5"},
    {"SinAbbreviated", "s30", ".5"},
    {"SinLongName", "sinus30", ".5"},
    {"FiveLettersNotSqrtMeanSine", "sqrtx30", ".5"},
    {"SinHalfTurnIsNegativeZero", "sin180", "-0"},
    {"Cos", "cos60", ".5"},
    {"CosAbbreviated", "c60", ".5"},
    {"Tan", "tan45", "1"},
    {"TanAbbreviated", "t45", "1"},
    {"ArcSine", "asin1", "90"},
    {"ArcSineAbbreviated", "as1", "90"},
    {"ArcSineOfMinusOnePasses", "asin(-1)", "-90"},
    {"ArcCosine", "acos0", "90"},
    {"ArcCosineAbbreviated", "ac0", "90"},
    {"ArcTangent", "atan1", "45"},
    {"ArcTangentAbbreviated", "at1", "45"},
    {"NaturalLogOfOne", "ln1", "0.0"},
    {"NaturalLogAbbreviated", "l(1)", "0.0"},
    {"Log", "log100", "2"},
    {"SquareRootShort", "sq16", "4"},
    {"SquareRoot", "sqrt16", "4"},
    {"SquareRootOfZeroPasses", "sqrt0", "0"},
    {"Exponential", "exp1", "2.7182818284"},
    {"ExponentialAnyE", "e1", "2.7182818284"},
    {"Absolute", "abs(-5)", "5"},
    {"AbsoluteFindsNoOperand", "abs-5", "-5"},
    {"UpperCaseMatchesNothing", "SIN30", "30"},
    {"UnknownLg", "lg100", "100"},
    {"UnknownArc", "arc5", "5"},
    {"UnknownLogx", "logx100", "100"},
    {"FunctionBeforePower", "sin30^2", ".25"},
    {"SignNegatesFunctionResult", "-sin30", "-.5"},
    {"SignAfterOperatorNegatesFunctionResult", "2*-sin30", "-1"},
    {"PlusSignKeepsFunctionResult", "+cos60", ".5"},
    {"SignNegatesBeforeSquareRootCheck", "-sqrt16", "-4"},
    {"RadiansSine", "sin(pi/6)", ".5", {.radians = true}},
    {"RadiansArcSine", "asin1", "1.5707963268", {.radians = true}},
    {"RadiansArcTangent", "atan1", ".7853981634", {.radians = true}},
    {"RadiansLogUnchanged", "ln1", "0.0", {.radians = true}},
    {"SpecialStatesPassUnchecked", "ln(1/0)", "ERROR"},
};

INSTANTIATE_TEST_SUITE_P(FunctionNames, AnswerTest, testing::ValuesIn(kFunctionCases), CaseLabel());

// ---- Argument checks -------------------------------------------------------------

struct CheckCase {
    const char* label;
    std::string expression;
    std::string title;
    std::string text;
    std::string expected;  // the answer after the box is dismissed
};

class ArgumentCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ArgumentCheckTest, ShowsMessageAndGoesOn) {
    const CheckCase& c = GetParam();
    const Answer answer = answerOf(c.expression);
    ASSERT_EQ(answer.messages.size(), 1u) << c.expression;
    EXPECT_EQ(answer.messages[0].title, c.title);
    EXPECT_EQ(answer.messages[0].text, c.text);
    EXPECT_EQ(answer.result, c.expected);
}

const char kPositive[] = "The argument must be positive.";

const CheckCase kCheckCases[] = {
    {"ArcSineAboveOne", "asin2", "Inverse sine Error", "The argument must be between\n-1 and +1 for inverse sine.",
     "ERROR"},
    {"ArcCosineBelowMinusOne", "acos(-1.5)", "Inverse cosine Error",
     "The argument must be between\n-1 and +1 for inverse cosine.", "ERROR"},
    {"NaturalLogOfZeroGivesMinusOne", "l(0)", "Natural Log Error", kPositive, "-1"},
    {"MinusOneIsUsedFurther", "5+l(0)", "Natural Log Error", kPositive, "4"},
    {"NaturalLogOfNegativeZero", "ln(-0)", "Natural Log Error", kPositive, "-1"},
    {"EmptyOperandWhileTyping", "5+l", "Natural Log Error", kPositive, "4"},
    {"LogOfNegative", "log(-10)", "Base 10 Log Error", kPositive, "-1"},
    {"SquareRootOfNegative", "sqrt(-4)", "Square Root Error", kPositive, "ERROR"},
    {"SquareRootOfNegativeZero", "sqrt(-0)", "Square Root Error", kPositive, "ERROR"},
    {"ErrorGoesThroughLaterOperators", "1+sqrt(-4)*2", "Square Root Error", kPositive, "ERROR"},
};

INSTANTIATE_TEST_SUITE_P(Checks, ArgumentCheckTest, testing::ValuesIn(kCheckCases), CaseLabel());

// The name rule as twelve tests in order, each match replacing the code of
// an earlier one.
char codeByTheTwelveTests(const std::string& n) {
    char code = '\0';
    if (n[0] == 's') code = 's';
    if (n == "asin" || n == "as") code = 'S';
    if (n[0] == 'c') code = 'c';
    if (n == "acos" || n == "ac") code = 'C';
    if (n[0] == 't') code = 't';
    if (n == "atan" || n == "at") code = 'T';
    if (n == "ln" || n == "l") code = 'l';
    if (n == "log") code = 'L';
    if (n == "sq" || n == "sqrt") code = 'R';
    if (n[0] == 'e') code = 'e';
    if (n == "exp") code = 'e';
    if (n == "abs") code = 'a';
    return code;
}

// Every name of one to three letters from the letters the names use, and
// longer names near the listed ones: the one table gives the code the twelve
// tests give.
TEST(FunctionNameTable, GivesTheCodeOfTheTwelveTestsInOrder) {
    const std::string letters = "abcegilnopqrstxz";
    std::vector<std::string> names = {"asin",  "acos",  "atan", "sqrt",  "sqrtx", "abs", "exp",  "expo", "log", "logx",
                                      "sinus", "cbrt8", "tanh", "atan2", "asine", "lns", "absx", "sqr",  "ee"};
    for (char a : letters) {
        names.push_back(std::string(1, a));
        for (char b : letters) {
            names.push_back(std::string{a, b});
            for (char c : letters) names.push_back(std::string{a, b, c});
        }
    }
    int named = 0;
    for (const std::string& name : names) {
        EXPECT_EQ(functionCode(name.c_str()), codeByTheTwelveTests(name)) << name;
        named += codeByTheTwelveTests(name) != '\0' ? 1 : 0;
    }
    EXPECT_GT(named, 3 * 16 * 16) << "the prefixes were reached";
}

}  // namespace
