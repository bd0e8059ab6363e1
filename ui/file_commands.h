// File > Open, Save and Save As and the closing question of the main window:
// which file is current, when to ask, and what the window shows afterwards.
// Reading and writing the file itself is storage/calculation_file.h's.
#pragma once

// Reads the file at path into the saved and present calculations and the
// boxes; false, with a message and nothing changed, when it is refused.
bool openCalculationFile(const char* path);
// WM_CLOSE of the main window: asks to save unsaved work, then destroys the
// window unless the user cancels.
void closeRequested();
// File > Open (32), Save (33), Save As (34).
void runFileCommand(int id);
