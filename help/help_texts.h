// The texts of the three help windows: the basic instructions (two parts,
// CR LF separated lines), the function list and the menu explanations.
// Portable: no platform headers, so the texts are checked natively too.
#pragma once

constexpr int kFunctionLineCount = 25;
constexpr int kMenuLineCount = 63;

// One line per row; a row may hold tab characters.
extern const char* const functionListLines[kFunctionLineCount];
extern const char* const menuListLines[kMenuLineCount];

// The two parts of the basic instructions. Part one ends with a line break;
// part two has none at its very end.
extern const char* const instructionsPartOne;
extern const char* const instructionsPartTwo;

// Part one followed by part two, joined once into one buffer on the first
// call; every later call returns the same unchanged text.
const char* basicInstructionsText();
