// The calculation file's text: what the writer builds byte for byte, what the
// reader accepts and refuses, and round trips through both.
#include "calculation_file_text.h"
#include "case_label.h"
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
    static std::vector<std::string> savedEntries() {
        return {calculatorState.savedCalculations + 1,
                calculatorState.savedCalculations + 1 + calculatorState.savedCount};
    }
};

TEST_F(CalculationFile, WritesTheNineLineExampleByteForByte) {
    addSaved("5\n+3=8\nSaved: 3/7/2008 1:07 PM");
    setPresent({}, "12", "12");
    EXPECT_EQ(buildCalculationFileText(dateStamp()),
              "Marrowfieldtallymaster 2\n\n5\n+3=8\nSaved: 3/7/2008 1:07 PM\n\n12=12\nSaved: 3/7/2008 1:09 PM\n\n");
}

TEST_F(CalculationFile, EmptyPopupBoxAddsNoLine) {
    setPresent({"5", "", "+3"}, "-1", "7");
    EXPECT_EQ(savedCalculationText("S"), "5\n+3\n-1=7\nSaved: S");
}

struct RoundTripCase {
    const char* label;
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
    std::vector<std::string> expected = savedEntries();
    expected.push_back(savedCalculationText(dateStamp()));

    std::vector<std::string> entries;
    ASSERT_TRUE(parseCalculationFileText(buildCalculationFileText(dateStamp()), entries));
    EXPECT_EQ(entries, expected);

    resetCalculatorState();
    EXPECT_EQ(installCalculationFileEntries(entries), expected.back() + "=");
    expected.pop_back();
    EXPECT_EQ(savedEntries(), expected);
}

const RoundTripCase kRoundTripCases[] = {
    {"NothingSaved", 0, {}, "12", "12"},
    {"OneSaved", 1, {"5", "+3"}, "-1", "7"},
    {"NineSavedTwoDigitCount", 9, {"5"}, "+5", "10"},
    {"EightSavedCountOfNine", 8, {"4"}, "+5", "9"},
    // Far beyond the 800 bytes an early reader stopped at.
    {"ThirtySaved", 30, {"1", "+2", "+3", "+4", "+5", "+6", "+7", "+8", "+9"}, "+10", "55"},
    {"LongTerms",
     2,
     {"123456789012345678901234567890123456789012345678901234567890"},
     "*2",
     "246913578024691357802469135780246913578024691357802469135780"},
    {"GroupedResult", 1, {"1000000"}, "*3", "3,000,000"},
    {"ErrorResult", 1, {"1"}, "/0", "ERROR"},
    {"OverflowResult", 3, {"9"}, "^99999", "OVERFLOW"},
};

INSTANTIATE_TEST_SUITE_P(File, RoundTrip, testing::ValuesIn(kRoundTripCases), CaseLabel());

std::string repeated(const std::string& text, int times) {
    std::string all;
    while (times-- > 0) all += text;
    return all;
}

struct RefusalCase {
    const char* label;
    std::string bytes;
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, LeavesTheEntriesUntouched) {
    std::vector<std::string> entries = {"kept"};
    EXPECT_FALSE(parseCalculationFileText(GetParam().bytes, entries));
    EXPECT_EQ(entries, std::vector<std::string>{"kept"});
}

const RefusalCase kRefusalCases[] = {
    {"Empty", ""},
    {"WrongMagic", "Marrowfieldtallymastex 1\n\n=0\nSaved: x\n\n"},
    {"ShortMagic", "Marrowfield"},
    {"CountZero", "Marrowfieldtallymaster 0\n\n=0\nSaved: x\n\n"},
    {"CountThirtyTwo", "Marrowfieldtallymaster 32\n\n" + repeated("=0\nSaved: x\n\n", 32)},
    // Read from its first two digits alone, 123 would pass as 12.
    {"CountOfThreeDigits", "Marrowfieldtallymaster 123\n\n" + repeated("=0\nSaved: x\n\n", 123)},
    // "01" followed by a third digit: refused, not read as one entry.
    {"CountWithLeadingZeroOfThreeDigits", "Marrowfieldtallymaster 012\n\n" + repeated("=0\nSaved: x\n\n", 12)},
    {"NoCount", "Marrowfieldtallymaster x\n\n=0\nSaved: x\n\n"},
    {"FewerEntriesThanCount", "Marrowfieldtallymaster 3\n\n1=1\nSaved: x\n\n2=2\nSaved: x\n\n"},
    {"LastEntryUnterminated", "Marrowfieldtallymaster 1\n\n=0\nSaved: x\n"},
    {"NoSeparatorAfterHeader", "Marrowfieldtallymaster 1\n=0\nSaved: x"},
    {"TooLarge", std::string("Marrowfieldtallymaster 1\n\n=0\nSaved: x\n\n") + std::string(1024 * 1024, 'x')},
};

INSTANTIATE_TEST_SUITE_P(File, Refusal, testing::ValuesIn(kRefusalCases), CaseLabel());

std::vector<std::string> entriesOf(const std::string& bytes) {
    std::vector<std::string> entries;
    return parseCalculationFileText(bytes, entries) ? entries : std::vector<std::string>{"refused"};
}

TEST(CalculationFileReader, ReadsCarriageReturnLineEnds) {
    EXPECT_EQ(entriesOf("Marrowfieldtallymaster 2\r\n\r\n5\r\n+3=8\r\nSaved: a\r\n\r\n12=12\r\nSaved: b\r\n\r\n"),
              (std::vector<std::string>{"5\n+3=8\nSaved: a", "12=12\nSaved: b"}));
    // A run of carriage returns before a line feed goes whole (found by fuzzing).
    EXPECT_EQ(entriesOf("Marrowfieldtallymaster 2\n\n5\r\r\n\r\r\n+3=8\n\n12=12\n\n"),
              (std::vector<std::string>{"5", "+3=8"}));
}

TEST(CalculationFileReader, IgnoresTextAfterTheLastEntryAndReadsOneDigitCounts) {
    EXPECT_EQ(entriesOf("Marrowfieldtallymaster 1\n\n7=7\nSaved: a\n\nstray text\n\n"),
              std::vector<std::string>{"7=7\nSaved: a"});
    // An empty entry is read back as empty and still counts.
    EXPECT_EQ(entriesOf("Marrowfieldtallymaster 2\n\n\n\n7=7\n\n"), (std::vector<std::string>{"", "7=7"}));
}

}  // namespace
