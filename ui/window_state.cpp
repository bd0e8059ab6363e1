// The main window's process-wide state.
#include "window_state.h"

WindowState windowState = {nullptr, 0,  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, {}, {},      {},      {},      0,       1,       0,       0};

void resetWindowState() {
    windowState = WindowState{};
    windowState.variablesHidden = 1;
}
