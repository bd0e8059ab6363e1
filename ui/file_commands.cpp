// File > Open, Save and Save As and the closing question: the chosen path
// becomes the current file only once it has been read or written, and
// unsaved work is offered for saving before it is closed or replaced.
#include "file_commands.h"

#include "calculation_file.h"
#include "calculation_file_text.h"
#include "calculator_state.h"
#include "control_ids.h"
#include "recalculation.h"
#include "window_services.h"
#include "window_state.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kReminderFlags = MB_YESNOCANCEL | MB_ICONSTOP | MB_DEFBUTTON2;  // 0x113

bool fitsCurrentFile(const char* path) { return std::strlen(path) < sizeof calculatorState.currentFile; }

// Makes a path the current file and shows it in the file-name strip.
void adoptPath(const char* path) {
    copyText(calculatorState.currentFile, path);
    if (windowState.fileNameStrip != nullptr) SetWindowTextA(windowState.fileNameStrip, calculatorState.currentFile);
}

// Save As: true when a file was chosen and written. A path too long for
// currentFile is not cut (that would name another file): refused.
bool saveAs() {
    if (!chooseSaveFile()) return false;
    const char* chosen = saveDialogPath();
    if (!fitsCurrentFile(chosen)) {
        showSaveFailure(chosen, ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    adoptPath(chosen);
    return writeCalculationFile();
}

// Unsaved work is offered for saving first: true when the caller may go on
// (saved, or the user chose not to save).
bool unsavedWorkSettled() {
    if (calculatorState.calculationSaved) return true;
    const int answer = MessageBoxA(nullptr, "Do you want to save present calculation?", "Reminder", kReminderFlags);
    if (answer == IDNO) return true;
    if (answer != IDYES) return false;  // Cancel
    return calculatorState.currentFile[0] != '\0' ? writeCalculationFile() : saveAs();
}

// The chosen file becomes the current file only once it has been read: a
// refused file is never the target of a later Save.
void openCommand() {
    if (!unsavedWorkSettled()) return;
    if (!chooseOpenFile()) return;
    const char* chosen = openDialogPath();
    if (!fitsCurrentFile(chosen)) {
        showOpenFailure(chosen);
        return;
    }
    if (openCalculationFile(chosen)) adoptPath(chosen);
}

// Save without a current file asks for one; a cancelled dialog writes
// nothing.
void saveCommand() {
    if (calculatorState.currentFile[0] != '\0') {
        writeCalculationFile();
        return;
    }
    saveAs();
}

}  // namespace

// The whole file is checked before anything changes.
bool openCalculationFile(const char* path) {
    std::vector<std::string> entries;
    if (!readCalculationFile(path, entries)) return false;
    clearCalculations();
    const std::string present = installCalculationFileEntries(entries);
    rebuildCalculationItems(calculatorState.savedCount);
    restoreBoxes(present.c_str(), static_cast<int>(present.size()));
    if (changeHandling()) {
        recalculate();
        SetFocus(windowState.inputBox);
        calculatorState.calculationSaved = 1;
    }
    return true;
}

void closeRequested() {
    if (unsavedWorkSettled() && windowState.mainWindow != nullptr) DestroyWindow(windowState.mainWindow);
}

void runFileCommand(int id) {
    switch (id) {
    case kFileOpen: openCommand(); break;
    case kFileSave: saveCommand(); break;
    case kFileSaveAs: saveAs(); break;
    default: break;
    }
}
