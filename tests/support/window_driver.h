// Driving the calculator's real main window from a Win32 test program: start
// it in-process, type into its boxes, send commands, answer its message
// boxes without waiting, and read back texts, styles, rectangles and menus.
// Everything runs on the test's own thread (the window's thread).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// ---- The main window ------------------------------------------------------

// Puts the calculator state, the working places and the clock back to their
// start values, installs the message-box hook, registers the window classes
// and creates the main window as WinMain does (shown with SW_SHOW). Any main
// window still open is destroyed first. Returns the main window.
HWND startCalculatorWindow();

// Destroys the main window if it still exists and takes every message left
// in the queue, the quit message included.
void closeCalculatorWindow();

// Dispatches every message waiting in the thread's queue.
void pumpMessages();

// ---- Input ----------------------------------------------------------------

// One WM_CHAR per character to the focused window.
void typeText(const std::string& text);
// Focuses the box, then one WM_CHAR per character to it.
void typeInto(HWND box, const std::string& text);
// A key-down and key-up of a virtual key to the window.
void pressKey(HWND window, UINT virtualKey);
// A command message (notification code 0) to the main window: a menu item or
// a button.
void sendCommand(int id);

// ---- Reading back ---------------------------------------------------------

// A rectangle in the main window's client coordinates.
struct ClientRect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const ClientRect&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ClientRect& rect);

ClientRect clientRectOf(HWND control);
// Outer size of a top-level window and its client-area height.
int windowHeight(HWND window);
int windowWidth(HWND window);
int clientHeight(HWND window);

std::string windowText(HWND window);
std::string className(HWND window);
DWORD windowStyle(HWND window);
int controlId(HWND window);
// The main window's children with the given identifier, in creation order.
std::vector<HWND> childrenWithId(HWND parent, int id);
// The style the platform stores for a control of this class created with
// `style` (some styles are adjusted on creation): made and destroyed at once.
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

// ---- Message boxes --------------------------------------------------------

struct SeenMessageBox {
    std::string title;
    std::string text;
};

// Buttons (IDOK, IDYES, IDNO, ...) pressed on the next message boxes, in
// order. When none is queued a box is answered with OK, else Cancel, else
// Yes, whichever it has.
void answerMessageBoxes(std::initializer_list<int> buttons);
// The boxes shown since the last forgetMessageBoxes(), oldest first.
const std::vector<SeenMessageBox>& seenMessageBoxes();
void forgetMessageBoxes();

// ---- Clipboard ------------------------------------------------------------

std::string clipboardText();
void setClipboardText(const std::string& text);
