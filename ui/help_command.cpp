// The Help menu's window commands: the kind of help window each opens, a
// new one owned by the main window.
#include "control_ids.h"
#include "help_windows.h"
#include "window_state.h"

namespace {

struct HelpCommand {
    int commandId;
    HelpWindowKind kind;
};

constexpr HelpCommand kHelpCommands[] = {
    {kHelpInstructions, kInstructionsWindow},
    {kHelpFunctions, kFunctionListWindow},
    {kHelpMenus, kMenuListWindow},
};

const HelpCommand* helpCommand(int commandId) {
    for (const HelpCommand& command : kHelpCommands) {
        if (command.commandId == commandId) return &command;
    }
    return nullptr;
}

}  // namespace

void openHelpWindow(int commandId) { createHelpWindow(commandId, windowState.mainWindow); }

HWND createHelpWindow(int commandId, HWND owner) {
    const HelpCommand* command = helpCommand(commandId);
    return command == nullptr ? nullptr : createHelpWindowOfKind(command->kind, owner);
}

HWND latestHelpWindow(int commandId) {
    const HelpCommand* command = helpCommand(commandId);
    return command == nullptr ? nullptr : latestHelpWindowOfKind(command->kind);
}
