// No expression text of the lengths the boxes allow may crash, hang or run
// out of stack, on a thread with the 1 MiB stack of a Windows thread.
#include "calculator_state.h"
#include "random_decimals.h"
#include "recalculation_driver.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <string>

namespace {

// Replaces the expression text it is given by its answer.
void* recalculateOnThread(void* text) {
    std::string& expression = *static_cast<std::string*>(text);
    expression = answerOf(expression).result;
    return nullptr;
}

// Runs the recalculation on a thread with a 1 MiB stack.
std::string answerOnSmallStack(std::string text) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 1 << 20);
    pthread_t thread;
    EXPECT_EQ(pthread_create(&thread, &attributes, recalculateOnThread, &text), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    return text;
}

TEST(RobustnessTest, DeepNestingOfAWholeExpressionBox) {
    std::string signedFunctions;
    while (signedFunctions.size() + 6 < kExpressionTextCapacity) signedFunctions += "-abs(";
    EXPECT_EQ(answerOnSmallStack(std::string(kExpressionTextCapacity - 2, '(') + "7"), "7");
    EXPECT_EQ(answerOnSmallStack(signedFunctions + "2"), "-2"); // -abs(...) is never positive
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
        for (int k = random.between(1, 40); k > 0; --k) text += pieces[random.below(std::size(pieces))];
        const Answer answer = answerOf(text, {.displayDecimals = -1});
        EXPECT_FALSE(answer.result.empty()) << text;
        EXPECT_LT(answer.result.size(), kResultTextCapacity) << text;
    }
}

} // namespace
