// The calculation file's text: what the writer builds byte for byte, what the
// reader accepts and refuses, and round trips through both.
#include "calculation_file_text.h"
#include "calculator_state.h"
#include "saved_calculation_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

class CalculationFile : public testing::Test {
protected:
    void SetUp() override {
        resetCalculatorState();
        installClock(fixedAfternoon);
    }
    void TearDown() override {
        installClock(nullptr);
        resetCalculatorState();
    }

    static void setPresent(const std::vector<const char*>& terms, const char* input, const char* result) {
        CalculatorState& s = calculatorState;
        s.boxCount = static_cast<int>(terms.size()) + 1;
        for (std::size_t i = 0; i < terms.size(); ++i) copyText(s.boxStore[i + 1], terms[i]);
        copyText(s.inputText, input);
        copyText(s.resultText, result);
    }
    static void addSaved(const std::string& text) {
        calculatorState.savedCalculations[++calculatorState.savedCount] = text;
    }
};

TEST_F(CalculationFile, WritesTheNineLineExampleByteForByte) {
    addSaved("5\n+3=8\nSaved: 3/7/2008 1:07 PM");
    setPresent({}, "12", "12");
    EXPECT_EQ(buildCalculationFileText(dateStamp()),
              "Marrowfieldtallymaster 2\n\n5\n+3=8\nSaved: 3/7/2008 1:07 PM\n\n12=12\nSaved: 3/7/2008 1:09 PM\n\n");
}

TEST_F(CalculationFile, FreshCalculatorWritesCountOne) {
    setPresent({}, "", "0");
    const std::string text = buildCalculationFileText("1/1/2026 0:05 AM");
    EXPECT_EQ(text, "Marrowfieldtallymaster 1\n\n=0\nSaved: 1/1/2026 0:05 AM\n\n");
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST_F(CalculationFile, EmptyPopupBoxAddsNoLine) {
    setPresent({"5", "", "+3"}, "-1", "7");
    EXPECT_EQ(savedCalculationText("S"), "5\n+3\n-1=7\nSaved: S");
}

struct RoundTripCase {
    const char* name;
    int saved;
    std::vector<const char*> terms;
    const char* input;
    const char* result;
};

class RoundTrip : public CalculationFile, public testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, ReadsBackEveryEntry) {
    const RoundTripCase& c = GetParam();
    for (int i = 1; i <= c.saved; ++i) {
        addSaved(std::to_string(i) + "\n+" + std::string(static_cast<std::size_t>(i) * 37, '9') + "=" +
                 std::to_string(i) + "\nSaved: 3/7/2008 1:07 PM");
    }
    setPresent(c.terms, c.input, c.result);
    const std::vector<std::string> saved(calculatorState.savedCalculations + 1,
                                         calculatorState.savedCalculations + 1 + c.saved);
    const std::string present = savedCalculationText(dateStamp());
    const std::string text = buildCalculationFileText(dateStamp());

    std::vector<std::string> entries;
    ASSERT_TRUE(parseCalculationFileText(text, entries));
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(c.saved + 1));
    for (int i = 0; i < c.saved; ++i) EXPECT_EQ(entries[i], saved[i]);
    EXPECT_EQ(entries.back(), present);

    resetCalculatorState();
    EXPECT_EQ(installCalculationFileEntries(entries), present + "=");
    EXPECT_EQ(calculatorState.savedCount, c.saved);
    for (int i = 0; i < c.saved; ++i) EXPECT_EQ(calculatorState.savedCalculations[i + 1], saved[i]);
}

const RoundTripCase kRoundTripCases[] = {
    {"NothingSaved", 0, {}, "12", "12"},
    {"OneSaved", 1, {"5", "+3"}, "-1", "7"},
    {"NineSavedTwoDigitCount", 9, {"5"}, "+5", "10"},
    {"ThirtySaved", 30, {"1", "+2", "+3", "+4", "+5", "+6", "+7", "+8", "+9"}, "+10", "55"},
    {"LongTerms", 2, {"123456789012345678901234567890123456789012345678901234567890"}, "*2",
     "246913578024691357802469135780246913578024691357802469135780"},
    {"GroupedResult", 1, {"1000000"}, "*3", "3,000,000"},
    {"ErrorResult", 1, {"1"}, "/0", "ERROR"},
    {"OverflowResult", 3, {"9"}, "^99999", "OVERFLOW"},
};

INSTANTIATE_TEST_SUITE_P(File, RoundTrip, testing::ValuesIn(kRoundTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::string bytes;
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, LeavesTheEntriesUntouched) {
    std::vector<std::string> entries = {"kept"};
    EXPECT_FALSE(parseCalculationFileText(GetParam().bytes, entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "kept");
}

const RefusalCase kRefusalCases[] = {
    {"Empty", ""},
    {"WrongMagic", "Marrowfieldtallymastex 1\n\n=0\nSaved: x\n\n"},
    {"ShortMagic", "Marrowfield"},
    {"CountZero", "Marrowfieldtallymaster 0\n\n=0\nSaved: x\n\n"},
    {"CountThirtyTwo", std::string("Marrowfieldtallymaster 32\n\n") + [] {
         std::string all;
         for (int i = 0; i < 32; ++i) all += "=0\nSaved: x\n\n";
         return all;
     }()},
    {"NoCount", "Marrowfieldtallymaster x\n\n=0\nSaved: x\n\n"},
    {"FewerEntriesThanCount", "Marrowfieldtallymaster 3\n\n1=1\nSaved: x\n\n2=2\nSaved: x\n\n"},
    {"LastEntryUnterminated", "Marrowfieldtallymaster 1\n\n=0\nSaved: x\n"},
    {"NoSeparatorAfterHeader", "Marrowfieldtallymaster 1\n=0\nSaved: x"},
    {"TooLarge", std::string("Marrowfieldtallymaster 1\n\n=0\nSaved: x\n\n") + std::string(1024 * 1024, 'x')},
};

INSTANTIATE_TEST_SUITE_P(File, Refusal, testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationFileReader, ReadsCarriageReturnLineEnds) {
    std::vector<std::string> entries;
    ASSERT_TRUE(parseCalculationFileText(
        "Marrowfieldtallymaster 2\r\n\r\n5\r\n+3=8\r\nSaved: a\r\n\r\n12=12\r\nSaved: b\r\n\r\n", entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "5\n+3=8\nSaved: a");
    EXPECT_EQ(entries[1], "12=12\nSaved: b");
}

TEST(CalculationFileReader, IgnoresTextAfterTheLastEntryAndReadsOneDigitCounts) {
    std::vector<std::string> entries;
    ASSERT_TRUE(parseCalculationFileText("Marrowfieldtallymaster 1\n\n7=7\nSaved: a\n\nstray text\n\n", entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "7=7\nSaved: a");
}

TEST(CalculationFileReader, ReadsFarBeyondEightHundredBytes) {
    std::string text = "Marrowfieldtallymaster 31\n\n";
    for (int i = 1; i <= 31; ++i) text += std::string(200, static_cast<char>('0' + i % 10)) + "=1\nSaved: a\n\n";
    std::vector<std::string> entries;
    ASSERT_TRUE(parseCalculationFileText(text, entries));
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[30].substr(0, 3), "111");
}

struct StampCase {
    const char* name;
    LocalTime time;
    const char* stamp;
};

class DateStamp : public testing::TestWithParam<StampCase> {};

const StampCase* currentStamp = nullptr;
LocalTime stampClock() { return currentStamp->time; }

TEST_P(DateStamp, UsesTwelveHourTime) {
    currentStamp = &GetParam();
    installClock(stampClock);
    EXPECT_STREQ(dateStamp(), GetParam().stamp);
    installClock(nullptr);
}

const StampCase kStampCases[] = {
    {"JustAfterMidnight", {2026, 12, 7, 0, 5}, "12/7/2026 0:05 AM"},
    {"HalfPastNoon", {2026, 1, 31, 12, 30}, "1/31/2026 12:30 PM"},
    {"Afternoon", {2008, 3, 7, 13, 7}, "3/7/2008 1:07 PM"},
    {"BeforeNoon", {2008, 3, 7, 11, 59}, "3/7/2008 11:59 AM"},
    {"LateEvening", {1999, 12, 31, 23, 0}, "12/31/1999 11:00 PM"},
};

INSTANTIATE_TEST_SUITE_P(Stamp, DateStamp, testing::ValuesIn(kStampCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
