// Runs the recalculation as the window does and collects what the user sees:
// the answer and the message boxes, in order.
#pragma once

#include "calculator_state.h"
#include "platform_seam.h"
#include "recalculation.h"

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
    std::string result;                    // resultText
    std::vector<RecordedMessage> messages; // message boxes, in order
    std::string shown;                     // what reached the result box
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

inline std::vector<std::string> titlesOf(const Answer& answer) {
    std::vector<std::string> titles;
    for (const RecordedMessage& message : answer.messages) titles.push_back(message.title);
    return titles;
}
