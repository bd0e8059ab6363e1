// The layout rule of the main window: where the input box, result box, the
// two Clear buttons and the popup boxes stand for a given number of popup
// boxes and variablesOffset, and the window height that goes with it. The
// numbers below are the one table of the window's places and sizes.
#pragma once

constexpr int kBaseWindowHeight = 235;
constexpr int kBaseClientHeight = 191;
constexpr int kWindowWidth = 600;
constexpr int kVariablesBandHeight = 70;

// The column of boxes on the left; boxes, labels and the small buttons are
// one row high.
constexpr int kBoxLeft = 15;
constexpr int kBoxWidth = 465;
constexpr int kBoxHeight = 20;
// The column of buttons and labels on the right.
constexpr int kButtonLeft = 495;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 25;
// Each popup box stands one row above the one before it.
constexpr int kRow = 20;
// Up to this many popup boxes fit above the input box; each further one
// grows the window by a row.
constexpr int kPopupsWithoutGrowth = 5;

// Tops of the movable controls with no popup box beyond kPopupsWithoutGrowth
// and the variables hidden.
constexpr int kClearSaveButtonTop = 120;
constexpr int kInputBoxTop = 135;
constexpr int kClearButtonTop = 150;
constexpr int kResultBoxTop = 157;

// The rows under the file-name strip: the angle and decimals labels on the
// right, the x, y and z boxes with their one-letter labels on the left.
constexpr int kUpperRowTop = 30;
constexpr int kUpperRowStep = 25;
constexpr int kVariableLabelWidth = 15;
// The Save to X/Y/Z buttons, one upper row step apart.
constexpr int kSaveToButtonTop = 110;

// Window back to the base height for variablesOffset; input box, result box
// and both buttons at their places for no popup boxes.
void resetLayout();

// The y of popup box k (1..kMaxBoxes - 1); for each box beyond
// kPopupsWithoutGrowth the window grows by a row and the other controls move
// down first.
int placeNewPopup(int k);

// Move everything below the variable boxes down (open) or up (close) by a
// pixels and grow or shrink the window by a.
void openVariablesBand(int a);
void closeVariablesBand(int a);

// x of the main window on a screen of the given width.
int mainWindowLeft(int screenWidth);
