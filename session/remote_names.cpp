#include "session/remote_names.h"

namespace remotenames {

bool sendable(const std::string& name) {
    return name.find_first_of("\r\n") == std::string::npos && name.find('\0') == std::string::npos;
}

std::string withLetterCase(const std::string& name, bool upper) {
    std::string out = name;
    for (char& c : out) {
        if (upper && c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

} // namespace remotenames
