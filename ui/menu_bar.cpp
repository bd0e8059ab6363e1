// The main window's menu bar, built once at creation.
#include "control_ids.h"
#include "controls.h"
#include "display_choices.h"
#include "menu_items.h"
#include "window_state.h"

namespace {

// One entry of a menu: a label and its command, or a separator (null label).
struct MenuEntry {
    const char* label;
    int id;
};

constexpr MenuEntry kSeparator = {nullptr, 0};

constexpr MenuEntry kFileItems[] = {{"&New Calculation", kFileNewCalculation},
                                    {"&Open", kFileOpen},
                                    kSeparator,
                                    {"&Save ", kFileSave},
                                    {"Save &As...", kFileSaveAs},
                                    kSeparator,
                                    {"&Print", kFilePrint},
                                    kSeparator,
                                    {"E&xit", kFileExit}};
constexpr MenuEntry kEditItems[] = {
    {"&Copy...Ctrl+C", kEditCopy}, {"C&ut.....Ctrl+X", kEditCut}, {"&Paste..Ctrl+V", kEditPaste}};
constexpr MenuEntry kMemoryItems[] = {{"&Save 1", kMemorySave1}, {"&Recall 1", kMemoryRecall1}, kSeparator,
                                      {"S&ave 2", kMemorySave2}, {"R&ecall 2", kMemoryRecall2}, kSeparator,
                                      {"Sa&ve 3", kMemorySave3}, {"Re&call 3", kMemoryRecall3}};
// Saved calculations' items are placed after these.
static_assert(sizeof kMemoryItems / sizeof kMemoryItems[0] == kFixedMemoryItems);
constexpr MenuEntry kTrigItems[] = {{"&Degrees", kTrigDegrees}, {"&Radians", kTrigRadians}};
constexpr MenuEntry kVariablesItems[] = {
    {"&Show Variables", kShowVariables}, {"&Hide Variables", kHideVariables}, {"&Clear Variables", kClearVariables}};
constexpr MenuEntry kHelpItems[] = {{"&Instructions", kHelpInstructions},
                                    {"&Functions", kHelpFunctions},
                                    {"&Menus", kHelpMenus},
                                    kSeparator,
                                    {"&About", kHelpAbout}};

template <std::size_t N>
void appendMenu(HMENU bar, const char* label, const MenuEntry (&entries)[N]) {
    HMENU popup = CreatePopupMenu();
    for (const MenuEntry& entry : entries) {
        if (entry.label == nullptr)
            insertSeparator(popup, -1);
        else
            insertCommandItem(popup, -1, entry.label, entry.id);
    }
    appendSubmenu(bar, label, popup);
}

// The Display menu: its table's rows in order, a separator where the
// groupings end and the decimals begin.
void appendDisplayMenu(HMENU bar) {
    HMENU popup = CreatePopupMenu();
    for (std::size_t i = 0; i < kDisplayChoiceCount; ++i) {
        const DisplayChoice& choice = kDisplayChoices[i];
        if (i > 0 && choice.kind != kDisplayChoices[i - 1].kind) insertSeparator(popup, -1);
        insertCommandItem(popup, -1, choice.menuLabel, choice.commandId);
    }
    appendSubmenu(bar, "&Display", popup);
}

}  // namespace

void createMenuBar() {
    HMENU bar = CreateMenu();
    appendMenu(bar, "&File", kFileItems);
    appendMenu(bar, "&Edit", kEditItems);
    appendMenu(bar, "&Memory", kMemoryItems);
    appendDisplayMenu(bar);
    appendMenu(bar, "&Trig", kTrigItems);
    appendMenu(bar, "&Variables", kVariablesItems);
    appendMenu(bar, "&Help", kHelpItems);
    SetMenu(windowState.mainWindow, bar);
}
