// The calculation file on disk: writing the present state safely, reading a
// file back into its entries, and the messages of a failure. The text itself
// is built and checked by calculation_file_text.h; this side moves bytes and
// shows messages.
#include "calculation_file.h"

#include "calculation_file_messages.h"
#include "calculation_file_text.h"
#include "calculator_state.h"
#include "saved_calculation_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char kSaveFailureTitle[] = "Error-Save File";
constexpr char kTemporarySuffix[] = ".saving";
// Names tried for the temporary file before the save gives up.
constexpr int kTemporaryAttempts = 100;
FileWriteFunction writeFunction = WriteFile;

// The platform's own words for an error code, without the line end.
std::string reasonFor(DWORD error) {
    char text[512] = {};
    const DWORD length = error != ERROR_SUCCESS
                             ? FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                              error, 0, text, sizeof text, nullptr)
                             : 0;
    std::string reason(text, std::min<std::size_t>(length, sizeof text - 1));
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason.empty() ? "Error " + std::to_string(error) + "." : reason;
}

void showBadFile() { MessageBoxA(nullptr, kBadFileText, kBadFileTitle, MB_OK); }

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

// ---- The safe save ---------------------------------------------------------

// Where a save stopped: the platform's error code (ERROR_SUCCESS when it
// did not stop).
struct SaveStep {
    DWORD error = ERROR_SUCCESS;
    bool failed() const { return error != ERROR_SUCCESS; }
};

SaveStep failedWith(DWORD error) { return {error != ERROR_SUCCESS ? error : static_cast<DWORD>(ERROR_GEN_FAILURE)}; }

// "\\?\C:\x" and "\\?\UNC\server\x" as the platform hands back final paths,
// in their usual forms "C:\x" and "\\server\x".
std::string withoutLongPathPrefix(const std::string& path) {
    if (path.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + path.substr(8);
    if (path.rfind("\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

// The file that an existing target stands for: a symbolic link is followed
// to the file it points at, so that the link stays and its file is
// written. A target that does not exist yet is itself.
SaveStep resolveTarget(const std::string& target, std::string& resolved) {
    resolved = target;
    const HANDLE file = CreateFileA(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char final[MAX_PATH + 16];
    const DWORD length = GetFinalPathNameByHandleA(file, final, sizeof final, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= sizeof final) return {};
    resolved = withoutLongPathPrefix(final);
    if (resolved.size() >= MAX_PATH) return failedWith(ERROR_FILENAME_EXCED_RANGE);
    return {};
}

// An existing file must be one this program may replace: not held open by
// another program, not a folder, not closed to writing. Opened and closed
// again at once; nothing in it changes.
SaveStep checkReplaceable(const std::string& target) {
    if (GetFileAttributesA(target.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    const HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failedWith(GetLastError());
    CloseHandle(file);
    return {};
}

// Name number `attempt` for the temporary file of `name` in a folder that
// leaves `room` characters for it: NAME.saving, NAME.1.saving, ... or, where
// that is too long, the name's own length with its end replaced by ~1, ~2,
// ... Empty when no such name fits.
std::string temporaryName(const std::string& name, int attempt, std::size_t room) {
    const std::string number = std::to_string(attempt);
    const std::string usual = name + (attempt == 0 ? "" : "." + number) + kTemporarySuffix;
    if (usual.size() <= room) return usual;
    const std::string tail = "~" + number;
    const std::size_t length = std::min(room, std::max(name.size(), tail.size()));
    if (tail.size() > length) return "";
    const std::string candidate = name.substr(0, length - tail.size()) + tail;
    return lstrcmpiA(candidate.c_str(), name.c_str()) == 0 ? "" : candidate;
}

// A new file beside `target` under a name no file has yet: created
// exclusively, another name tried when one is taken.
SaveStep createTemporary(const std::string& target, std::string& temporary, HANDLE& file) {
    const std::size_t slash = target.rfind('\\');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = target.substr(folder.size());
    const std::size_t room = MAX_PATH - 1 > folder.size() ? MAX_PATH - 1 - folder.size() : 0;
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        const std::string candidate = temporaryName(name, attempt, room);
        if (candidate.empty()) continue;
        temporary = folder + candidate;
        file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) return {};
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    temporary.clear();
    return failedWith(error == ERROR_ALREADY_EXISTS ? static_cast<DWORD>(ERROR_FILE_EXISTS) : error);
}

// Writes the whole text, going on after a short write; a write that moves
// nothing means the disk is full.
SaveStep writeWhole(HANDLE file, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 20));
        DWORD written = 0;
        if (writeFunction(file, text.data() + done, chunk, &written, nullptr) == FALSE)
            return failedWith(GetLastError());
        if (written == 0) return failedWith(ERROR_DISK_FULL);
        done += written;
    }
    if (FlushFileBuffers(file) == FALSE) return failedWith(GetLastError());
    return {};
}

// The new text goes to a temporary file beside the file it replaces, which
// takes the old one's place in one step; on every failure the temporary file
// is removed and the old file stays as it was.
SaveStep saveSafely(const std::string& target, const std::string& text) {
    std::string resolved;
    SaveStep step = resolveTarget(target, resolved);
    if (!step.failed()) step = checkReplaceable(resolved);
    if (step.failed()) return step;
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    step = createTemporary(resolved, temporary, file);
    if (step.failed()) return step;
    step = writeWhole(file, text);
    if (CloseHandle(file) == FALSE && !step.failed()) step = failedWith(GetLastError());
    if (!step.failed() &&
        MoveFileExA(temporary.c_str(), resolved.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
        step = failedWith(GetLastError());
    }
    if (step.failed()) DeleteFileA(temporary.c_str());
    return step;
}

// The folder of the path (up to its last backslash); only its last level is
// made, and an existing folder is fine. True when this call made it.
bool createLastFolder(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return false;
    return CreateDirectoryA(path.substr(0, slash + 1).c_str(), nullptr) != FALSE;
}

}  // namespace

void showOpenFailure(const char* path) {
    MessageBoxA(nullptr, openFailureText(path).c_str(), kOpenFailureTitle, MB_OK);
}

void showSaveFailure(const char* path, DWORD error) {
    const std::string text = sentenceWithPath("Can't save the file", path) + ".\n\n" + reasonFor(error);
    MessageBoxA(nullptr, text.c_str(), kSaveFailureTitle, MB_OK);
}

void installFileWriter(FileWriteFunction write) { writeFunction = write != nullptr ? write : WriteFile; }

// A file that cannot be written whole is reported and leaves
// calculationSaved clear. A folder made for the file is removed again when
// the save fails.
bool writeCalculationFile() {
    CalculatorState& s = calculatorState;
    const std::string target = s.currentFile;
    SaveStep step = failedWith(ERROR_INVALID_NAME);
    if (!target.empty()) {
        const bool madeFolder = createLastFolder(target);
        step = saveSafely(target, buildCalculationFileText(dateStamp()));
        if (step.failed() && madeFolder) RemoveDirectoryA(target.substr(0, target.rfind('\\') + 1).c_str());
    }
    if (step.failed()) {
        s.calculationSaved = 0;
        showSaveFailure(target.c_str(), step.error);
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
