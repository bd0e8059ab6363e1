// The calculation file on disk: the file dialogs, writing and reading the
// saved and present calculations, and the closing question (Windows only).
// The file's text itself is built and split in calculation_file_text.h.
#pragma once

#include <windows.h>

#include <commdlg.h>

// The path both dialogs show at start-up.
constexpr char kDefaultCalculationFile[] = "C:\\Tallowrune\\Mfld.twr";
// Each dialog's own path buffer.
constexpr int kDialogPathCapacity = 512;

// Prepares the Open and Save As records; called once at window creation.
// Both dialogs' paths start as kDefaultCalculationFile.
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

// Writes currentFile; strict after a dialog, plain otherwise. True when the
// whole file was written.
bool writeCalculationFile(bool strict);
// Reads the file at path and replaces the saved and present calculations;
// false, with a message and nothing changed, when the file is refused.
bool openCalculationFile(const char* path);
// WM_CLOSE of the main window: asks to save unsaved work, then destroys the
// window unless the user cancels.
void closeRequested();
// File > Open (32), Save (33), Save As (34).
void runFileCommand(int id);
