// The check that keeps profile writes from corrupting the file, shared by the
// Win32 and the POSIX profile code so that both refuse the same texts.
#include "platform/profile.h"

namespace profile {

namespace {

// What the Win32 functions see of a text: everything before its first NUL.
std::string AsCText(const std::string& s) { return std::string(s.c_str()); }

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

}  // namespace

bool CanStore(const std::string& section, const std::string& key, const std::string& value) {
    const std::string s = AsCText(section);
    const std::string k = AsCText(key);
    const std::string v = AsCText(value);
    if (HasLineBreak(s) || HasLineBreak(k) || HasLineBreak(v)) {
        return false;
    }
    const std::size_t first = k.find_first_not_of(" \t\v\f\x1a");
    if (first == std::string::npos) {
        return false;  // a nameless line would be merged with its neighbours
    }
    // "k=ey" would read back as key "k"; "[key]" would read back as a section.
    return k.find('=') == std::string::npos && k[first] != '[';
}

}  // namespace profile
