// The sample calculation file of the release package opened through File >
// Open and the platform's Open dialog, on the real main window: its three
// saved calculations and the present one come back with their answers.
//   sample_open_tests.exe (TM_SAMPLE_FILE: the unpacked Sample.twr, a
//   Windows path)
#include "window_driver.h"

#include <cstdlib>

namespace {

TEST_F(CalculatorWindow, SampleFileOpensWithItsCalculations) {
    const char* sample = std::getenv("TM_SAMPLE_FILE");
    ASSERT_NE(sample, nullptr) << "TM_SAMPLE_FILE is not set";
    answerFileDialog(sample);
    sendCommand(kFileOpen);
    pumpMessages();

    for (const SeenMessageBox& box : seenMessageBoxes()) EXPECT_TRUE(box.text.empty()) << box.title << ": " << box.text;
    EXPECT_EQ(windowText(windowState.fileNameStrip), sample);
    EXPECT_EQ(calculatorState.savedCount, 3);
    EXPECT_EQ(popupTexts(), (std::vector<std::string>{"+.000001", "1000000"}));
    EXPECT_EQ(windowText(inputBox()), "-999999.999999");
    EXPECT_EQ(resultShown(), ".000002");
}

}  // namespace
