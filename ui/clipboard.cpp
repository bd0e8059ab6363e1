// Putting a text on the clipboard as CF_TEXT.
#include "window_services.h"
#include "window_state.h"

#include <cstring>

namespace {

constexpr UINT kClipboardBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;  // 0x2042

}  // namespace

bool putOnClipboard(const char* text) {
    if (text == nullptr) text = "";
    const std::size_t length = std::strlen(text);
    HGLOBAL block = GlobalAlloc(kClipboardBlockFlags, length + 1);
    if (block == nullptr) return false;
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text, length + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(windowState.inputBox)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(block);
    return placed;
}
