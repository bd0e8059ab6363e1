// The individual commands that runCommand dispatches to, one small module
// each (clear_commands, memories, display_options, variables_band,
// edit_commands, saved_calculations).
#pragma once

// Clear (button 3) and Clear/Save (button 6).
void clearCommand();
void clearSaveCommand();

// Memory > Save n and Recall n (n = 1..3).
void saveMemory(int n);
void recallMemory(int n);

// Display and Trig choices. The show functions set the label and the state
// only (the window's start uses them); the others also recalculate.
struct DisplayChoice;
void showDecimals(const DisplayChoice& choice);
void showAngleUnit(int inDegrees);
void applyDisplayChoice(const DisplayChoice& choice);
void setAngleUnit(int inDegrees);

// Variables menu and the Save to X/Y/Z buttons (index 0..2).
void showVariables();
void hideVariables();
void clearVariables();
void saveToVariable(int index);

// Edit menu, File > Exit, Help > About.
void copyToClipboard();
void cutToClipboard();
void pasteFromClipboard();
void exitCommand();
void aboutCommand();
