// runCommand: each command identifier to the one function that carries it out.
#include "commands.h"

#include "calculator_state.h"
#include "command_parts.h"
#include "control_ids.h"
#include "display_choices.h"
#include "file_commands.h"
#include "help_windows.h"
#include "printing.h"
#include "recalculation.h"
#include "window_services.h"
#include "window_state.h"

void finishCommand() {
    recalculate();
    SetFocus(windowState.inputBox);
}

void runCommand(int id) {
    if (id > kClearCalculations && id <= kClearCalculations + kMaxSavedCalculations) {
        recallCalculation(id - kClearCalculations);
        return;
    }
    if (const DisplayChoice* choice = findDisplayChoice(id)) {
        applyDisplayChoice(*choice);
        return;
    }
    switch (id) {
    case kFileNewCalculation:
    case kClearCalculations: clearCalculations(); break;
    case kFileOpen:
    case kFileSave:
    case kFileSaveAs: runFileCommand(id); break;
    case kFilePrint: printCalculations(windowState.mainWindow); break;
    case kFileExit: exitCommand(); break;
    case kEditCopy: copyToClipboard(); break;
    case kEditCut: cutToClipboard(); break;
    case kEditPaste: pasteFromClipboard(); break;
    case kMemorySave1: saveMemory(1); break;
    case kMemorySave2: saveMemory(2); break;
    case kMemorySave3: saveMemory(3); break;
    case kMemoryRecall1: recallMemory(1); break;
    case kMemoryRecall2: recallMemory(2); break;
    case kMemoryRecall3: recallMemory(3); break;
    case kTrigDegrees: setAngleUnit(1); break;
    case kTrigRadians: setAngleUnit(0); break;
    case kShowVariables: showVariables(); break;
    case kHideVariables: hideVariables(); break;
    case kClearVariables: clearVariables(); break;
    case kSaveToX: saveToVariable(0); break;
    case kSaveToY: saveToVariable(1); break;
    case kSaveToZ: saveToVariable(2); break;
    case kClearButton: clearCommand(); break;
    case kClearSaveButton: clearSaveCommand(); break;
    case kHelpInstructions:
    case kHelpFunctions:
    case kHelpMenus: openHelpWindow(id); break;
    case kHelpAbout: aboutCommand(); break;
    default: break;
    }
}
