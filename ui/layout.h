// The layout rule of the main window: where the input box, result box, the
// two Clear buttons and the popup boxes stand for a given number of popup
// boxes and variablesOffset, and the window height that goes with it.
#pragma once

constexpr int kBaseWindowHeight = 235;
constexpr int kBaseClientHeight = 191;
constexpr int kWindowWidth = 600;
constexpr int kVariablesBandHeight = 70;

// Window back to the base height for variablesOffset; input box, result box
// and both buttons at their places for no popup boxes.
void resetLayout();

// The y of popup box k (1..9); from the sixth box on the window grows by a
// row and the other controls move down first.
int placeNewPopup(int k);

// Move everything below the variable boxes down (open) or up (close) by a
// pixels and grow or shrink the window by a.
void openVariablesBand(int a);
void closeVariablesBand(int a);

// x of the main window on a screen of the given width.
int mainWindowLeft(int screenWidth);
