// The date stamp and the saved calculation text as the Clear buttons file it.
#include "calculator_state.h"
#include "case_label.h"
#include "saved_calculation_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct StampCase {
    const char* label;
    LocalTime time;
    const char* stamp;
};

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
    {"At0005", {2008, 3, 7, 0, 5}, "3/7/2008 0:05 AM"},        {"At1159", {2008, 3, 7, 11, 59}, "3/7/2008 11:59 AM"},
    {"At1230", {2008, 3, 7, 12, 30}, "3/7/2008 12:30 PM"},     {"At1307", {2008, 3, 7, 13, 7}, "3/7/2008 1:07 PM"},
    {"At2359", {2008, 12, 31, 23, 59}, "12/31/2008 11:59 PM"},
};

INSTANTIATE_TEST_SUITE_P(Clock, DateStampAt, testing::ValuesIn(kStampCases), CaseLabel());

// Every other test fixes the clock; the system's own must give today's date
// (local time is within a day of the UTC date).
TEST(SystemClock, StampsTodaysDate) {
    installClock(nullptr);
    int month = 0, day = 0, year = 0;
    ASSERT_EQ(std::sscanf(dateStamp(), "%d/%d/%d", &month, &day, &year), 3) << dateStamp();
    using namespace std::chrono;
    const sys_days stamped{std::chrono::year{year} / month / day};
    const sys_days today = floor<days>(system_clock::now());
    EXPECT_LE(abs((stamped - today).count()), 1) << dateStamp();
}

struct SavedTextCase {
    const char* label;
    std::vector<std::string> terms;  // oldest first
    const char* input;
    const char* result;
    std::string saved;
};

class SavedText : public testing::TestWithParam<SavedTextCase> {};

TEST_P(SavedText, TermsEachOnALineThenInputResultAndStamp) {
    const SavedTextCase& c = GetParam();
    resetCalculatorState();
    CalculatorState& s = calculatorState;
    for (const std::string& term : c.terms) copyText(s.boxStore[s.boxCount++], term.c_str());
    copyText(calculatorState.inputText, c.input);
    copyText(calculatorState.resultText, c.result);
    EXPECT_EQ(savedCalculationText("3/7/2008 1:07 PM"), c.saved + "\nSaved: 3/7/2008 1:07 PM");
}

const SavedTextCase kSavedTextCases[] = {
    {"TermAndInput", {"5"}, "+3", "8", "5\n+3=8"},
    {"FreshCalculatorOnlyTheAnswer", {}, "", "0", "=0"},
    // No cut however long, and the grouped answer as shown.
    {"LongTermAndGroupedAnswer", {std::string(900, '9')}, "", "1,234", std::string(900, '9') + "\n=1,234"},
    // Enter pressed in a box: one line per term, never an empty line.
    {"LineBreaksInABoxAreLeftOut", {"12\r\n", "\r\n", "+3"}, "+5\r\n\r\n", "20", "12\n+3\n+5=20"},
};

INSTANTIATE_TEST_SUITE_P(Clear, SavedText, testing::ValuesIn(kSavedTextCases), CaseLabel());

}  // namespace
