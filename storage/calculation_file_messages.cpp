// The messages of a refused calculation file.
#include "calculation_file_messages.h"

namespace {

// The longest message line that holds a path.
constexpr std::size_t kMessageLineLength = 64;

}  // namespace

std::string sentenceWithPath(const char* opening, const std::string& path) {
    std::string text = opening;
    if (text.size() + 1 + path.size() <= kMessageLineLength) return text + ' ' + path;
    std::size_t from = 0;
    while (path.size() - from > kMessageLineLength) {
        const std::size_t slash = path.rfind('\\', from + kMessageLineLength - 1);
        const std::size_t end = slash != std::string::npos && slash > from ? slash + 1 : from + kMessageLineLength;
        text += '\n' + path.substr(from, end - from);
        from = end;
    }
    return text + '\n' + path.substr(from);
}

std::string openFailureText(const char* path) {
    return sentenceWithPath("Can't open the file", path) +
           ". It may be open,\n\nor may not exist.  Create the file by using File > Save.";
}
