// The platform seam: installed calls, or recording when none is installed.
#include "platform_seam.h"

namespace {

PlatformSeam installedSeam = {nullptr, nullptr};
std::vector<RecordedMessage> messages;
std::string resultText;

}  // namespace

void installPlatformSeam(PlatformSeam seam) { installedSeam = seam; }

void showMessage(const char* title, const char* text) {
    if (installedSeam.showMessage != nullptr) {
        installedSeam.showMessage(title, text);
        return;
    }
    messages.push_back({title != nullptr ? title : "", text != nullptr ? text : ""});
}

void setResultText(const char* text) {
    if (installedSeam.setResultText != nullptr) {
        installedSeam.setResultText(text);
        return;
    }
    resultText = text != nullptr ? text : "";
}

const std::vector<RecordedMessage>& recordedMessages() { return messages; }

const std::string& recordedResultText() { return resultText; }

void clearRecordedCalls() {
    messages.clear();
    resultText.clear();
}
