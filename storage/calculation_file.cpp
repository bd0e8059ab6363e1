// The calculation file on disk (placeholder until the file commands land).
#include "calculation_file.h"

void initFileDialogs(HWND) {}
bool chooseOpenFile() { return false; }
bool chooseSaveFile() { return false; }
bool writeCalculationFile(bool) { return false; }
void openCalculationFile() {}
void closeRequested() {}
void runFileCommand(int) {}
