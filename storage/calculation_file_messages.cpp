// The messages of a refused calculation file.
#include "calculation_file_messages.h"

std::string openFailureText(const char* path) {
    return std::string("Can't open the file ") + path +
           ". It may be open,\n\nor may not exist.  Create the file by using File > Save.";
}
