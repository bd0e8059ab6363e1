// Where evaluation meets the platform: a modal message box (title, text, OK;
// returns when dismissed) and setting the result box's text. The Windows
// program installs MessageBoxA (no owner, type 0) and SetWindowTextA on the
// result box; without an installed seam the calls are recorded, which is
// what the native build and its tests use.
#pragma once

#include <string>
#include <vector>

struct PlatformSeam {
    void (*showMessage)(const char* title, const char* text);
    void (*setResultText)(const char* text);
};

// Replaces the seam; a null member falls back to recording.
void installPlatformSeam(PlatformSeam seam);

// Calls through the seam.
void showMessage(const char* title, const char* text);
void setResultText(const char* text);

// What the recording seam saw, in order.
struct RecordedMessage {
    std::string title;
    std::string text;
};
const std::vector<RecordedMessage>& recordedMessages();
const std::string& recordedResultText();
void clearRecordedCalls();
