// Text operations that mean the same under every code page: the white space
// and ASCII letters they look at are single bytes in all of them, and a lead
// byte is never one of those.
#include "platform/text.h"

namespace text {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool Contains(const std::string& haystack, const std::string& needle) {
    return Find(haystack, needle) != std::string::npos;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string Trim(const std::string& s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(s[end - 1])) {
        --end;
    }
    return s.substr(begin, end - begin);
}

std::size_t FindAtCharBoundary(const std::string& haystack, const std::string& needle, std::size_t from,
                               bool (*isLeadByte)(unsigned char)) {
    const std::size_t size = haystack.size();
    // Boundaries are only known by walking from the start: a byte that looks
    // like a trail byte may also be a lead byte.
    auto next = [&](std::size_t i) {
        return (i + 1 < size && isLeadByte(static_cast<unsigned char>(haystack[i]))) ? i + 2 : i + 1;
    };
    std::size_t i = 0;
    while (i < from && i < size) {
        i = next(i);
    }
    if (i < from) {
        return std::string::npos;  // `from` lies beyond the end
    }
    while (needle.size() <= size - i) {
        if (haystack.compare(i, needle.size(), needle) == 0) {
            return i;
        }
        if (i == size) {
            break;
        }
        i = next(i);
    }
    return std::string::npos;
}

}  // namespace text
