// File > Open, Save, Save As and the closing question on real files, with the
// dialogs answered through the dialog seam and the main window's services
// stood in for (fake_window_services.h).
#include "calculation_file.h"
#include "calculation_file_text.h"
#include "calculator_state.h"
#include "control_ids.h"
#include "dialog_answers.h"
#include "fake_window_services.h"
#include "saved_calculation_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

constexpr char kNineLineExample[] =
    "Marrowfieldtallymaster 2\n\n5\n+3=8\nSaved: 3/7/2008 1:07 PM\n\n12=12\nSaved: 3/7/2008 1:09 PM\n\n";

// What the dialog seam saw on each call, and how it answers the next one.
struct DialogCall {
    OPENFILENAMEA record;
    std::string title;
    std::string shownPath;
};
std::vector<DialogCall> dialogCalls;
bool dialogChooses = false;
std::string dialogChoice;

BOOL WINAPI fakeFileDialog(OPENFILENAMEA* record) {
    dialogCalls.push_back({*record, record->lpstrTitle, record->lpstrFile});
    if (!dialogChooses) return FALSE;
    copyText(record->lpstrFile, record->nMaxFile, dialogChoice.c_str());
    return TRUE;
}

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

std::string windowText(HWND window) {
    char text[600] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string saveFailureText(const std::string& path) {
    return "Can't save the file " + path +
           ".\n\nCheck that the folder exists and the file is not open in another program.";
}

std::string openFailureText(const std::string& path) {
    return "Can't open the file " + path +
           ". It may be open,\n\nor may not exist.  Create the file by using File > Save.";
}

// Removes a folder with everything in it.
void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

class FileCommands : public testing::Test {
protected:
    void SetUp() override {
        resetCalculatorState();
        installClock(fixedAfternoon);
        fake = createFakeMainWindow();
        initFileDialogs(fake.window);
        installFileDialogs(fakeFileDialog, fakeFileDialog);
        dialogCalls.clear();
        dialogChooses = false;
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int counter = 0;
        folder = std::string(temp) + "tmfile" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter);
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        installFileDialogs(nullptr, nullptr);
        if (IsWindow(fake.window)) DestroyWindow(fake.window);
        removeTree(folder);
        installClock(nullptr);
        resetCalculatorState();
    }

    static void choose(const std::string& path) {
        dialogChooses = true;
        dialogChoice = path;
    }
    static void setNineLineExample() {
        CalculatorState& s = calculatorState;
        s.savedCount = 1;
        s.savedCalculations[1] = "5\n+3=8\nSaved: 3/7/2008 1:07 PM";
        copyText(s.inputText, "12");
        copyText(s.resultText, "12");
    }
    std::string path(const char* name) const { return folder + "\\" + name; }

    FakeMainWindow fake{};
    std::string folder;
};

TEST_F(FileCommands, DialogsUseTheSharedRecordWithTheirOwnTitleFlagsAndPath) {
    DialogAnswers answers;
    runFileCommand(kFileSaveAs);
    runFileCommand(kFileOpen);
    ASSERT_EQ(dialogCalls.size(), 2u);
    constexpr char kFilter[] = "Tallowrune Files (*.twr)\0*.twr\0All Files (*.*)\0*.*\0";
    for (const DialogCall& call : dialogCalls) {
        const OPENFILENAMEA& r = call.record;
        EXPECT_EQ(r.lStructSize, 76u);
        EXPECT_EQ(r.hwndOwner, fake.window);
        EXPECT_EQ(r.hInstance, nullptr);
        EXPECT_EQ(std::string(r.lpstrFilter, sizeof kFilter), std::string(kFilter, sizeof kFilter));
        EXPECT_EQ(r.lpstrCustomFilter, nullptr);
        EXPECT_EQ(r.nFilterIndex, 0u);
        EXPECT_EQ(r.nMaxFile, 512u);
        EXPECT_EQ(r.lpstrFileTitle, nullptr);
        EXPECT_EQ(r.nMaxFileTitle, 256u);
        EXPECT_EQ(r.lpstrInitialDir, nullptr);
        EXPECT_STREQ(r.lpstrDefExt, "twr");
        EXPECT_EQ(r.lpfnHook, nullptr);
        EXPECT_EQ(call.shownPath, "C:\\Tallowrune\\Mfld.twr");
    }
    EXPECT_EQ(dialogCalls[0].title, "Save File As");
    EXPECT_EQ(dialogCalls[0].record.Flags, static_cast<DWORD>(OFN_OVERWRITEPROMPT));
    EXPECT_EQ(dialogCalls[1].title, "Open File");
    EXPECT_EQ(dialogCalls[1].record.Flags, static_cast<DWORD>(OFN_CREATEPROMPT));
    EXPECT_NE(dialogCalls[0].record.lpstrFile, dialogCalls[1].record.lpstrFile);
    EXPECT_STREQ(calculatorState.currentFile, "");
    EXPECT_TRUE(answers.seen().empty());
}

TEST_F(FileCommands, EachDialogShowsItsOwnLastChosenPathAgain) {
    DialogAnswers answers;
    choose(path("first.twr"));
    runFileCommand(kFileSaveAs);
    dialogChooses = false;
    runFileCommand(kFileSaveAs);
    runFileCommand(kFileOpen);
    ASSERT_EQ(dialogCalls.size(), 3u);
    EXPECT_EQ(dialogCalls[1].shownPath, path("first.twr"));
    EXPECT_EQ(dialogCalls[2].shownPath, "C:\\Tallowrune\\Mfld.twr");
}

TEST_F(FileCommands, SaveAsWritesTheFileAndShowsItsPath) {
    DialogAnswers answers;
    setNineLineExample();
    calculatorState.calculationSaved = 0;
    choose(path("calc.twr"));
    runFileCommand(kFileSaveAs);
    EXPECT_EQ(readBytes(path("calc.twr")), kNineLineExample);
    EXPECT_EQ(calculatorState.currentFile, path("calc.twr"));
    EXPECT_EQ(windowText(fake.fileNameStrip), path("calc.twr"));
    EXPECT_EQ(calculatorState.calculationSaved, 1);
    EXPECT_FALSE(exists(path("calc.twr.saving")));
    EXPECT_TRUE(answers.seen().empty());
}

TEST_F(FileCommands, SaveAsCancelledWritesNothing) {
    calculatorState.calculationSaved = 0;
    runFileCommand(kFileSaveAs);
    EXPECT_STREQ(calculatorState.currentFile, "");
    EXPECT_EQ(windowText(fake.fileNameStrip), "");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
}

TEST_F(FileCommands, SaveWithACurrentFileReplacesItWithoutADialog) {
    setNineLineExample();
    copyText(calculatorState.currentFile, path("calc.twr").c_str());
    writeBytes(path("calc.twr"), "old text, much longer than what replaces it ........................................"
                                 "..........................................................................");
    runFileCommand(kFileSave);
    EXPECT_TRUE(dialogCalls.empty());
    EXPECT_EQ(readBytes(path("calc.twr")), kNineLineExample);
}

TEST_F(FileCommands, SaveWithoutACurrentFileWritesTheSaveAsPathEvenWhenCancelled) {
    DialogAnswers answers;
    setNineLineExample();
    runFileCommand(kFileSave);
    ASSERT_EQ(dialogCalls.size(), 1u);
    EXPECT_STREQ(calculatorState.currentFile, "C:\\Tallowrune\\Mfld.twr");
    EXPECT_EQ(windowText(fake.fileNameStrip), "C:\\Tallowrune\\Mfld.twr");
    EXPECT_EQ(readBytes("C:\\Tallowrune\\Mfld.twr"), kNineLineExample);
    EXPECT_TRUE(answers.seen().empty());
    removeTree("C:\\Tallowrune");
}

struct SaveFailureCase {
    const char* name;
    // Prepares the folder; returns the path to save to. May leave a handle
    // open (closed by the test).
    std::function<std::string(const std::string& folder, HANDLE& held)> prepare;
    const char* oldBytes;  // what the target holds before and after, or null
};

class SaveFailure : public FileCommands, public testing::WithParamInterface<SaveFailureCase> {};

TEST_P(SaveFailure, IsReportedAndLeavesTheOldFileAndTheFlagClear) {
    HANDLE held = INVALID_HANDLE_VALUE;
    const std::string target = GetParam().prepare(folder, held);
    setNineLineExample();
    copyText(calculatorState.currentFile, target.c_str());
    for (const bool strict : {false, true}) {
        DialogAnswers answers;
        calculatorState.calculationSaved = 1;
        EXPECT_FALSE(writeCalculationFile(strict));
        EXPECT_EQ(calculatorState.calculationSaved, 0);
        ASSERT_EQ(answers.seen().size(), 1u);
        EXPECT_EQ(answers.seen()[0].title, "Error-Save File");
        EXPECT_EQ(answers.seen()[0].text, saveFailureText(target));
        EXPECT_EQ(answers.seen()[0].buttons, "O");
        EXPECT_FALSE(exists(target + ".saving"));
    }
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    if (GetParam().oldBytes != nullptr) {
        EXPECT_EQ(readBytes(target), GetParam().oldBytes);
    }
}

const SaveFailureCase kSaveFailureCases[] = {
    {"MissingFolders",
     [](const std::string& folder, HANDLE&) { return folder + "\\missing\\deeper\\calc.twr"; }, nullptr},
    {"FileOpenInAnotherProgram",
     [](const std::string& folder, HANDLE& held) {
         const std::string target = folder + "\\held.twr";
         writeBytes(target, "old");
         held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         return target;
     },
     "old"},
    {"TargetIsAFolder",
     [](const std::string& folder, HANDLE&) {
         CreateDirectoryA((folder + "\\taken.twr").c_str(), nullptr);
         return folder + "\\taken.twr";
     },
     nullptr},
};

INSTANTIATE_TEST_SUITE_P(File, SaveFailure, testing::ValuesIn(kSaveFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommands, SaveCreatesTheLastFolderLevel) {
    setNineLineExample();
    copyText(calculatorState.currentFile, path("new\\calc.twr").c_str());
    EXPECT_TRUE(writeCalculationFile(false));
    EXPECT_EQ(readBytes(path("new\\calc.twr")), kNineLineExample);
}

TEST_F(FileCommands, OpenReplacesTheCalculationsAndRestoresThePresentOne) {
    DialogAnswers answers;
    writeBytes(path("calc.twr"), "Marrowfieldtallymaster 3\n\n1=1\nSaved: a\n\n5\n+3=8\nSaved: b\n\n7\n+(2=9\nSaved: c\n\n");
    calculatorState.savedCount = 1;
    calculatorState.savedCalculations[1] = "old";
    calculatorState.calculationSaved = 0;
    choose(path("calc.twr"));
    runFileCommand(kFileOpen);
    EXPECT_EQ(calculatorState.currentFile, path("calc.twr"));
    EXPECT_EQ(windowText(fake.fileNameStrip), path("calc.twr"));
    const std::vector<std::string> expected = {"clearCalculations", "rebuildCalculationItems 2",
                                               "restoreBoxes 7\n+(2=9\nSaved: c=", "changeHandling", "recalculate"};
    EXPECT_EQ(serviceCalls(), expected);
    EXPECT_EQ(calculatorState.savedCount, 2);
    EXPECT_EQ(calculatorState.savedCalculations[1], "1=1\nSaved: a");
    EXPECT_EQ(calculatorState.savedCalculations[2], "5\n+3=8\nSaved: b");
    EXPECT_EQ(calculatorState.savedCalculations[3], "7\n+(2=9\nSaved: c");
    EXPECT_EQ(calculatorState.calculationSaved, 1);
    EXPECT_EQ(GetFocus(), fake.inputBox);
    EXPECT_TRUE(answers.seen().empty());
}

TEST_F(FileCommands, OpenWithUnbalancedParenthesesKeepsTheFlagClear) {
    writeBytes(path("calc.twr"), "Marrowfieldtallymaster 1\n\n(1=1\nSaved: a\n\n");
    changeHandlingBalances = false;
    calculatorState.calculationSaved = 0;
    copyText(calculatorState.currentFile, path("calc.twr").c_str());
    openCalculationFile();
    const std::vector<std::string> expected = {"clearCalculations", "rebuildCalculationItems 0",
                                               "restoreBoxes (1=1\nSaved: a=", "changeHandling"};
    EXPECT_EQ(serviceCalls(), expected);
    EXPECT_EQ(calculatorState.calculationSaved, 0);
}

TEST_F(FileCommands, OpenReadsTheWholeOfALongFileWithCarriageReturns) {
    std::string text = "Marrowfieldtallymaster 31\r\n\r\n";
    for (int i = 1; i <= 31; ++i) text += std::string(300, static_cast<char>('0' + i % 10)) + "=1\r\nSaved: a\r\n\r\n";
    writeBytes(path("long.twr"), text);
    copyText(calculatorState.currentFile, path("long.twr").c_str());
    openCalculationFile();
    EXPECT_EQ(calculatorState.savedCount, 30);
    EXPECT_EQ(calculatorState.savedCalculations[30], std::string(300, '0') + "=1\nSaved: a");
    EXPECT_EQ(serviceCalls().back(), "recalculate");
}

struct OpenRefusalCase {
    const char* name;
    const char* bytes;  // null: no file at all
    std::size_t padding;  // extra bytes appended
    const char* title;
};

class OpenRefusal : public FileCommands, public testing::WithParamInterface<OpenRefusalCase> {};

TEST_P(OpenRefusal, ShowsItsBoxAndChangesNoCalculation) {
    const OpenRefusalCase& c = GetParam();
    const std::string target = path("chosen.twr");
    if (c.bytes != nullptr) writeBytes(target, c.bytes + std::string(c.padding, '\n'));
    calculatorState.savedCount = 1;
    calculatorState.savedCalculations[1] = "1=1\nSaved: a";
    copyText(calculatorState.inputText, "42");
    calculatorState.calculationSaved = 0;
    DialogAnswers answers;
    choose(target);
    runFileCommand(kFileOpen);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].title, c.title);
    EXPECT_EQ(answers.seen()[0].text, c.bytes == nullptr ? openFailureText(target)
                                                         : std::string("Not a 'Marrowfieldtallymaster' File Type"));
    EXPECT_EQ(answers.seen()[0].buttons, "O");
    EXPECT_TRUE(serviceCalls().empty());
    EXPECT_EQ(calculatorState.savedCount, 1);
    EXPECT_EQ(calculatorState.savedCalculations[1], "1=1\nSaved: a");
    EXPECT_STREQ(calculatorState.inputText, "42");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
    EXPECT_EQ(calculatorState.currentFile, target);
    EXPECT_EQ(windowText(fake.fileNameStrip), target);
}

const OpenRefusalCase kOpenRefusalCases[] = {
    {"MissingFile", nullptr, 0, "Error-Open File"},
    {"WrongMagic", "Marrowfieldtallymastex 1\n\n=0\nSaved: a\n\n", 0, "Bad File"},
    {"CountZero", "Marrowfieldtallymaster 0\n\n=0\nSaved: a\n\n", 0, "Bad File"},
    {"CountThirtyTwo", "Marrowfieldtallymaster 32\n\n=0\nSaved: a\n\n", 0, "Bad File"},
    {"FewerEntriesThanCounted", "Marrowfieldtallymaster 2\n\n=0\nSaved: a\n\n", 0, "Bad File"},
    {"LargerThanOneMebibyte", "Marrowfieldtallymaster 1\n\n=0\nSaved: a\n\n", 1024 * 1024, "Bad File"},
};

INSTANTIATE_TEST_SUITE_P(File, OpenRefusal, testing::ValuesIn(kOpenRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    int calculationSaved;
    bool withCurrentFile;
    int answer;             // to the Reminder question
    bool dialogChooses;     // the Save As dialog, when asked
    bool brokenTarget;      // the file cannot be written
    bool asked;
    bool quits;
    bool written;
};

class Closing : public FileCommands, public testing::WithParamInterface<CloseCase> {};

TEST_P(Closing, AsksOnlyWhenUnsavedAndQuitsOnlyWhenSafe) {
    const CloseCase& c = GetParam();
    setNineLineExample();
    calculatorState.calculationSaved = c.calculationSaved;
    const std::string target = c.brokenTarget ? path("missing\\deeper\\calc.twr") : path("calc.twr");
    if (c.withCurrentFile) copyText(calculatorState.currentFile, target.c_str());
    if (c.dialogChooses) choose(target);
    DialogAnswers answers;
    answers.push(c.answer);
    closeRequested();
    if (c.asked) {
        ASSERT_FALSE(answers.seen().empty());
        EXPECT_EQ(answers.seen()[0].title, "Reminder");
        EXPECT_EQ(answers.seen()[0].text, "Do you want to save present calculation?");
        EXPECT_EQ(answers.seen()[0].buttons, "CYN");
    } else {
        EXPECT_TRUE(answers.seen().empty());
    }
    EXPECT_EQ(IsWindow(fake.window) == FALSE, c.quits);
    EXPECT_EQ(exists(target), c.written);
    if (c.written) {
        EXPECT_EQ(readBytes(target), kNineLineExample);
    }
}

const CloseCase kCloseCases[] = {
    {"SavedQuitsWithoutAsking", 1, false, IDOK, false, false, false, true, false},
    {"CancelStays", 0, true, IDCANCEL, false, false, true, false, false},
    {"NoQuitsWithoutSaving", 0, true, IDNO, false, false, true, true, false},
    {"YesWritesTheCurrentFileAndQuits", 0, true, IDYES, false, false, true, true, true},
    {"YesWithoutAFileAsksForOneAndQuits", 0, false, IDYES, true, false, true, true, true},
    {"YesWithTheDialogCancelledStays", 0, false, IDYES, false, false, true, false, false},
    {"YesWithAFailedSaveStays", 0, true, IDYES, false, true, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(File, Closing, testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
