// The messages File > Open shows when it refuses a file, as titles and
// texts, for the window and for tallymaster-eval --file alike. Portable.
#pragma once

#include <string>

constexpr char kOpenFailureTitle[] = "Error-Open File";
constexpr char kBadFileTitle[] = "Bad File";
constexpr char kBadFileText[] = "Not a 'Marrowfieldtallymaster' File Type";

// "OPENING PATH" on one line when it fits in 64 characters; otherwise the
// path on lines of its own, each broken after a backslash where one falls in
// reach, so that a message box of such lines fits a 1024-pixel screen.
std::string sentenceWithPath(const char* opening, const std::string& path);

// The text when the file at `path` cannot be opened or read.
std::string openFailureText(const char* path);
