// Edit Copy, Cut and Paste on the focused box; File > Exit; Help > About;
// the kind of help window that each other Help command opens.
#include "command_parts.h"
#include "control_ids.h"
#include "help_windows.h"
#include "recalculation.h"
#include "window_services.h"
#include "window_state.h"

#include <windows.h>

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

} // namespace

void copyToClipboard() { SendMessageA(GetFocus(), WM_COPY, 0, 0); }

void cutToClipboard() {
    SendMessageA(GetFocus(), WM_CUT, 0, 0);
    recalculate();
}

void pasteFromClipboard() {
    SendMessageA(GetFocus(), WM_PASTE, 0, 0);
    recalculate();
}

void exitCommand() {
    const int answer = MessageBoxA(
        nullptr, "Do you want to save present calculation?\r\nIf so manually save after clicking yes.", "Reminder",
        kQuestionFlags);
    if (answer == IDNO) DestroyWindow(windowState.mainWindow);
}

void aboutCommand() {
    MessageBoxA(nullptr, "Marrowfieldtallymaster 1.1", "About-Marrowfieldtallymaster 1.1", MB_OK);
}

HWND createHelpWindow(int commandId, HWND owner) {
    const HelpCommand* command = helpCommand(commandId);
    return command == nullptr ? nullptr : createHelpWindowOfKind(command->kind, owner);
}

HWND latestHelpWindow(int commandId) {
    const HelpCommand* command = helpCommand(commandId);
    return command == nullptr ? nullptr : latestHelpWindowOfKind(command->kind);
}
