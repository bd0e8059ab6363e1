// Runs the recalculation as the window does and collects what the user sees:
// the answer and the message boxes, in order. Also the table of expressions
// that show an answer without any message box, filled by several files.
#pragma once

#include "calculator_state.h"
#include "platform_seam.h"
#include "recalculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Settings {
    int displayDecimals = 10;
    int groupMode = 0;
    bool radians = false;
    std::string x = "0.0";
    std::string y = "0.0";
    std::string z = "0.0";
};

struct Answer {
    std::string result;                     // resultText
    std::vector<RecordedMessage> messages;  // message boxes, in order
    std::string shown;                      // what reached the result box
};

inline Answer answerOf(const std::string& expression, const Settings& settings = {}) {
    resetCalculatorState();
    CalculatorState& state = calculatorState;
    state.displayDecimals = settings.displayDecimals;
    state.groupMode = settings.groupMode;
    state.angleInDegrees = settings.radians ? 0 : 1;
    copyText(state.variableTexts[0], settings.x.c_str());
    copyText(state.variableTexts[1], settings.y.c_str());
    copyText(state.variableTexts[2], settings.z.c_str());
    copyText(state.expressionText, expression.c_str());
    clearRecordedCalls();
    recalculate();
    return {state.resultText, recordedMessages(), recordedResultText()};
}

// An expression, the settings it is evaluated with (10 decimals, degrees,
// no grouping unless stated) and the answer it shows, raising no message.
struct AnswerCase {
    const char* label;
    std::string expression;
    std::string expected;
    Settings settings = {};
};

class AnswerTest : public testing::TestWithParam<AnswerCase> {};
