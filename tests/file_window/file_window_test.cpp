// File > Open, Save, Save As and closing on the real main window: the Wine
// file dialog filled in by the dialog hook, the dialog seam and its record,
// the Memory menu and boxes after opening, refusals and failed saves.
#include "calculation_file.h"
#include "case_label.h"
#include "saved_calculation_text.h"
#include "window_driver.h"

#include <algorithm>
#include <cstring>
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

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void removeTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName, path = folder + "\\" + name;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(path);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// The names in a folder, sorted.
std::vector<std::string> folderListing(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// The platform's own words for an error code, as a reference.
std::string platformReason(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string reason = text;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

// The dialog seam: records each call and chooses seamChoice (empty: cancel).
struct SeamCall {
    OPENFILENAMEA record;
    std::string title;
    std::string shownPath;
};
std::vector<SeamCall> seamCalls;
std::string seamChoice;

BOOL WINAPI seamDialog(OPENFILENAMEA* record) {
    seamCalls.push_back({*record, record->lpstrTitle, record->lpstrFile});
    if (seamChoice.empty()) return FALSE;
    copyText(record->lpstrFile, record->nMaxFile, seamChoice.c_str());
    return TRUE;
}

class FileWindow : public CalculatorWindow {
protected:
    void SetUp() override {
        CalculatorWindow::SetUp();
        installClock(fixedAfternoon);
        seamCalls.clear();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int counter = 0;
        folder = std::string(temp) + "tmwin" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override {
        installFileDialogs(nullptr, nullptr);
        CalculatorWindow::TearDown();
        removeTree(folder);
    }

    static void useSeam(const std::string& choice) {
        installFileDialogs(seamDialog, seamDialog);
        seamChoice = choice;
    }
    std::string path(const char* name) const { return folder + "\\" + name; }
    static std::string fileNameShown() { return windowText(windowState.fileNameStrip); }
    // The Memory menu's entries from position 8 on.
    static std::vector<MenuEntryInfo> calculationItems() {
        const std::vector<MenuEntryInfo> entries = menuEntries(barSubmenu(kMemoryMenuIndex));
        return std::vector<MenuEntryInfo>(entries.begin() + kFixedMemoryItems, entries.end());
    }
    void closeWindow() {
        SendMessageA(window, WM_CLOSE, 0, 0);
        pumpMessages();
    }

    std::string folder;
};

TEST_F(FileWindow, SaveAsThroughTheWineDialogWritesTheChosenFile) {
    typeInto(inputBox(), "5+3");
    const std::string target = path("through dialog.twr");
    answerFileDialog(target);
    sendCommand(kFileSaveAs);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Save File As");
    EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n5\n+3=8\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_FALSE(exists(target + ".saving"));
    EXPECT_EQ(calculatorState.currentFile, target);
    EXPECT_EQ(fileNameShown(), target);
    EXPECT_EQ(calculatorState.calculationSaved, 1);

    // Again to the same file: the dialog asks before replacing it.
    typeText("+2");
    answerFileDialog(target);
    answerMessageBoxes({IDYES});
    sendCommand(kFileSaveAs);
    ASSERT_EQ(seenMessageBoxes().size(), 3u);
    EXPECT_EQ(seenMessageBoxes()[2].buttons, "YN");
    EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n5\n+3\n+2=10\nSaved: 3/7/2008 1:09 PM\n\n");
}

TEST_F(FileWindow, DialogsShareOneRecordWithTheirOwnTitleFlagsAndPath) {
    typeText("1");
    useSeam("");
    sendCommand(kFileSaveAs);
    answerMessageBoxes({IDNO});  // the Reminder: open without saving
    sendCommand(kFileOpen);
    ASSERT_EQ(seamCalls.size(), 2u);
    constexpr char kFilter[] = "Tallowrune Files (*.twr)\0*.twr\0All Files (*.*)\0*.*\0";
    for (const SeamCall& call : seamCalls) {
        const OPENFILENAMEA& r = call.record;
        EXPECT_EQ(r.lStructSize, sizeof(void*) == 4 ? 76u : 136u);  // the Windows NT 4 record
        EXPECT_EQ(r.hwndOwner, window);
        EXPECT_EQ(std::string(r.lpstrFilter, sizeof kFilter), std::string(kFilter, sizeof kFilter));
        EXPECT_EQ(r.nMaxFile, 512u);
        EXPECT_EQ(r.nMaxFileTitle, 256u);
        EXPECT_STREQ(r.lpstrDefExt, "twr");
        EXPECT_TRUE(r.hInstance == nullptr && r.lpstrCustomFilter == nullptr && r.nFilterIndex == 0 &&
                    r.lpstrFileTitle == nullptr && r.lpstrInitialDir == nullptr && r.lpfnHook == nullptr);
        EXPECT_EQ(call.shownPath, "C:\\Tallowrune\\Mfld.twr");
    }
    EXPECT_EQ(seamCalls[0].title, "Save File As");
    EXPECT_EQ(seamCalls[0].record.Flags, static_cast<DWORD>(OFN_OVERWRITEPROMPT));
    EXPECT_EQ(seamCalls[1].title, "Open File");
    EXPECT_EQ(seamCalls[1].record.Flags, static_cast<DWORD>(OFN_CREATEPROMPT));
    EXPECT_NE(seamCalls[0].record.lpstrFile, seamCalls[1].record.lpstrFile);
    // Cancelled: nothing written or adopted.
    EXPECT_STREQ(calculatorState.currentFile, "");
    EXPECT_EQ(fileNameShown(), "");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");

    // Each dialog shows its own last chosen path again.
    seamChoice = path("first.twr");
    sendCommand(kFileSaveAs);
    seamChoice.clear();
    sendCommand(kFileSaveAs);
    sendCommand(kFileOpen);
    ASSERT_EQ(seamCalls.size(), 5u);
    EXPECT_EQ(seamCalls[3].shownPath, path("first.twr"));
    EXPECT_EQ(seamCalls[4].shownPath, "C:\\Tallowrune\\Mfld.twr");
}

// A name too long for the buffer: the dialog fails and leaves the size it
// needs in the path's first two bytes.
BOOL WINAPI bufferTooSmallDialog(OPENFILENAMEA* record) {
    seamCalls.push_back({*record, record->lpstrTitle, record->lpstrFile});
    const WORD needed = 600;
    std::memcpy(record->lpstrFile, &needed, sizeof needed);
    return FALSE;
}

TEST_F(FileWindow, AFailedDialogLeavesItsPathAsItWas) {
    typeText("5+3");
    installFileDialogs(bufferTooSmallDialog, bufferTooSmallDialog);
    sendCommand(kFileSaveAs);
    sendCommand(kFileSaveAs);
    ASSERT_EQ(seamCalls.size(), 2u);
    EXPECT_EQ(seamCalls[1].shownPath, "C:\\Tallowrune\\Mfld.twr");
    EXPECT_STREQ(saveDialogPath(), "C:\\Tallowrune\\Mfld.twr");
    answerMessageBoxes({IDNO});  // the Reminder: open without saving
    sendCommand(kFileOpen);
    EXPECT_EQ(seamCalls.size(), 3u);
    EXPECT_STREQ(openDialogPath(), "C:\\Tallowrune\\Mfld.twr");
    EXPECT_STREQ(calculatorState.currentFile, "");
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");
}

TEST_F(FileWindow, SaveAfterOpenWritesBackAndSaveAsCreatesTheLastFolder) {
    // Text after the last counted entry is ignored, and the shorter new text
    // replaces the file whole.
    writeBytes(path("calc.twr"),
               "Marrowfieldtallymaster 1\n\n5\n+3=8\nSaved: a\n\nleft over from an older, longer file");
    useSeam(path("calc.twr"));
    sendCommand(kFileOpen);
    ASSERT_EQ(seamCalls.size(), 1u);
    EXPECT_EQ(calculatorState.calculationSaved, 1);
    typeText("*2");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
    sendCommand(kFileSave);
    EXPECT_EQ(seamCalls.size(), 1u);
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_EQ(readBytes(path("calc.twr")), "Marrowfieldtallymaster 1\n\n5\n+3*2=11\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_EQ(calculatorState.calculationSaved, 1);

    seamChoice = path("new\\copy.twr");
    sendCommand(kFileSaveAs);
    EXPECT_EQ(readBytes(path("new\\copy.twr")), readBytes(path("calc.twr")));
    EXPECT_EQ(fileNameShown(), path("new\\copy.twr"));
}

// Enter, Tab and a paste with line breaks leave the boxes holding only what
// the calculation uses: the file gives back the answer the screen showed.
TEST_F(FileWindow, SaveThenOpenGivesBackTheAnswerAfterEnterTabAndPaste) {
    typeText("7+4");
    pressKeyInLoop(inputBox(), VK_TAB, true);  // to popup box 1
    pressKeyInLoop(popupBox(1), VK_RETURN);
    typeText("2");
    pressKeyInLoop(popupBox(1), VK_TAB);
    setClipboardText("1\r\n0\t");
    sendCommand(kEditPaste);
    pressKeyInLoop(inputBox(), VK_RETURN);
    ASSERT_EQ(popupTexts(), (std::vector<std::string>{"72"}));
    ASSERT_EQ(windowText(inputBox()), "+410");
    const std::string shown = resultShown();
    EXPECT_EQ(shown, "482");
    useSeam(path("keys.twr"));
    sendCommand(kFileSaveAs);
    sendCommand(kFileNewCalculation);
    EXPECT_EQ(resultShown(), "0");
    sendCommand(kFileOpen);
    EXPECT_EQ(popupTexts(), (std::vector<std::string>{"72"}));
    EXPECT_EQ(windowText(inputBox()), "+410");
    EXPECT_EQ(resultShown(), shown);
}

// No file is written that the user did not choose: not even the default
// path shown in the dialog.
TEST_F(FileWindow, SaveWithoutACurrentFileWritesNothingWhenCancelled) {
    removeTree("C:\\Tallowrune");
    typeText("5+3");
    useSeam("");
    sendCommand(kFileSave);
    ASSERT_EQ(seamCalls.size(), 1u);
    EXPECT_EQ(seamCalls[0].title, "Save File As");
    EXPECT_STREQ(calculatorState.currentFile, "");
    EXPECT_EQ(fileNameShown(), "");
    EXPECT_FALSE(exists("C:\\Tallowrune\\Mfld.twr"));
    EXPECT_FALSE(exists("C:\\Tallowrune"));
    EXPECT_EQ(calculatorState.calculationSaved, 0);
    EXPECT_TRUE(seenMessageBoxes().empty());

    // Chosen in the dialog: written there.
    seamChoice = path("chosen.twr");
    sendCommand(kFileSave);
    EXPECT_EQ(readBytes(path("chosen.twr")), "Marrowfieldtallymaster 1\n\n5\n+3=8\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_EQ(fileNameShown(), path("chosen.twr"));
    EXPECT_EQ(calculatorState.calculationSaved, 1);
}

std::string longCrLfFile() {
    std::string text = "Marrowfieldtallymaster 31\r\n\r\n";
    for (int i = 1; i <= 30; ++i) text += std::string(300, static_cast<char>('0' + i % 10)) + "=1\r\nSaved: a\r\n\r\n";
    return text + "5\r\n+3=8\r\nSaved: b\r\n\r\n";
}

struct OpenCase {
    std::string label;
    std::string bytes;
    int savedCount;
    std::vector<std::string> popups;
    const char* input;
    const char* result;  // null: not recalculated
    int calculationSaved;
    std::string lastRecalled;  // the input after Recall Calc savedCount
};

class Opening : public FileWindow, public testing::WithParamInterface<OpenCase> {};

TEST_P(Opening, RestoresTheMemoryMenuTheBoxesAndTheAnswer) {
    const OpenCase& c = GetParam();
    typeText("9");
    writeBytes(path("calc.twr"), c.bytes);
    useSeam(path("calc.twr"));
    answerMessageBoxes({IDNO});
    sendCommand(kFileOpen);
    pumpMessages();
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");
    EXPECT_EQ(calculatorState.savedCount, c.savedCount);
    std::vector<MenuEntryInfo> items = {{"", 0, true}, {"C&lear Calculations", 120, false}, {"", 0, true}};
    for (int n = 1; n <= c.savedCount; ++n) items.push_back({"Recall Calc &" + std::to_string(n), 120 + n, false});
    EXPECT_EQ(calculationItems(), c.savedCount > 0 ? items : std::vector<MenuEntryInfo>());
    EXPECT_EQ(popupTexts(), c.popups);
    EXPECT_EQ(windowText(inputBox()), c.input);
    if (c.result != nullptr) {
        EXPECT_EQ(resultShown(), c.result);
    }
    EXPECT_EQ(calculatorState.calculationSaved, c.calculationSaved);
    EXPECT_EQ(fileNameShown(), path("calc.twr"));
    if (!c.lastRecalled.empty()) {
        EXPECT_EQ(GetFocus(), inputBox());
        sendCommand(120 + c.savedCount);
        EXPECT_EQ(windowText(inputBox()), c.lastRecalled);
    }
}

const OpenCase kOpenCases[] = {
    {"ThreeEntries",
     "Marrowfieldtallymaster 3\n\n1\n+1=2\nSaved: a\n\n4*4=16\nSaved: b\n\n7\n+3\n-1=9\nSaved: c\n\n",
     2,
     {"+3", "7"},
     "-1",
     "9",
     1,
     "4*4"},
    {"WholeLongFileWithCarriageReturns", longCrLfFile(), 30, {"5"}, "+3", "8", 1, std::string(300, '0')},
    {"UnbalancedPresentKeepsTheFlagClear",
     "Marrowfieldtallymaster 1\n\n(1=1\nSaved: a\n\n",
     0,
     {},
     "(1",
     nullptr,
     0,
     ""},
};

INSTANTIATE_TEST_SUITE_P(File, Opening, testing::ValuesIn(kOpenCases), CaseLabel());

struct UnsavedOpenCase {
    std::string label;
    int answer;            // to the Reminder question
    bool withCurrentFile;  // else Yes goes through Save As (cancelled here)
    bool opened;
    bool currentWritten;
};

BOOL WINAPI cancelledDialog(OPENFILENAMEA*) { return FALSE; }

class OpeningOverUnsavedWork : public FileWindow, public testing::WithParamInterface<UnsavedOpenCase> {};

TEST_P(OpeningOverUnsavedWork, AsksTheReminderQuestionFirst) {
    const UnsavedOpenCase& c = GetParam();
    const std::string current = path("current.twr");
    if (c.withCurrentFile) copyText(calculatorState.currentFile, current.c_str());
    typeInto(inputBox(), "2+2");
    sendCommand(kClearButton);  // a saved calculation and a typed 777, unsaved
    typeText("777");
    writeBytes(path("other.twr"), "Marrowfieldtallymaster 1\n\n5=5\nSaved: a\n\n");
    // The Open dialog chooses other.twr; a Save As dialog (Yes without a
    // current file) is cancelled.
    installFileDialogs(seamDialog, cancelledDialog);
    seamChoice = path("other.twr");
    answerMessageBoxes({c.answer});
    sendCommand(kFileOpen);
    ASSERT_FALSE(seenMessageBoxes().empty());
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");
    EXPECT_EQ(seenMessageBoxes()[0].text, "Do you want to save present calculation?");
    EXPECT_EQ(seenMessageBoxes()[0].buttons, "CYN");
    EXPECT_EQ(seamCalls.size(), c.opened ? 1u : 0u);
    EXPECT_EQ(windowText(inputBox()), c.opened ? "5" : "777");
    EXPECT_EQ(calculatorState.savedCount, c.opened ? 0 : 1);
    EXPECT_EQ(fileNameShown(), c.opened ? path("other.twr") : "");
    EXPECT_EQ(exists(current), c.currentWritten);
    if (c.currentWritten) {
        EXPECT_NE(readBytes(current).find("\n\n777=777\nSaved: "), std::string::npos) << readBytes(current);
    }
}

const UnsavedOpenCase kUnsavedOpenCases[] = {
    {"YesSavesFirst", IDYES, true, true, true},
    {"YesWithTheSaveDialogCancelledOpensNothing", IDYES, false, false, false},
    {"NoOpensWithoutSaving", IDNO, true, true, false},
    {"CancelDoesNothing", IDCANCEL, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(File, OpeningOverUnsavedWork, testing::ValuesIn(kUnsavedOpenCases), CaseLabel());

struct RefusedOpenCase {
    std::string label;
    const char* bytes;    // null: the chosen file does not exist
    std::size_t padding;  // line feeds appended
};

class RefusedOpen : public FileWindow, public testing::WithParamInterface<RefusedOpenCase> {};

TEST_P(RefusedOpen, ShowsItsBoxAndLeavesTheCalculationsAlone) {
    const RefusedOpenCase& c = GetParam();
    typeInto(inputBox(), "2+2");
    sendCommand(kClearSaveButton);  // one saved calculation, 4 in the input box
    pumpMessages();
    const std::vector<MenuEntryInfo> itemsBefore = calculationItems();
    const std::string savedBefore = calculatorState.savedCalculations[1];
    // A file already current, which a refused file must not replace.
    const std::string current = path("current.twr");
    copyText(calculatorState.currentFile, current.c_str());
    SetWindowTextA(windowState.fileNameStrip, current.c_str());
    const int flagBefore = calculatorState.calculationSaved;
    const std::string target = path("chosen.twr");
    if (c.bytes != nullptr) writeBytes(target, c.bytes + std::string(c.padding, '\n'));
    useSeam(target);
    answerMessageBoxes({IDNO});  // the Reminder: open without saving
    sendCommand(kFileOpen);
    ASSERT_EQ(seenMessageBoxes().size(), 2u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");
    EXPECT_FALSE(exists(current));
    const SeenMessageBox& box = seenMessageBoxes()[1];
    if (c.bytes == nullptr) {
        EXPECT_EQ(box.title, "Error-Open File");
        EXPECT_EQ(box.text, "Can't open the file " + target +
                                ". It may be open,\n\nor may not exist.  Create the file by using File > Save.");
    } else {
        EXPECT_EQ(box.title, "Bad File");
        EXPECT_EQ(box.text, "Not a 'Marrowfieldtallymaster' File Type");
    }
    EXPECT_EQ(box.buttons, "O");
    EXPECT_EQ(calculationItems(), itemsBefore);
    EXPECT_EQ(calculatorState.savedCount, 1);
    EXPECT_EQ(calculatorState.savedCalculations[1], savedBefore);
    EXPECT_EQ(calculatorState.calculationSaved, flagBefore);
    EXPECT_EQ(windowText(inputBox()), "4");
    EXPECT_EQ(resultShown(), "4");
    EXPECT_EQ(fileNameShown(), current);
    EXPECT_EQ(calculatorState.currentFile, current);
}

const RefusedOpenCase kRefusedOpenCases[] = {
    {"MissingFile", nullptr, 0},
    {"WrongMagic", "Marrowfieldtallymaste 1\n\n=0\nSaved: a\n\n", 0},
    {"CountZero", "Marrowfieldtallymaster 0\n\n=0\nSaved: a\n\n", 0},
    {"CountThirtyTwo", "Marrowfieldtallymaster 32\n\n=0\nSaved: a\n\n", 0},
    {"FewerEntriesThanCounted", "Marrowfieldtallymaster 2\n\n=0\nSaved: a\n\n", 0},
    {"LargerThanOneMebibyte", "Marrowfieldtallymaster 1\n\n=0\nSaved: a\n\n", 1024 * 1024},
};

INSTANTIATE_TEST_SUITE_P(File, RefusedOpen, testing::ValuesIn(kRefusedOpenCases), CaseLabel());

struct ClosingCase {
    std::string label;
    const char* typed;  // "": a fresh calculator, nothing to save
    int answer;         // to the Reminder question
    bool withCurrentFile;
    bool dialogChooses;  // the Save As dialog, when asked
    bool brokenFolder;   // the file cannot be written
    bool quits;
    bool written;
};

class Closing : public FileWindow, public testing::WithParamInterface<ClosingCase> {};

TEST_P(Closing, AsksOnlyWhenUnsavedAndQuitsOnlyWhenSafe) {
    const ClosingCase& c = GetParam();
    typeInto(inputBox(), c.typed);
    const std::string target = c.brokenFolder ? path("no\\such\\calc.twr") : path("calc.twr");
    if (c.withCurrentFile) copyText(calculatorState.currentFile, target.c_str());
    useSeam(c.dialogChooses ? target : "");
    answerMessageBoxes({c.answer});
    closeWindow();
    EXPECT_EQ(!IsWindow(window), c.quits);
    EXPECT_EQ(exists(target), c.written);
    if (*c.typed == '\0') {
        EXPECT_TRUE(seenMessageBoxes().empty());
        return;
    }
    ASSERT_FALSE(seenMessageBoxes().empty());
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");
    EXPECT_EQ(seenMessageBoxes()[0].text, "Do you want to save present calculation?");
    EXPECT_EQ(seenMessageBoxes()[0].buttons, "CYN");
    if (c.written) {
        EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n7=7\nSaved: 3/7/2008 1:09 PM\n\n");
    }
    if (c.brokenFolder) {
        ASSERT_EQ(seenMessageBoxes().size(), 2u);
        EXPECT_EQ(seenMessageBoxes()[1].title, "Error-Save File");
        // Still unsaved: closing asks again.
        answerMessageBoxes({IDCANCEL});
        closeWindow();
        EXPECT_EQ(seenMessageBoxes().size(), 3u);
    }
}

const ClosingCase kClosingCases[] = {
    {"FreshQuitsWithoutAsking", "", IDOK, false, false, false, true, false},
    {"CancelStays", "7", IDCANCEL, true, false, false, false, false},
    {"NoQuitsWithoutSaving", "7", IDNO, true, false, false, true, false},
    {"YesWithACurrentFileSavesAndQuits", "7", IDYES, true, false, false, true, true},
    {"YesWithoutACurrentFileAsksForOneSavesAndQuits", "7", IDYES, false, true, false, true, true},
    {"YesWithTheDialogCancelledStays", "7", IDYES, false, false, false, false, false},
    {"YesWithAFailedSaveStays", "7", IDYES, true, false, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(File, Closing, testing::ValuesIn(kClosingCases), CaseLabel());

struct SaveFailureCase {
    std::string label;
    const char* name;  // in the test folder
    bool heldOpen;     // an old file, open in another program
    bool isFolder;     // a folder of that name stands there
    bool fullDisk;     // the disk fills after a few bytes of an old file
    DWORD reason;      // the error the message names
};

// A full disk as the platform reports it: a short write, then an error.
DWORD bytesBeforeFull = 0;
BOOL WINAPI fullDiskWrite(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written, LPOVERLAPPED overlapped) {
    const DWORD part = std::min(count, bytesBeforeFull);
    bytesBeforeFull -= part;
    *written = 0;
    if (part == 0) {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(file, bytes, part, written, overlapped);
}

class SaveFailure : public FileWindow, public testing::WithParamInterface<SaveFailureCase> {
protected:
    void TearDown() override {
        installFileWriter(nullptr);
        FileWindow::TearDown();
    }
};

TEST_P(SaveFailure, IsReportedWithItsReasonAndLeavesTheOldFileAndTheFlagClear) {
    const SaveFailureCase& c = GetParam();
    const std::string target = path(c.name);
    HANDLE held = INVALID_HANDLE_VALUE;
    if (c.heldOpen || c.fullDisk) writeBytes(target, "old");
    if (c.heldOpen) held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (c.isFolder) CreateDirectoryA(target.c_str(), nullptr);
    if (c.fullDisk) {
        bytesBeforeFull = 10;
        installFileWriter(fullDiskWrite);
    }
    const std::vector<std::string> before = folderListing(folder);
    typeInto(inputBox(), "1");
    copyText(calculatorState.currentFile, target.c_str());
    sendCommand(kFileSave);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Error-Save File");
    // The path on the first line, or on a line of its own where it is long.
    const std::string ending = target + ".\n\n" + platformReason(c.reason);
    const std::string& text = seenMessageBoxes()[0].text;
    EXPECT_TRUE(text == "Can't save the file " + ending || text == "Can't save the file\n" + ending) << text;
    EXPECT_EQ(seenMessageBoxes()[0].buttons, "O");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
    EXPECT_EQ(folderListing(folder), before);  // no temporary file left, no folder made
    if (c.heldOpen || c.fullDisk) {
        EXPECT_EQ(readBytes(target), "old");
    }
}

const SaveFailureCase kSaveFailureCases[] = {
    {"MissingFolders", "gone\\deeper\\calc.twr", false, false, false, ERROR_PATH_NOT_FOUND},
    {"FileOpenInAnotherProgram", "held.twr", true, false, false, ERROR_SHARING_VIOLATION},
    {"TargetIsAFolder", "taken.twr", false, true, false, ERROR_ACCESS_DENIED},
    {"FullDisk", "full.twr", false, false, true, ERROR_DISK_FULL},
};

INSTANTIATE_TEST_SUITE_P(File, SaveFailure, testing::ValuesIn(kSaveFailureCases), CaseLabel());

// A path too long for one line of the box is broken into lines of its own:
// the box fits the screen and shows every character of the path once.
TEST_F(FileWindow, ALongPathInAMessageIsBrokenIntoLines) {
    std::string target = path("");
    while (target.size() < 240) target += "folder" + std::to_string(target.size()) + "\\";
    target += "calc.twr";
    copyText(calculatorState.currentFile, target.c_str());
    typeInto(inputBox(), "1");
    sendCommand(kFileSave);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    const SeenMessageBox& box = seenMessageBoxes()[0];
    EXPECT_EQ(box.title, "Error-Save File");
    EXPECT_LE(box.width, 1024);  // a small screen, whatever this display's width
    EXPECT_TRUE(box.textFits) << box.text;
    std::string joined = box.text;
    std::erase(joined, '\n');
    EXPECT_EQ(joined, "Can't save the file" + target + "." + platformReason(ERROR_PATH_NOT_FOUND));
}

struct SafeSaveCase {
    std::string label;
    std::size_t pathLength;  // 0: calc.twr in the test folder
    const char* sibling;     // a user's own file beside it, by its change
};

class SafeSave : public FileWindow, public testing::WithParamInterface<SafeSaveCase> {};

// The temporary file never takes a name a file has: the user's own files
// beside the calculation file keep their bytes, and nothing else is left.
TEST_P(SafeSave, LeavesEveryOtherFileInTheFolderAlone) {
    const SafeSaveCase& c = GetParam();
    std::string target = path("calc.twr");
    if (c.pathLength > 0) {
        target = path("");
        target += std::string(c.pathLength - target.size() - 4, 'a') + ".twr";
    }
    ASSERT_EQ(target.size(), c.pathLength > 0 ? c.pathLength : target.size());
    const std::string sibling =
        std::string(c.sibling) == "~" ? target.substr(0, target.size() - 1) + "~" : target + c.sibling;
    writeBytes(target, "old");
    writeBytes(sibling, "mine");
    ASSERT_EQ(readBytes(sibling), "mine");
    typeInto(inputBox(), "1");
    copyText(calculatorState.currentFile, target.c_str());
    sendCommand(kFileSave);
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n1=1\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_EQ(readBytes(sibling), "mine");
    EXPECT_EQ(folderListing(folder).size(), 2u);
}

const SafeSaveCase kSafeSaveCases[] = {
    {"AFileNamedLikeTheTemporaryOne", 0, ".saving"},
    {"PathOf256Characters", 256, "~"},
    {"PathOf257Characters", 257, "~"},
    {"PathOf259Characters", 259, "~"},
};

INSTANTIATE_TEST_SUITE_P(File, SafeSave, testing::ValuesIn(kSafeSaveCases), CaseLabel());

// A Linux symbolic link in the Wine drive, made by ln itself (Wine starts
// Linux programs); false where that cannot be done.
bool makeLinuxLink(const std::string& linkPath, const char* pointsAt) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr) return false;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    char* unixPath = unixName(wide);
    if (unixPath == nullptr) return false;
    std::string command = std::string("/bin/ln -sfn ") + pointsAt + " " + unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int wait = 0; wait < 100 && !exists(linkPath); ++wait) Sleep(50);
    return exists(linkPath);
}

// A calculation file reached through a symbolic link: the file it points at
// gets the new text, and the link stays a link (a plain file put in its
// place would leave the file pointed at unchanged).
TEST_F(FileWindow, SavingThroughASymbolicLinkWritesTheFileItPointsAt) {
    CreateDirectoryA(path("real").c_str(), nullptr);
    writeBytes(path("real\\calc.twr"), "old");
    if (!makeLinuxLink(path("link.twr"), "real/calc.twr")) GTEST_SKIP() << "no Linux symbolic links here";
    ASSERT_EQ(readBytes(path("link.twr")), "old");
    typeInto(inputBox(), "1");
    copyText(calculatorState.currentFile, path("link.twr").c_str());
    sendCommand(kFileSave);
    EXPECT_TRUE(seenMessageBoxes().empty());
    const std::string written = "Marrowfieldtallymaster 1\n\n1=1\nSaved: 3/7/2008 1:09 PM\n\n";
    EXPECT_EQ(readBytes(path("real\\calc.twr")), written);
    EXPECT_EQ(folderListing(folder), (std::vector<std::string>{"link.twr", "real"}));
    EXPECT_EQ(folderListing(path("real")), (std::vector<std::string>{"calc.twr"}));

    // Still a link: the next save goes through it again.
    typeText("+2");
    sendCommand(kFileSave);
    EXPECT_EQ(readBytes(path("real\\calc.twr")), "Marrowfieldtallymaster 1\n\n1\n+2=3\nSaved: 3/7/2008 1:09 PM\n\n");
}

// A path as long as the system takes (MAX_PATH - 1 characters) is saved: the
// temporary file beside it must not need a longer name.
TEST_F(FileWindow, SavesAPathOfTheLongestLengthTheSystemTakes) {
    std::string target = path("");
    target += std::string(MAX_PATH - 1 - target.size() - 4, 'a') + ".twr";
    ASSERT_EQ(target.size(), static_cast<std::size_t>(MAX_PATH - 1));
    writeBytes(target, "old");
    ASSERT_EQ(readBytes(target), "old");
    typeInto(inputBox(), "1");
    copyText(calculatorState.currentFile, target.c_str());
    sendCommand(kFileSave);
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_EQ(readBytes(target), "Marrowfieldtallymaster 1\n\n1=1\nSaved: 3/7/2008 1:09 PM\n\n");
    EXPECT_EQ(calculatorState.calculationSaved, 1);
    EXPECT_FALSE(exists(target.substr(0, target.size() - 1) + "~"));
}

}  // namespace
