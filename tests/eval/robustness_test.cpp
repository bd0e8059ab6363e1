// No expression text of the lengths the boxes allow may crash, hang or run
// out of stack, on a thread with the 1 MiB stack of a Windows thread.
#include "calculator_state.h"
#include "expression_parser.h"
#include "random_decimals.h"
#include "recalculation_driver.h"

#include <gtest/gtest.h>
#include <pthread.h>
#if !defined(_WIN32)
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include <string>
#include <utility>

namespace {

// A Windows thread's 1 MiB stack, and half the calculator's own main-thread
// stack; the sanitizer's guard zones make every frame several times larger,
// so that build gives the thread as much more.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kFrameGrowth = 6;
#else
constexpr std::size_t kFrameGrowth = 1;
#endif
constexpr std::size_t kSmallStack = kFrameGrowth << 20;
constexpr std::size_t kHalfProgramStack = kFrameGrowth << 23;

struct StackRun {
    std::string expression;
    Settings settings;
};

// Replaces the expression text it is given by its answer.
void* recalculateOnThread(void* run) {
    StackRun& r = *static_cast<StackRun*>(run);
    r.expression = answerOf(r.expression, r.settings).result;
    return nullptr;
}

// Runs the recalculation on a thread with a small stack.
std::string answerOnSmallStack(std::string text, Settings settings = {}, std::size_t stack = kSmallStack) {
    StackRun run{std::move(text), std::move(settings)};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stack);
    pthread_t thread;
    EXPECT_EQ(pthread_create(&thread, &attributes, recalculateOnThread, &run), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    return run.expression;
}

TEST(RobustnessTest, DeepNestingOfAWholeExpressionBox) {
    std::string signedFunctions;
    while (signedFunctions.size() + 6 < kExpressionTextCapacity) signedFunctions += "-abs(";
    EXPECT_EQ(answerOnSmallStack(std::string(kExpressionTextCapacity - 2, '(') + "7"), "7");
    EXPECT_EQ(answerOnSmallStack(signedFunctions + "2"), "-2");  // -abs(...) is never positive
}

// The nesting bound itself, beyond what any box holds: 1000 levels are
// evaluated, one more gives the error state without going deeper.
TEST(RobustnessTest, NestingPastTheBoundIsAnError) {
    ExpressionParser parser;
    const DecimalNumber zero = DecimalNumber::fromInt(0);
    for (const auto& [levels, expected] :
         {std::pair{1000, "7"}, std::pair{1001, "ERROR"}, std::pair{100000, "ERROR"}}) {
        const std::string text = std::string(static_cast<std::size_t>(levels), '(') + "7";
        EXPECT_EQ(parser.evaluate(text.c_str(), 1, zero, zero, zero).toText(0), expected) << levels;
    }
    EXPECT_EQ(parser.evaluate("(((2)))+(3)", 1, zero, zero, zero).toText(0), "5") << "the count starts afresh";
}

// A keystroke while a function's message box is open recalculates inside it.
// A deep x whose logarithm fails opens a box on every recalculation; 100
// keystrokes in a row, each inside the box of the one before, must neither
// outgrow the stack nor lose the last text's answer.
TEST(RobustnessTest, RecalculationsNestedInMessageBoxesStayWithinTheStack) {
    static int boxes = 0;
    static int open = 0;
    static int deepest = 0;
    boxes = open = deepest = 0;
    installPlatformSeam({[](const char*, const char*) {
                             if (++boxes > 100) return;
                             deepest = std::max(deepest, ++open);
                             const std::string typed = std::to_string(boxes) + "+x";
                             copyText(calculatorState.expressionText, typed.c_str());
                             recalculate();
                             --open;
                         },
                         nullptr});
    const std::string deepLog = std::string(990, '(') + "ln0";
    const std::string answer = answerOnSmallStack("0", {.x = deepLog}, kHalfProgramStack);
    installPlatformSeam({nullptr, nullptr});
    EXPECT_EQ(boxes, 101);
    EXPECT_EQ(answer, "99");  // 100 + ln0's -1
    // Each open box holds a recalculation with its deep evaluation: at most
    // four at once, the rest wait.
    EXPECT_GE(deepest, 2);
    EXPECT_LE(deepest, 4);
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
// Memory that runs out during a recalculation: the answer is OVERFLOW, and
// once memory is free again the next recalculation puts the reserve back
// for the next shortage, which the program survives too.
TEST(OutOfMemoryDeathTest, ARecalculationThatRunsOutAnswersOverflowAndRestoresTheReserve) {
    EXPECT_EXIT(
        {
            const std::string wide = "1" + std::string(900, '0');
            // Ten factors of 901 digits, divided back down to x.
            const std::string heavy = "x*x*x*x*x*x*x*x*x*x/x/x/x/x/x/x/x/x/x";
            const bool normal = answerOf(heavy, {.x = wide}).result == wide;
            std::size_t used = 0;
            if (std::FILE* status = std::fopen("/proc/self/statm", "r")) {
                unsigned long pages = 0;
                if (std::fscanf(status, "%lu", &pages) == 1) used = pages * 4096;
                std::fclose(status);
            }
            rlimit limit{};
            getrlimit(RLIMIT_AS, &limit);
            limit.rlim_cur = used + (std::size_t{32} << 20);
            setrlimit(RLIMIT_AS, &limit);
            std::vector<void*> blocks;
            blocks.reserve(std::size_t{1} << 21);  // no growth while memory is short
            // Large blocks take the address space, small ones what the heap
            // still holds free; all of it goes back on release.
            const auto fill = [&blocks] {
                for (const std::size_t size : {std::size_t{1} << 20, std::size_t{4} << 10, std::size_t{64}}) {
                    for (void* block = nullptr;
                         blocks.size() < blocks.capacity() && (block = std::malloc(size)) != nullptr;) {
                        blocks.push_back(block);
                    }
                }
            };
            const auto release = [&blocks] {
                for (void* block : blocks) std::free(block);
                blocks.clear();
            };
            fill();
            const bool first = answerOf(heavy, {.x = wide}).result == "OVERFLOW";
            release();
            const bool between = answerOf("1+1", {}).result == "2";  // the reserve goes back
            fill();
            const bool second = answerOf(heavy, {.x = wide}).result == "OVERFLOW";  // met from it again
            release();
            std::exit(normal && first && between && second ? 3 : 4);
        },
        testing::ExitedWithCode(3), "");
}
#endif

// Random texts over the characters an expression can hold: every one gives
// an answer that fits the result box.
TEST(RobustnessTest, RandomTextsGiveAnAnswer) {
    const std::string pieces[] = {"+",   "-",    "*",   "/",   "%",   "^",    ">",         "'",      "\\",   "(",
                                  ")",   "=",    "1",   "7",   "0",   ".",    "9",         "E",      "x",    "y",
                                  "z",   "pi",   " ",   "sin", "cos", "tan",  "asin",      "acos",   "atan", "ln",
                                  "log", "sqrt", "exp", "abs", "#",   "\xb5", "123456789", ".000001"};
    RandomDecimals random(20261207);
    for (int i = 0; i < 400; ++i) {
        std::string text;
        for (int k = random.between(1, 40); k > 0; --k) text += pieces[random.below(std::size(pieces))];
        const Answer answer = answerOf(text, {.displayDecimals = -1});
        EXPECT_FALSE(answer.result.empty()) << text;
        EXPECT_LT(answer.result.size(), kResultTextCapacity) << text;
    }
}

}  // namespace
