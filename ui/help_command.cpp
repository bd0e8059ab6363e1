// The Help menu's window commands: each opens a new help window owned by the
// main window.
#include "help_windows.h"
#include "window_state.h"

void openHelpWindow(int commandId) { createHelpWindow(commandId, windowState.mainWindow); }
