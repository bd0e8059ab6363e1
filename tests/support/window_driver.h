// Driving the calculator's real main window from a Win32 test program: start
// it in-process, type into its boxes, send commands, answer its dialogs
// without waiting, and read back texts, styles, rectangles and menus.
// Everything runs on the test's own thread (the window's thread).
#pragma once

#include "calculator_state.h"
#include "control_ids.h"
#include "window_services.h"
#include "window_state.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// ---- The main window ------------------------------------------------------

// Closes any main window still open, puts the calculator state, working
// places and clock back to their start values, installs the dialog hook and
// creates the main window as WinMain does. Returns the main window.
HWND startCalculatorWindow();
// Destroys the main window if it still exists and takes every message left.
void closeCalculatorWindow();
// Dispatches every message waiting in the thread's queue (a quit is kept).
void pumpMessages();

// A fresh main window for every test.
class CalculatorWindow : public testing::Test {
protected:
    void SetUp() override { window = startCalculatorWindow(); }
    void TearDown() override { closeCalculatorWindow(); }
    HWND window = nullptr;
};

// The calculator's own controls by role.
inline HWND inputBox() { return windowState.inputBox; }
inline HWND resultBox() { return windowState.resultBox; }
inline HWND popupBox(int k) { return windowState.popupBoxes[k]; }
std::string resultShown();
// Texts of popup boxes 1..n (box 1 just above the input box).
std::vector<std::string> popupTexts();

// ---- Input ----------------------------------------------------------------

// One WM_CHAR per character to the focused window.
void typeText(const std::string& text);
// Focuses the box, then one WM_CHAR per character to it.
void typeInto(HWND box, const std::string& text);
// A key-down and key-up of a virtual key to the window.
void pressKey(HWND window, UINT virtualKey);
// A key as the keyboard gives it: key-down and key-up posted to the window
// (scan code in lParam) and taken through the message loop, so that
// TranslateMessage makes its character; Shift and Ctrl held down meanwhile.
void pressKeyInLoop(HWND window, UINT virtualKey, bool shift = false, bool control = false);
// A command message (notification code 0) to the main window: a menu item or
// a button.
void sendCommand(int id);

// ---- Reading back ---------------------------------------------------------

// A rectangle in the client coordinates of `parent` (default: main window).
struct ClientRect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const ClientRect&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ClientRect& rect);
ClientRect clientRectOf(HWND control, HWND parent = nullptr);
// Outer rectangle of a top-level window in screen coordinates.
RECT outerRect(HWND window);
int windowHeight(HWND window);
int clientHeight(HWND window);

std::string windowText(HWND window);
std::string className(HWND window);
DWORD windowStyle(HWND window);
// The window's children with the given identifier, in creation order.
std::vector<HWND> childrenWithId(HWND parent, int id);
// The style the platform stores for a control of this class created with
// `style` (some styles are adjusted on creation).
DWORD storedStyleFor(const char* controlClass, DWORD style);

// Selection (or caret, when start == end) of an edit box.
struct EditSelection {
    int start;
    int end;
};
EditSelection editSelection(HWND box);

// ---- Menus ----------------------------------------------------------------

struct MenuEntryInfo {
    std::string label;  // empty for a separator
    int id;             // 0 for separators and submenus
    bool separator;
    bool operator==(const MenuEntryInfo&) const = default;
};
std::ostream& operator<<(std::ostream& out, const MenuEntryInfo& entry);
std::vector<MenuEntryInfo> menuEntries(HMENU menu);
// Submenu `index` of the main window's menu bar.
HMENU barSubmenu(int index);

// ---- Dialogs --------------------------------------------------------------

struct SeenMessageBox {
    std::string title;
    std::string text;      // a message box's text; empty for other dialogs
    std::string buttons;   // of O(K), C(ancel), Y(es), N(o): those it has
    int width = 0;         // of the whole box, in pixels
    bool textFits = true;  // the text's lines, as drawn, fit its text field
};

// Buttons (IDOK, IDYES, ...) pressed on the next dialogs, in order; when
// none is queued, OK, else Cancel, else Yes, whichever the dialog has.
void answerMessageBoxes(std::initializer_list<int> buttons);
// The next dialog is a file dialog: types `path` into it and presses OK.
void answerFileDialog(const std::string& path);
// The dialogs shown since the last forgetMessageBoxes(), oldest first.
const std::vector<SeenMessageBox>& seenMessageBoxes();
void forgetMessageBoxes();

// ---- The screen -----------------------------------------------------------

// The main window's client area as the display shows it, one 0x00RRGGBB
// value per pixel, row by row (read from the screen, not from the window).
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned> pixels;
};
// Dispatches the waiting messages and gives the display time to show them.
void settleScreen();
ScreenPicture captureClientArea(HWND window);
// Compares what the screen shows now with a fresh paint of the whole window
// (invalidated with every child, painted at once): the number of client
// pixels that differ, the caret's rectangle left out. 0 when nothing on
// screen was stale.
int stalePixelCount(HWND window);

// How far the control's text, drawn on one line in the font the control
// draws with (WM_GETFONT; the system font when none is set), runs past the
// room its client rectangle gives it (less `margin` pixels on each side), in
// pixels across and down; {0, 0} when the text fits whole.
SIZE textOverrun(HWND control, int margin);

// ---- Clipboard ------------------------------------------------------------

std::string clipboardText();
void setClipboardText(const std::string& text);
