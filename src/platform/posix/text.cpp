// Code-page text operations off Windows: every byte is a character of its
// own, and only the ASCII letters have cases.
#include "platform/text.h"

namespace text {

std::size_t Find(const std::string& haystack, const std::string& needle, std::size_t from) {
    return haystack.find(needle, from);
}

std::string ToUpper(const std::string& s) {
    std::string upper = s;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

}  // namespace text
