// Control identifiers of the main window's children and the command
// identifiers of its menu bar and buttons.
#pragma once

// Controls. The file-name strip and the input box share 16; neither sends a
// command with notification code 0, so they never meet Help > Functions.
constexpr int kFileNameStripId = 16;
constexpr int kInputBoxId = 16;
constexpr int kResultBoxId = 18;
constexpr int kAngleLabelId = 5;
constexpr int kDecimalsLabelId = 4;
constexpr int kPopupBoxId = 12;
constexpr int kVariableBoxIds[3] = {20, 22, 24};
constexpr int kVariableLabelIds[3] = {21, 23, 25};

// Commands (menu items and buttons).
enum CommandId {
    kHelpInstructions = 1,
    kFileExit = 2,
    kClearButton = 3,
    kTrigRadians = 4,
    kTrigDegrees = 5,
    kClearSaveButton = 6,
    kHelpFunctions = 16,
    kHelpMenus = 17,
    kHelpAbout = 19,
    kFileNewCalculation = 31,
    kFileOpen = 32,
    kFileSave = 33,
    kFileSaveAs = 34,
    kFilePrint = 35,
    kShowVariables = 40,
    kHideVariables = 41,
    kClearVariables = 42,
    kSaveToX = 45,
    kSaveToY = 46,
    kSaveToZ = 47,
    kEditCopy = 60,
    kEditCut = 61,
    kEditPaste = 62,
    kMemorySave1 = 70,
    kMemoryRecall1 = 71,
    kMemorySave2 = 72,
    kMemoryRecall2 = 73,
    kMemorySave3 = 74,
    kMemoryRecall3 = 75,
    kDisplayCommas = 98,
    kDisplayNoGroup = 99,
    kDisplayGroup5 = 100,
    kDisplayNoDecimals = 101,
    kDisplay10Decimals = 102,
    kDisplay20Decimals = 103,
    kDisplay30Decimals = 104,
    kDisplay40Decimals = 106,
    kDisplay50Decimals = 108,
    kDisplayAllDecimals = 110,
    kClearCalculations = 120,
    kFirstRecallCalculation = 121,
};

// The command of the Memory menu's Recall Calc n (n from 1).
constexpr int recallCalculationCommand(int n) { return kFirstRecallCalculation + n - 1; }

// The Memory menu's place on the bar and the number of its items before any
// calculation is saved.
constexpr int kMemoryMenuIndex = 2;
constexpr int kFixedMemoryItems = 8;
