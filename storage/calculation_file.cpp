// The calculation file on disk: writing the present state safely, reading a
// file back into its entries, and the messages of a failure. The text itself
// is built and checked by calculation_file_text.h; this side moves bytes and
// shows messages.
#include "calculation_file.h"

#include "calculation_file_text.h"
#include "calculator_state.h"
#include "saved_calculation_text.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kOpenFailureTitle[] = "Error-Open File";
constexpr char kSaveFailureTitle[] = "Error-Save File";
constexpr char kTemporarySuffix[] = ".saving";

} // namespace

void showOpenFailure(const char* path) {
    const std::string text = std::string("Can't open the file ") + path +
                             ". It may be open,\n\nor may not exist.  Create the file by using File > Save.";
    MessageBoxA(nullptr, text.c_str(), kOpenFailureTitle, MB_OK);
}

namespace {

void showBadFile() { MessageBoxA(nullptr, "Not a 'Marrowfieldtallymaster' File Type", "Bad File", MB_OK); }

} // namespace

void showSaveFailure(const char* path, DWORD /*error*/) {
    const std::string text = std::string("Can't save the file ") + path +
                             ".\n\nCheck that the folder exists and the file is not open in another program.";
    MessageBoxA(nullptr, text.c_str(), kSaveFailureTitle, MB_OK);
}

namespace {

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
        showSaveFailure(target.c_str(), GetLastError());
        return false;
    }
    s.calculationSaved = 1;
    return true;
}

// The whole file is checked before anything is handed back.
bool readCalculationFile(const char* path, std::vector<std::string>& entries) {
    std::string bytes;
    const ReadOutcome outcome = readWholeFile(path, bytes);
    if (outcome == ReadOutcome::notOpened) {
        showOpenFailure(path);
        return false;
    }
    if (outcome == ReadOutcome::tooLarge || !parseCalculationFileText(bytes, entries)) {
        showBadFile();
        return false;
    }
    return true;
}
