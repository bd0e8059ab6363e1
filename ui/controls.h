// The main window's permanent controls and its menu bar, created once by the
// creation handler.
#pragma once

#include <windows.h>

// Style of every edit box (multi-line, right-aligned, one row) and of the
// read-only result box; labels and the two Clear buttons.
constexpr DWORD kBorderedStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr DWORD kEditBoxStyle =
    kBorderedStyle | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE | ES_RIGHT;
constexpr DWORD kResultBoxStyle = kEditBoxStyle | ES_READONLY;
constexpr DWORD kLabelStyle = kBorderedStyle | SS_CENTER;
constexpr DWORD kPlainButtonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;

// Creates a child control of the main window.
HWND createControl(const char* className, const char* text, DWORD style, int x, int y, int width, int height, int id);

// The seven permanent controls, in their fixed order, into windowState.
void createPermanentControls();

// Builds the menu bar and attaches it to the main window.
void createMenuBar();
