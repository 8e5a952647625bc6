// Text operations whose meaning depends on the host's ANSI code page.
// Windows builds follow the active code page (lead bytes of double-byte
// characters are respected); other builds work on bytes and ASCII letters.
#pragma once

#include <string>

namespace text {

// True when `needle` occurs in `haystack` starting at a character boundary.
// An empty needle is always found.
bool Contains(const std::string& haystack, const std::string& needle);

// Position of the first occurrence at or after `from` that starts at a
// character boundary, or std::string::npos.
std::size_t Find(const std::string& haystack, const std::string& needle, std::size_t from = 0);

// Upper-cases the letters of the code page.
std::string ToUpper(const std::string& s);

// Equality ignoring the case of the ASCII letters A-Z only.
bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b);

// Removes space, tab, LF, VT, FF and CR at both ends.
std::string Trim(const std::string& s);

// The boundary-respecting search behind Find, with the code page's lead-byte
// test passed in: Windows passes the active code page's, and tests pass a
// double-byte code page's on every build. A lead byte as the last byte of
// `haystack` counts as a character of its own.
std::size_t FindAtCharBoundary(const std::string& haystack, const std::string& needle, std::size_t from,
                               bool (*isLeadByte)(unsigned char));

}  // namespace text
