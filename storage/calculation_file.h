// The calculation file on disk: the file dialogs, writing the saved and
// present calculations and reading a file back into its entries, and the
// messages of a failure (Windows only). The file's text itself is built and
// split in calculation_file_text.h; the File commands are ui/file_commands.h.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

// Prepares the Open and Save As records; called once at window creation.
// Both dialogs' paths start as the default calculation file.
void initFileDialogs(HWND owner);
// The Open dialog; true when a file was chosen (its path in the Open buffer).
bool chooseOpenFile();
// The Save As dialog; true when a file was chosen. The Save As buffer holds
// a path also when it returns false.
bool chooseSaveFile();
// The two dialogs' path buffers.
const char* openDialogPath();
const char* saveDialogPath();
// The platform's dialogs (GetOpenFileNameA, GetSaveFileNameA). Tests install
// their own to answer without a dialog; null restores the platform's.
using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEA* record);
void installFileDialogs(FileDialogFunction open, FileDialogFunction save);

// Writes the saved and present calculations to currentFile, replacing the
// old file only once the new text is complete, and reports a failure. Sets
// calculationSaved when the whole file was written (true), clears it
// otherwise.
bool writeCalculationFile();
// Reads the file at path and splits it into its entries (the last one the
// present calculation); false, after its message box, when the file cannot
// be read or is not a whole calculation file.
bool readCalculationFile(const char* path, std::vector<std::string>& entries);

// The platform's WriteFile; tests install their own (a full disk, say); null
// restores the platform's.
using FileWriteFunction = BOOL(WINAPI*)(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written,
                                        LPOVERLAPPED overlapped);
void installFileWriter(FileWriteFunction write);

// The messages of a path that cannot be opened ("Error-Open File") or saved
// ("Error-Save File", with the platform's reason for `error`). A long path
// is broken into lines of its own, so that the box fits the screen.
void showOpenFailure(const char* path);
void showSaveFailure(const char* path, DWORD error);
