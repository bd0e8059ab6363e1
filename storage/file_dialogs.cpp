// The Open and Save As dialogs: one shared dialog record, each dialog with
// its own path buffer that keeps the last chosen path.
#include "calculation_file.h"

#include "calculator_state.h"

namespace {

// The path both dialogs show at start-up.
constexpr char kDefaultCalculationFile[] = "C:\\Tallowrune\\Mfld.twr";
// Each dialog's own path buffer.
constexpr int kDialogPathCapacity = 512;

// The pairs "Tallowrune Files (*.twr)" / "*.twr" and "All Files (*.*)" / "*.*";
// the literal's own terminator makes the closing second zero byte.
constexpr char kFilter[] = "Tallowrune Files (*.twr)\0*.twr\0All Files (*.*)\0*.*\0";

OPENFILENAMEA dialogRecord;
char openPath[kDialogPathCapacity];
char savePath[kDialogPathCapacity];

FileDialogFunction openDialog = GetOpenFileNameA;
FileDialogFunction saveDialog = GetSaveFileNameA;

// A dialog that returns no file leaves its path as it was: a name too long
// for the buffer comes back as a failure with the needed size written over
// the path's first two bytes.
bool runDialog(FileDialogFunction dialog, char* path, const char* title, DWORD flags) {
    char before[kDialogPathCapacity];
    copyText(before, path);
    dialogRecord.lpstrFile = path;
    dialogRecord.lpstrTitle = title;
    dialogRecord.Flags = flags;
    const bool chosen = dialog(&dialogRecord) != FALSE;
    if (!chosen) copyText(path, kDialogPathCapacity, before);
    path[kDialogPathCapacity - 1] = '\0';
    return chosen;
}

}  // namespace

void initFileDialogs(HWND owner) {
    dialogRecord = OPENFILENAMEA{};
    dialogRecord.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // 76 bytes
    dialogRecord.hwndOwner = owner;
    dialogRecord.lpstrFilter = kFilter;
    dialogRecord.nMaxFile = kDialogPathCapacity;
    dialogRecord.nMaxFileTitle = 256;
    dialogRecord.lpstrDefExt = "twr";
    copyText(openPath, kDefaultCalculationFile);
    copyText(savePath, kDefaultCalculationFile);
}

bool chooseOpenFile() { return runDialog(openDialog, openPath, "Open File", OFN_CREATEPROMPT); }

bool chooseSaveFile() { return runDialog(saveDialog, savePath, "Save File As", OFN_OVERWRITEPROMPT); }

const char* openDialogPath() { return openPath; }
const char* saveDialogPath() { return savePath; }

void installFileDialogs(FileDialogFunction open, FileDialogFunction save) {
    openDialog = open != nullptr ? open : GetOpenFileNameA;
    saveDialog = save != nullptr ? save : GetSaveFileNameA;
}
