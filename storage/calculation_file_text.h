// The calculation file's text: building it from the calculator state, and
// splitting a file's bytes back into its entries after checking the whole
// file. Portable (no windows.h); the Windows side only chooses paths, moves
// bytes and shows messages.
//
// Format: "Marrowfieldtallymaster N\n\n" then N entries, each followed by
// "\n\n"; entries 1..N-1 are the saved calculations, entry N the present one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kMaxCalculationFileBytes = 1024 * 1024;

// The whole file text for the present state: header with savedCount + 1,
// every saved calculation, then the present calculation stamped `stamp`.
std::string buildCalculationFileText(const char* stamp);

// Splits a file's bytes into its entries. Carriage return + line feed pairs
// are read as line feeds. False, with `entries` untouched, when the file is
// larger than kMaxCalculationFileBytes, does not open with
// "Marrowfieldtallymaster", has a count that is not 1..31, or ends before its
// last counted entry. Text after the last counted entry is ignored.
bool parseCalculationFileText(std::string_view bytes, std::vector<std::string>& entries);

// Puts parsed entries into the state: entries 1..N-1 become the saved
// calculations (savedCount = N - 1), entry N goes to slot N as well. Returns
// entry N with "=" appended, ready for restoring the boxes.
std::string installCalculationFileEntries(const std::vector<std::string>& entries);
