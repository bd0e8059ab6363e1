// File > Open, Save, Save As, closing and File > Print on the real main
// window: the Wine file dialog filled in by the dialog hook, the dialog seam,
// the Memory menu and boxes after opening, and a printout that reaches the
// PDF printer.
#include "calculation_file.h"
#include "calculator_state.h"
#include "control_ids.h"
#include "dialog_answers.h"
#include "saved_calculation_text.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The dialog seam's answer: a chosen path, or cancel when empty.
std::string seamChoice;
int seamCalls = 0;
BOOL WINAPI seamDialog(OPENFILENAMEA* record) {
    ++seamCalls;
    if (seamChoice.empty()) return FALSE;
    copyText(record->lpstrFile, record->nMaxFile, seamChoice.c_str());
    return TRUE;
}

class FileWindow : public testing::Test {
protected:
    void SetUp() override {
        window = startCalculatorWindow();
        ASSERT_NE(window, nullptr);
        installClock(fixedAfternoon);
        seamChoice.clear();
        seamCalls = 0;
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int counter = 0;
        folder = std::string(temp) + "tmwin" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        installFileDialogs(nullptr, nullptr);
        closeCalculatorWindow();
        installClock(nullptr);
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileA((folder + "\\" + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    HWND control(int id, const char* controlClass) const {
        for (HWND child : childrenWithId(window, id)) {
            if (lstrcmpiA(className(child).c_str(), controlClass) == 0) return child;
        }
        return nullptr;
    }
    HWND inputBox() const { return control(kInputBoxId, "Edit"); }
    HWND fileNameStrip() const { return control(kFileNameStripId, "Static"); }
    HWND resultBox() const { return control(kResultBoxId, "Edit"); }
    std::string path(const char* name) const { return folder + "\\" + name; }

    // The Memory menu's entries from position 8 on.
    static std::vector<MenuEntryInfo> calculationItems() {
        std::vector<MenuEntryInfo> entries = menuEntries(barSubmenu(kMemoryMenuIndex));
        if (entries.size() <= static_cast<std::size_t>(kFixedMemoryItems)) return {};
        return std::vector<MenuEntryInfo>(entries.begin() + kFixedMemoryItems, entries.end());
    }

    void closeWindow() {
        SendMessageA(window, WM_CLOSE, 0, 0);
        pumpMessages();
    }

    HWND window = nullptr;
    std::string folder;
};

TEST_F(FileWindow, SaveAsThroughTheWineDialogWritesTheChosenFile) {
    typeInto(inputBox(), "5+3");
    const std::string target = path("through dialog.twr");
    {
        DialogAnswers answers;
        answers.push(IDOK, target);
        sendCommand(kFileSaveAs);
        ASSERT_EQ(answers.seen().size(), 1u);
        EXPECT_EQ(answers.seen()[0].title, "Save File As");
    }
    EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n5\n+3=8\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_EQ(calculatorState.currentFile, target);
    EXPECT_EQ(windowText(fileNameStrip()), target);
    EXPECT_EQ(calculatorState.calculationSaved, 1);

    // Again to the same file: the dialog asks before replacing it.
    typeText("+2");
    {
        DialogAnswers answers;
        answers.push(IDOK, target);
        answers.push(IDYES);
        sendCommand(kFileSaveAs);
        ASSERT_EQ(answers.seen().size(), 2u);
        EXPECT_EQ(answers.seen()[1].buttons, "YN");
    }
    EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n5\n+3\n+2=10\nSaved: 3/7/2008 1:09 PM\n\n");
}

TEST_F(FileWindow, SaveAsThroughTheSeamAndSaveAfterOpenWritesBack) {
    writeBytes(path("calc.twr"), "Marrowfieldtallymaster 1\n\n5\n+3=8\nSaved: a\n\n");
    installFileDialogs(seamDialog, seamDialog);
    seamChoice = path("calc.twr");
    sendCommand(kFileOpen);
    ASSERT_EQ(seamCalls, 1);
    EXPECT_EQ(calculatorState.calculationSaved, 1);
    typeText("*2");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
    DialogAnswers answers;
    sendCommand(kFileSave);
    EXPECT_EQ(seamCalls, 1);
    EXPECT_TRUE(answers.seen().empty());
    EXPECT_EQ(readBytes(path("calc.twr")), "Marrowfieldtallymaster 1\n\n5\n+3*2=11\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_EQ(calculatorState.calculationSaved, 1);

    seamChoice = path("copy.twr");
    sendCommand(kFileSaveAs);
    EXPECT_EQ(seamCalls, 2);
    EXPECT_EQ(readBytes(path("copy.twr")), readBytes(path("calc.twr")));
    EXPECT_EQ(windowText(fileNameStrip()), path("copy.twr"));
}

TEST_F(FileWindow, OpenRestoresTheMemoryMenuTheBoxesAndTheAnswer) {
    writeBytes(path("calc.twr"), "Marrowfieldtallymaster 3\n\n1\n+1=2\nSaved: a\n\n"
                                 "4*4=16\nSaved: b\n\n7\n+3\n-1=9\nSaved: c\n\n");
    installFileDialogs(seamDialog, seamDialog);
    seamChoice = path("calc.twr");
    sendCommand(kFileOpen);
    pumpMessages();

    const std::vector<MenuEntryInfo> expected = {{"", 0, true},
                                                 {"C&lear Calculations", 120, false},
                                                 {"", 0, true},
                                                 {"Recall Calc &1", 121, false},
                                                 {"Recall Calc &2", 122, false}};
    EXPECT_EQ(calculationItems(), expected);
    EXPECT_EQ(calculatorState.savedCount, 2);
    EXPECT_EQ(calculatorState.boxCount, 3);
    EXPECT_STREQ(calculatorState.boxStore[1], "7");
    EXPECT_STREQ(calculatorState.boxStore[2], "+3");
    EXPECT_EQ(childrenWithId(window, kPopupBoxId).size(), 2u);
    EXPECT_EQ(windowText(inputBox()), "-1");
    EXPECT_EQ(windowText(resultBox()), "9");
    EXPECT_EQ(GetFocus(), inputBox());
    EXPECT_EQ(windowText(fileNameStrip()), path("calc.twr"));
    EXPECT_EQ(calculatorState.calculationSaved, 1);

    // Recall Calc 2 brings back the second saved calculation.
    answerMessageBoxes({IDYES});
    sendCommand(122);
    EXPECT_EQ(windowText(inputBox()), "4*4");
    EXPECT_EQ(windowText(resultBox()), "16");
}

struct RefusedOpenCase {
    const char* name;
    const char* bytes;  // null: the chosen file does not exist
    const char* title;
    const char* text;   // null: the open failure text naming the path
};

class RefusedOpen : public FileWindow, public testing::WithParamInterface<RefusedOpenCase> {};

TEST_P(RefusedOpen, ShowsItsBoxAndLeavesTheCalculationsAlone) {
    const RefusedOpenCase& c = GetParam();
    typeInto(inputBox(), "2+2");
    sendCommand(kClearSaveButton);  // one saved calculation, 4 in the input box
    pumpMessages();
    const std::vector<MenuEntryInfo> itemsBefore = calculationItems();
    const std::string savedBefore = calculatorState.savedCalculations[1];
    const std::string target = path("chosen.twr");
    if (c.bytes != nullptr) writeBytes(target, c.bytes);
    installFileDialogs(seamDialog, seamDialog);
    seamChoice = target;
    DialogAnswers answers;
    sendCommand(kFileOpen);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, c.title);
    const std::string text = c.text != nullptr ? std::string(c.text)
                                               : "Can't open the file " + target +
                                                     ". It may be open,\n\nor may not exist.  Create the file "
                                                     "by using File > Save.";
    EXPECT_EQ(answers.seen()[0].text, text);
    EXPECT_EQ(calculationItems(), itemsBefore);
    EXPECT_EQ(calculatorState.savedCount, 1);
    EXPECT_EQ(calculatorState.savedCalculations[1], savedBefore);
    EXPECT_EQ(windowText(inputBox()), "4");
    EXPECT_EQ(windowText(resultBox()), "4");
    EXPECT_EQ(windowText(fileNameStrip()), target);
}

const RefusedOpenCase kRefusedOpenCases[] = {
    {"MissingFile", nullptr, "Error-Open File", nullptr},
    {"WrongMagic", "Marrowfieldtallymaste 1\n\n=0\nSaved: a\n\n", "Bad File", "Not a 'Marrowfieldtallymaster' File Type"},
};

INSTANTIATE_TEST_SUITE_P(File, RefusedOpen, testing::ValuesIn(kRefusedOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileWindow, ClosingAFreshCalculatorAsksNothing) {
    DialogAnswers answers;
    closeWindow();
    EXPECT_TRUE(answers.seen().empty());
    EXPECT_FALSE(IsWindow(window));
}

struct ClosingCase {
    const char* name;
    int answer;
    bool withCurrentFile;
    bool brokenFolder;
    bool quits;
    bool written;
};

class ClosingWindow : public FileWindow, public testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingWindow, AfterAKeystrokeAsks) {
    const ClosingCase& c = GetParam();
    typeInto(inputBox(), "7");
    const std::string target = c.brokenFolder ? path("no\\such\\calc.twr") : path("calc.twr");
    if (c.withCurrentFile) copyText(calculatorState.currentFile, target.c_str());
    installFileDialogs(seamDialog, seamDialog);
    seamChoice = target;
    DialogAnswers answers;
    answers.push(c.answer);
    closeWindow();
    ASSERT_FALSE(answers.seen().empty());
    EXPECT_EQ(answers.seen()[0].title, "Reminder");
    EXPECT_EQ(answers.seen()[0].text, "Do you want to save present calculation?");
    EXPECT_EQ(answers.seen()[0].buttons, "CYN");
    EXPECT_EQ(!IsWindow(window), c.quits);
    EXPECT_EQ(exists(target), c.written);
    if (c.brokenFolder) {
        ASSERT_EQ(answers.seen().size(), 2u);
        EXPECT_EQ(answers.seen()[1].title, "Error-Save File");
        EXPECT_EQ(calculatorState.calculationSaved, 0);
        // Still unsaved: closing asks again.
        DialogAnswers again;
        again.push(IDCANCEL);
        closeWindow();
        EXPECT_EQ(again.seen().size(), 1u);
    }
}

const ClosingCase kClosingCases[] = {
    {"CancelStays", IDCANCEL, true, false, false, false},
    {"NoQuits", IDNO, true, false, true, false},
    {"YesWithACurrentFileSavesAndQuits", IDYES, true, false, true, true},
    {"YesWithoutACurrentFileAsksForOneSavesAndQuits", IDYES, false, false, true, true},
    {"YesWithAFailedSaveStays", IDYES, true, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(File, ClosingWindow, testing::ValuesIn(kClosingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileWindow, SaveToAMissingFolderIsReported) {
    typeInto(inputBox(), "1");
    const std::string target = path("gone\\deeper\\calc.twr");
    copyText(calculatorState.currentFile, target.c_str());
    DialogAnswers answers;
    sendCommand(kFileSave);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, "Error-Save File");
    EXPECT_EQ(answers.seen()[0].text, "Can't save the file " + target +
                                          ".\n\nCheck that the folder exists and the file is not open in another "
                                          "program.");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
}

} // namespace
