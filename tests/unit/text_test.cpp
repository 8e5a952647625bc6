// Text helpers: blanks, ASCII case, and searches that must not start inside
// a double-byte character.
#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace {

TEST(Text, TrimRemovesEveryBlankKindAtBothEndsOnly) {
    EXPECT_EQ(text::Trim(" \t\n\v\f\rZQM 1\t2\r\n \f"), "ZQM 1\t2");
    EXPECT_EQ(text::Trim(" \t\r\n"), "");
    EXPECT_EQ(text::Trim(""), "");
    EXPECT_EQ(text::Trim("ZQM"), "ZQM");
    // A non-breaking space (0xA0 in the western code pages) is not a blank.
    EXPECT_EQ(text::Trim("\xA0ZQM "), "\xA0ZQM");
}

TEST(Text, EqualsIgnoringAsciiCaseTouchesOnlyAsciiLetters) {
    EXPECT_TRUE(text::EqualsIgnoringAsciiCase("20m", "20M"));
    EXPECT_TRUE(text::EqualsIgnoringAsciiCase("", ""));
    EXPECT_FALSE(text::EqualsIgnoringAsciiCase("20m", "40m"));
    EXPECT_FALSE(text::EqualsIgnoringAsciiCase("20m", ""));
    EXPECT_FALSE(text::EqualsIgnoringAsciiCase("20m", "20m "));
    // Letters differing by 0x20 outside A-Z are not case pairs: '@' and '`', 0xC9 and 0xE9.
    EXPECT_FALSE(text::EqualsIgnoringAsciiCase("@", "`"));
    EXPECT_FALSE(text::EqualsIgnoringAsciiCase("\xC9", "\xE9"));
}

TEST(Text, ToUpperChangesAsciiLettersAndKeepsTheLength) {
    EXPECT_EQ(text::ToUpper(" zqm-7x az{`@\t"), " ZQM-7X AZ{`@\t");
    EXPECT_EQ(text::ToUpper(""), "");
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(text::ToUpper(withNul), std::string("A\0B", 3));
    // Bytes of 128 and above follow the code page; only the length is fixed.
    EXPECT_EQ(text::ToUpper("\xE9\xFF\x80").size(), 3u);
}

TEST(Text, FindAndContainsOnSingleByteText) {
    EXPECT_TRUE(text::Contains("12ZQM3", "ZQM"));
    EXPECT_TRUE(text::Contains("ABCDEFZQM", "ZQM"));
    EXPECT_FALSE(text::Contains("zqm123", "ZQM"));
    EXPECT_FALSE(text::Contains("ZQ", "ZQM"));
    EXPECT_TRUE(text::Contains("", ""));
    EXPECT_TRUE(text::Contains("abc", ""));
    EXPECT_EQ(text::Find("ZQMxZQM", "ZQM"), 0u);
    EXPECT_EQ(text::Find("ZQMxZQM", "ZQM", 1), 4u);
    EXPECT_EQ(text::Find("ZQMxZQM", "ZQM", 5), std::string::npos);
    EXPECT_EQ(text::Find("abc", "", 3), 3u);
    EXPECT_EQ(text::Find("abc", "", 4), std::string::npos);
    EXPECT_EQ(text::Find("abc", "c", 1000), std::string::npos);
}

// Lead bytes of the Japanese double-byte code page; its trail bytes include
// the ASCII letters, which is what makes a plain byte search wrong.
bool IsShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

TEST(Text, SearchNeverStartsOnATrailByte) {
    // 0x83 'Z' is one character; the marker after it is "QM" plus the next character.
    const std::string hidden = "\x83ZQM1";
    EXPECT_EQ(text::FindAtCharBoundary(hidden, "ZQM", 0, IsShiftJisLeadByte), std::string::npos);
    EXPECT_EQ(text::FindAtCharBoundary("\x83ZQMZQM", "ZQM", 0, IsShiftJisLeadByte), 4u);
    // Two lead bytes in a row: the second is the first's trail byte.
    EXPECT_EQ(text::FindAtCharBoundary("\x83\x83ZQM", "ZQM", 0, IsShiftJisLeadByte), 2u);
    // A start inside a character moves on to the next boundary.
    EXPECT_EQ(text::FindAtCharBoundary("\x83ZZQM", "ZQM", 1, IsShiftJisLeadByte), 2u);
    EXPECT_EQ(text::FindAtCharBoundary("\x83Z", "Z", 1, IsShiftJisLeadByte), std::string::npos);
    // A lead byte at the very end stands alone; nothing is read past it.
    EXPECT_EQ(text::FindAtCharBoundary("ab\x83", "\x83", 0, IsShiftJisLeadByte), 2u);
    EXPECT_EQ(text::FindAtCharBoundary("ab\x83", "", 3, IsShiftJisLeadByte), 3u);
    EXPECT_EQ(text::FindAtCharBoundary("ab", "", 3, IsShiftJisLeadByte), std::string::npos);
    EXPECT_EQ(text::FindAtCharBoundary("", "ZQM", 0, IsShiftJisLeadByte), std::string::npos);
}

}  // namespace
