// Menu item records: 44 bytes (the record without the bitmap field).
#include "menu_items.h"

#include "calculator_state.h"

#include <cstddef>

namespace {

constexpr UINT kItemRecordSize = offsetof(MENUITEMINFOA, hbmpItem);
static_assert(sizeof(void*) != 4 || kItemRecordSize == 44, "the menu item record is 44 bytes");

// Labels go through one 40-byte scratch buffer.
char labelBuffer[40];

UINT insertionPoint(HMENU menu, int position) {
    const int count = GetMenuItemCount(menu);
    return static_cast<UINT>(position < 0 || position > count ? count : position);
}

MENUITEMINFOA itemRecord(UINT mask, UINT type) {
    MENUITEMINFOA item{};
    item.cbSize = kItemRecordSize;
    item.fMask = mask;
    item.fType = type;
    return item;
}

}  // namespace

void insertCommandItem(HMENU menu, int position, const char* label, int id) {
    MENUITEMINFOA item = itemRecord(MIIM_ID | MIIM_TYPE, MFT_STRING);
    copyText(labelBuffer, label);
    item.wID = static_cast<UINT>(id);
    item.dwTypeData = labelBuffer;
    InsertMenuItemA(menu, insertionPoint(menu, position), TRUE, &item);
}

void insertSeparator(HMENU menu, int position) {
    MENUITEMINFOA item = itemRecord(MIIM_TYPE, MFT_SEPARATOR);
    InsertMenuItemA(menu, insertionPoint(menu, position), TRUE, &item);
}

void appendSubmenu(HMENU bar, const char* label, HMENU popup) {
    MENUITEMINFOA item = itemRecord(MIIM_SUBMENU | MIIM_TYPE, MFT_STRING);
    copyText(labelBuffer, label);
    item.dwTypeData = labelBuffer;
    item.hSubMenu = popup;
    InsertMenuItemA(bar, insertionPoint(bar, -1), TRUE, &item);
}
