// The messages File > Open shows when it refuses a file, as titles and
// texts, for the window and for tallymaster-eval --file alike. Portable.
#pragma once

#include <string>

constexpr char kOpenFailureTitle[] = "Error-Open File";
constexpr char kBadFileTitle[] = "Bad File";
constexpr char kBadFileText[] = "Not a 'Marrowfieldtallymaster' File Type";

// The text when the file at `path` cannot be opened or read.
std::string openFailureText(const char* path);
