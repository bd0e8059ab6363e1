// The memories, Edit Copy/Cut/Paste, File > Exit and Help > About.
#include "case_label.h"
#include "window_driver.h"

#include <atomic>
#include <thread>

namespace {

using Memories = CalculatorWindow;

TEST_F(Memories, RecallInsertsAtTheCaretOfTheFocusedBoxAndReplacesTheClipboard) {
    typeText("12+5");
    sendCommand(kMemorySave2);
    EXPECT_STREQ(calculatorState.memoryTexts[1], "17");
    typeText("+");
    ASSERT_EQ(popupTexts(), (std::vector<std::string>{"+5", "12"}));
    setClipboardText("earlier");
    SetFocus(popupBox(2));
    SendMessageA(popupBox(2), EM_SETSEL, 1, 1);
    sendCommand(kMemoryRecall2);
    EXPECT_EQ(windowText(popupBox(2)), "1172");
    EXPECT_EQ(clipboardText(), "17");
    EXPECT_EQ(resultShown(), "1177");
}

TEST_F(Memories, SaveKeepsTheAnswerWithoutGrouping) {
    typeText("1234567.891234+");
    sendCommand(kDisplayCommas);
    sendCommand(kMemorySave3);
    EXPECT_STREQ(calculatorState.memoryTexts[2], "1234567.891234");
    sendCommand(kMemoryRecall3);
    EXPECT_EQ(windowText(inputBox()), "+1234567.891234");
}

TEST_F(Memories, BusyClipboardLeavesTheBoxesAlone) {
    copyText(calculatorState.memoryTexts[0], "17");
    setClipboardText("99");
    typeText("5");
    std::atomic<int> stage{0};
    std::thread holder([&stage] {
        if (!OpenClipboard(nullptr)) {
            stage = -1;
            return;
        }
        stage = 1;
        while (stage == 1) Sleep(5);
        CloseClipboard();
    });
    while (stage == 0) Sleep(5);
    if (stage == 1) {
        sendCommand(kMemoryRecall1);
        EXPECT_EQ(windowText(inputBox()), "5");
        EXPECT_EQ(resultShown(), "5");
        stage = 2;
    }
    holder.join();
    ASSERT_NE(stage, -1) << "the clipboard could not be held";
    EXPECT_EQ(clipboardText(), "99");
}

using EditCommands = CalculatorWindow;

TEST_F(EditCommands, CopyCutAndPasteOnAnInputSelection) {
    typeText("12345");
    SendMessageA(inputBox(), EM_SETSEL, 1, 3);
    sendCommand(kEditCopy);
    EXPECT_EQ(clipboardText(), "23");
    EXPECT_EQ(windowText(inputBox()), "12345");
    sendCommand(kEditCut);
    EXPECT_EQ(windowText(inputBox()), "145");
    EXPECT_EQ(resultShown(), "145");
    SendMessageA(inputBox(), EM_SETSEL, 0, 0);
    sendCommand(kEditPaste);
    EXPECT_EQ(windowText(inputBox()), "23145");
    EXPECT_EQ(resultShown(), "23145");
}

TEST_F(EditCommands, ResultBoxCopiesButNeitherCutsNorPastes) {
    typeText("12+5");
    SetFocus(resultBox());
    SendMessageA(resultBox(), EM_SETSEL, 0, -1);
    sendCommand(kEditCopy);
    EXPECT_EQ(clipboardText(), "17");
    sendCommand(kEditCut);
    EXPECT_EQ(resultShown(), "17");
    setClipboardText("99");
    SendMessageA(resultBox(), EM_SETSEL, 0, 0);
    sendCommand(kEditPaste);
    EXPECT_EQ(resultShown(), "17");
}

struct ExitCase {
    const char* label;
    int answer;
    bool windowRemains;
};

class Exit : public CalculatorWindow, public testing::WithParamInterface<ExitCase> {};

TEST_P(Exit, AsksTheReminderQuestion) {
    answerMessageBoxes({GetParam().answer});
    sendCommand(kFileExit);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Reminder");
    EXPECT_EQ(seenMessageBoxes()[0].text,
              "Do you want to save present calculation?\r\nIf so manually save after clicking yes.");
    EXPECT_EQ(seenMessageBoxes()[0].buttons, "YN");
    EXPECT_EQ(IsWindow(window) != FALSE, GetParam().windowRemains);
    EXPECT_EQ(mainWindowHandle() != nullptr, GetParam().windowRemains);
    if (!GetParam().windowRemains) {
        MSG message{};
        EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    }
}

const ExitCase kExitCases[] = {{"AnsweredYesStays", IDYES, true}, {"AnsweredNoEnds", IDNO, false}};

INSTANTIATE_TEST_SUITE_P(File, Exit, testing::ValuesIn(kExitCases), CaseLabel());

using Help = CalculatorWindow;

TEST_F(Help, AboutNamesTheProduct) {
    sendCommand(kHelpAbout);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "About-Marrowfieldtallymaster 1.1");
    EXPECT_EQ(seenMessageBoxes()[0].text, "Marrowfieldtallymaster 1.1");
}

TEST_F(Help, UnknownCommandsAreIgnored) {
    typeText("12+5");
    for (int id : {0, 7, 105, 107, 109, 151, 999}) sendCommand(id);
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_EQ(resultShown(), "17");
}

}  // namespace
