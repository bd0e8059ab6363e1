// The date stamp and the saved calculation text as the Clear buttons file it.
#include "calculator_state.h"
#include "saved_calculation_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StampCase {
    const char* name;
    LocalTime time;
    const char* stamp;
};

void PrintTo(const StampCase& c, std::ostream* out) { *out << c.name; }

const StampCase* currentCase = nullptr;
LocalTime fixedClock() { return currentCase->time; }

class DateStampAt : public testing::TestWithParam<StampCase> {
protected:
    void TearDown() override { installClock(nullptr); }
};

TEST_P(DateStampAt, WritesTwelveHourTime) {
    currentCase = &GetParam();
    installClock(fixedClock);
    EXPECT_STREQ(dateStamp(), GetParam().stamp);
}

const StampCase kStampCases[] = {
    {"At0005", {2008, 3, 7, 0, 5}, "3/7/2008 0:05 AM"},
    {"At1159", {2008, 3, 7, 11, 59}, "3/7/2008 11:59 AM"},
    {"At1230", {2008, 3, 7, 12, 30}, "3/7/2008 12:30 PM"},
    {"At1307", {2008, 3, 7, 13, 7}, "3/7/2008 1:07 PM"},
    {"At2359", {2008, 12, 31, 23, 59}, "12/31/2008 11:59 PM"},
};

INSTANTIATE_TEST_SUITE_P(Clock, DateStampAt, testing::ValuesIn(kStampCases),
                         [](const auto& info) { return std::string(info.param.name); });

class SavedText : public testing::Test {
protected:
    void SetUp() override { resetCalculatorState(); }
};

TEST_F(SavedText, TermsEachOnALineThenInputResultAndStamp) {
    calculatorState.boxCount = 2;
    copyText(calculatorState.boxStore[1], "5");
    copyText(calculatorState.inputText, "+3");
    copyText(calculatorState.resultText, "8");
    EXPECT_EQ(savedCalculationText("3/7/2008 1:07 PM"), "5\n+3=8\nSaved: 3/7/2008 1:07 PM");
}

TEST_F(SavedText, FreshCalculatorSavesOnlyTheAnswer) {
    copyText(calculatorState.resultText, "0");
    EXPECT_EQ(savedCalculationText("S"), "=0\nSaved: S");
}

TEST_F(SavedText, KeepsTheGroupedAnswerAndEveryCharacter) {
    calculatorState.boxCount = 2;
    const std::string term(900, '9');
    copyText(calculatorState.boxStore[1], term.c_str());
    copyText(calculatorState.resultText, "1,234");
    EXPECT_EQ(savedCalculationText("S"), term + "\n=1,234\nSaved: S");
}

} // namespace
