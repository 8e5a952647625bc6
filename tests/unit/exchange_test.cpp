// Which received exchanges the contest accepts: serial numbers of three or
// four digits (never the report 599) and member identifiers.
#include <gtest/gtest.h>

#include <string>

#include "log/exchange.h"

namespace {

struct ExchangeCase {
    const char* exchange;
    int expected;
};

TEST(IsValidExchange, AcceptsSerialsAndMemberIdentifiersOnly) {
    const ExchangeCase cases[] = {
        {"001", 1},       {"123", 1},       {"599", 0},        {"0599", 1},      {"5999", 1},
        {"9999", 1},      {"12", 0},        {"12345", 0},      {"1a3", 0},       {"12 3", 0},
        {" 123", 0},      {"123 ", 0},      {"-12", 0},        {"+123", 0},      {"", 0},
        {"ZQM", 0},       {"ZQM1", 0},      {"ZQM12", 0},      {"ZQM123", 1},    {"12ZQM3", 1},
        {"ABCDEFZQM", 1}, {"zqm123", 0},    {"ZqM123", 0},     {" ZQM1 ", 1},    {"ZQM\t\t\t", 1},
        // Bytes of 128 and above are no digits, whatever the code page.
        {"12\xB2", 0},    {"\xB9" "23", 0}, {"1\xFF" "34", 0}, {"\x80\x80\x80", 0},
        // 0x30 + 0x80 would pass a test that ignores the high bit.
        {"\xB0\xB1\xB2", 0},
    };
    for (const ExchangeCase& c : cases) {
        EXPECT_EQ(IsValidExchange(c.exchange), c.expected) << '"' << c.exchange << '"';
    }
}

TEST(IsValidExchange, FindsTheMarkerAnywhereInALongText) {
    std::string text(10000, 'x');
    EXPECT_EQ(IsValidExchange(text.c_str()), 0);
    text.replace(0, 3, "ZQM");
    EXPECT_EQ(IsValidExchange(text.c_str()), 1);
    text.replace(0, 3, "xxx");
    text.replace(5000, 3, "ZQM");
    EXPECT_EQ(IsValidExchange(text.c_str()), 1);
    text.replace(5000, 3, "xxx");
    text.replace(text.size() - 3, 3, "ZQM");
    EXPECT_EQ(IsValidExchange(text.c_str()), 1);
}

TEST(IsValidExchange, NullIsRefused) { EXPECT_EQ(IsValidExchange(nullptr), 0); }

}  // namespace
