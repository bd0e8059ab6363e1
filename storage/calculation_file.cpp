// The calculation file on disk: File > Open, Save and Save As, writing and
// reading the file, and the closing question. The text itself is built and
// checked by calculation_file_text.h; this side chooses paths, moves bytes
// and shows messages.
#include "calculation_file.h"

#include "calculation_file_text.h"
#include "calculator_state.h"
#include "control_ids.h"
#include "recalculation.h"
#include "saved_calculation_text.h"
#include "window_services.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kOpenFailureTitle[] = "Error-Open File";
constexpr char kSaveFailureTitle[] = "Error-Save File";
constexpr char kTemporarySuffix[] = ".saving";
constexpr UINT kReminderFlags = MB_YESNOCANCEL | MB_ICONSTOP | MB_DEFBUTTON2;  // 0x113

// A permanent control of the main window, found by its class and identifier
// (the file-name strip and the input box share identifier 16).
HWND mainWindowControl(const char* className, int id) {
    const HWND window = mainWindowHandle();
    if (window == nullptr) return nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16];
        if (GetDlgCtrlID(child) == id && GetClassNameA(child, name, sizeof name) > 0 &&
            lstrcmpiA(name, className) == 0) {
            return child;
        }
    }
    return nullptr;
}

void showCurrentFile() {
    const HWND strip = mainWindowControl("Static", kFileNameStripId);
    if (strip != nullptr) SetWindowTextA(strip, calculatorState.currentFile);
}

void focusInputBox() {
    const HWND input = mainWindowControl("Edit", kInputBoxId);
    if (input != nullptr) SetFocus(input);
}

void showOpenFailure(const char* path) {
    const std::string text = std::string("Can't open the file ") + path +
                             ". It may be open,\n\nor may not exist.  Create the file by using File > Save.";
    MessageBoxA(nullptr, text.c_str(), kOpenFailureTitle, MB_OK);
}

void showBadFile() { MessageBoxA(nullptr, "Not a 'Marrowfieldtallymaster' File Type", "Bad File", MB_OK); }

void showSaveFailure(const char* path) {
    const std::string text = std::string("Can't save the file ") + path +
                             ".\n\nCheck that the folder exists and the file is not open in another program.";
    MessageBoxA(nullptr, text.c_str(), kSaveFailureTitle, MB_OK);
}

// Makes a chosen path the current file and shows it. A path too long for
// currentFile is not cut (that would name another file): false.
bool adoptPath(const char* path) {
    if (std::strlen(path) >= sizeof calculatorState.currentFile) return false;
    copyText(calculatorState.currentFile, path);
    showCurrentFile();
    return true;
}

// The folder of the path (up to its last backslash); only its last level is
// made, and an existing folder is fine.
void createLastFolder(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return;
    CreateDirectoryA(path.substr(0, slash + 1).c_str(), nullptr);
}

bool writeBytes(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE &&
                          written == text.size();
    const bool closed = CloseHandle(file) != FALSE;
    return complete && closed;
}

// The temporary file beside `target`. Where the usual name would be too long
// for the system, one of the target's own length: its last character changed.
std::string temporaryPathFor(const std::string& target) {
    std::string temporary = target + kTemporarySuffix;
    if (temporary.size() < MAX_PATH) return temporary;
    temporary = target;
    temporary.back() = temporary.back() == '~' ? '_' : '~';
    return temporary;
}

enum class ReadOutcome { read, notOpened, tooLarge };

// The whole file, up to one byte past the size limit (enough to refuse it).
ReadOutcome readWholeFile(const char* path, std::string& bytes) {
    const HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReadOutcome::notOpened;
    bytes.clear();
    char block[65536];
    DWORD got = 0;
    bool failed = false;
    while (bytes.size() <= kMaxCalculationFileBytes) {
        if (ReadFile(file, block, sizeof block, &got, nullptr) == FALSE) {
            failed = true;
            break;
        }
        if (got == 0) break;
        bytes.append(block, got);
    }
    CloseHandle(file);
    if (failed) return ReadOutcome::notOpened;
    return bytes.size() > kMaxCalculationFileBytes ? ReadOutcome::tooLarge : ReadOutcome::read;
}

// Save As: true when a file was chosen and written.
bool saveAs() {
    if (!chooseSaveFile()) return false;
    if (!adoptPath(saveDialogPath())) {
        showSaveFailure(saveDialogPath());
        return false;
    }
    return writeCalculationFile(true);
}

// Unsaved work is offered for saving first, as closing does: true when the
// caller may go on (saved, or the user chose not to save).
bool unsavedWorkSettled() {
    if (calculatorState.calculationSaved) return true;
    const int answer = MessageBoxA(nullptr, "Do you want to save present calculation?", "Reminder", kReminderFlags);
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;  // Cancel
    return calculatorState.currentFile[0] != '\0' ? writeCalculationFile(false) : saveAs();
}

// The chosen file becomes the current file only once it has been read: a
// refused file is never the target of a later Save.
void openCommand() {
    if (!unsavedWorkSettled()) return;
    if (!chooseOpenFile()) return;
    const char* chosen = openDialogPath();
    if (std::strlen(chosen) >= sizeof calculatorState.currentFile) {
        showOpenFailure(chosen);
        return;
    }
    if (openCalculationFile(chosen)) adoptPath(chosen);
}

// Save without a current file asks for one; a cancelled dialog writes
// nothing.
void saveCommand() {
    if (calculatorState.currentFile[0] != '\0') {
        writeCalculationFile(false);
        return;
    }
    saveAs();
}

void quitProgram() {
    const HWND window = mainWindowHandle();
    if (window != nullptr) DestroyWindow(window);
}

} // namespace

// Both modes behave alike: a file that cannot be created or fully written is
// reported and leaves calculationSaved clear. The new text goes to a
// temporary file beside the old one, which it replaces in one step, so a
// failed save never destroys the old file.
bool writeCalculationFile(bool /*strict*/) {
    CalculatorState& s = calculatorState;
    const std::string target = s.currentFile;
    bool saved = false;
    if (!target.empty()) {
        createLastFolder(target);
        const std::string temporary = temporaryPathFor(target);
        saved = writeBytes(temporary, buildCalculationFileText(dateStamp())) &&
                MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
                    FALSE;
        if (!saved) DeleteFileA(temporary.c_str());
    }
    if (!saved) {
        s.calculationSaved = 0;
        showSaveFailure(target.c_str());
        return false;
    }
    s.calculationSaved = 1;
    return true;
}

// The whole file is checked before anything changes: a file that cannot be
// read, or is not a complete calculation file, leaves the calculations as
// they are (false).
bool openCalculationFile(const char* path) {
    CalculatorState& s = calculatorState;
    std::string bytes;
    const ReadOutcome outcome = readWholeFile(path, bytes);
    if (outcome == ReadOutcome::notOpened) {
        showOpenFailure(path);
        return false;
    }
    std::vector<std::string> entries;
    if (outcome == ReadOutcome::tooLarge || !parseCalculationFileText(bytes, entries)) {
        showBadFile();
        return false;
    }
    clearCalculations();
    const std::string present = installCalculationFileEntries(entries);
    rebuildCalculationItems(s.savedCount);
    restoreBoxes(present.c_str(), static_cast<int>(present.size()));
    if (changeHandling()) {
        recalculate();
        focusInputBox();
        s.calculationSaved = 1;
    }
    return true;
}

void closeRequested() {
    if (unsavedWorkSettled()) quitProgram();
}

void runFileCommand(int id) {
    switch (id) {
    case kFileOpen: openCommand(); break;
    case kFileSave: saveCommand(); break;
    case kFileSaveAs: saveAs(); break;
    default: break;
    }
}
