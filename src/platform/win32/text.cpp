// Code-page text operations on Windows: the host's texts are in the active
// ANSI code page, so a search must not match at a double-byte character's
// trail byte, and upper-casing follows the code page's letters.
#include "platform/text.h"

#include <windows.h>

#include <algorithm>

namespace text {

namespace {

bool IsActiveCodePageLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

}  // namespace

std::size_t Find(const std::string& haystack, const std::string& needle, std::size_t from) {
    return FindAtCharBoundary(haystack, needle, from, IsActiveCodePageLeadByte);
}

std::string ToUpper(const std::string& s) {
    std::string upper = s;
    // CharUpperBuffA takes a DWORD count; texts that long never come from the
    // host, but a longer one is still handled piece by piece.
    const std::size_t kChunk = 0x40000000u;
    for (std::size_t done = 0; done < upper.size();) {
        const std::size_t count = std::min(kChunk, upper.size() - done);
        CharUpperBuffA(&upper[done], static_cast<DWORD>(count));
        done += count;
    }
    return upper;
}

}  // namespace text
