// No expression text of the lengths the boxes allow may crash, hang or run
// out of stack, on a thread with the 1 MiB stack of a Windows thread.
#include "calculator_state.h"
#include "expression_parser.h"
#include "random_decimals.h"
#include "recalculation_driver.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <string>

namespace {

struct ThreadJob {
    std::string expression;
    std::string result;
};

void* recalculateOnThread(void* argument) {
    ThreadJob& job = *static_cast<ThreadJob*>(argument);
    job.result = answerOf(job.expression).result;
    return nullptr;
}

// Runs the recalculation on a thread with a 1 MiB stack.
std::string answerOnSmallStack(const std::string& expression) {
    ThreadJob job{expression, {}};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 1 << 20);
    pthread_t thread;
    EXPECT_EQ(pthread_create(&thread, &attributes, recalculateOnThread, &job), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    return job.result;
}

TEST(RobustnessTest, DeepParenthesesOfAWholeExpressionBox) {
    const int depth = static_cast<int>(kExpressionTextCapacity) - 2;
    const std::string text = std::string(depth, '(') + "7";
    EXPECT_EQ(answerOnSmallStack(text), "7");
}

TEST(RobustnessTest, DeepSignedFunctionsAndParentheses) {
    std::string text;
    while (text.size() + 6 < kExpressionTextCapacity) text += "-abs(";
    text += "2";
    EXPECT_EQ(answerOnSmallStack(text), "-2"); // -abs(...) is never positive
}

// Random texts over the characters an expression can hold: every one gives
// an answer that fits the result box.
TEST(RobustnessTest, RandomTextsGiveAnAnswer) {
    const std::string pieces[] = {"+", "-", "*", "/", "%", "^", ">", "'", "\\", "(", ")", "=",
                                  "1", "7", "0", ".", "9", "E", "x", "y", "z", "pi", " ",
                                  "sin", "cos", "tan", "asin", "acos", "atan", "ln", "log",
                                  "sqrt", "exp", "abs", "#", "\xb5", "123456789", ".000001"};
    RandomDecimals random(20261207);
    for (int i = 0; i < 400; ++i) {
        std::string text;
        const int length = 1 + static_cast<int>(random.below(40));
        for (int k = 0; k < length; ++k) text += pieces[random.below(std::size(pieces))];
        Settings settings;
        settings.displayDecimals = -1;
        const Answer answer = answerOf(text, settings);
        EXPECT_FALSE(answer.result.empty()) << text;
        EXPECT_LT(answer.result.size(), kResultTextCapacity) << text;
    }
}

} // namespace
