// The main window's permanent controls and its menu bar, created once by the
// creation handler.
#pragma once

#include <windows.h>

// Style of every edit box (multi-line, right-aligned, one row) and of the
// read-only result box; labels and the two Clear buttons.
constexpr DWORD kEditBoxStyle = 0x50A101C6;
constexpr DWORD kResultBoxStyle = 0x50A109C6;
constexpr DWORD kBorderedStyle = 0x50800000;
constexpr DWORD kLabelStyle = 0x50800001;
constexpr DWORD kPlainButtonStyle = 0x50000000;

// Creates a child control of the main window.
HWND createControl(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                   int id);

// The seven permanent controls, in their fixed order, into windowState.
void createPermanentControls();

// Builds the menu bar and attaches it to the main window.
void createMenuBar();
