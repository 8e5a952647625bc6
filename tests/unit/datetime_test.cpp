// Date texts for values at the edges: rounding carries across every calendar
// boundary, the representable range, negative day counts and odd statuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/datetime.h"
#include "support/test_support.h"

namespace {

using testing_support::MakeDate;

const char kFull[] = "%Y-%m-%d %H:%M:%S";
const char kInvalid[] = "Invalid DateTime";

DateTimeValue Valid(double dt) {
    DateTimeValue v;
    v.m_dt = dt;
    return v;
}

// `seconds` after (or before, when negative) the given date, in day units.
DateTimeValue Offset(const DateTimeValue& base, double seconds) { return Valid(base.m_dt + seconds / 86400.0); }

struct DateCase {
    const char* what;
    DateTimeValue value;
    const char* expected;
};

TEST(FormatDateTime, RoundsToTheNearestSecondBeforeFormatting) {
    const DateTimeValue qso = MakeDate(2016, 6, 9, 18, 42);
    const DateCase cases[] = {
        {"stored just below the minute", Offset(qso, -0.0001), "2016-06-09 18:42:00"},
        {"stored just above the minute", Offset(qso, 0.0001), "2016-06-09 18:42:00"},
        {"half a second rounds up", Offset(MakeDate(2016, 6, 9, 18, 41, 59), 0.5), "2016-06-09 18:42:00"},
        {"just under half rounds down", Offset(MakeDate(2016, 6, 9, 18, 41, 59), 0.49), "2016-06-09 18:41:59"},
        {"half a second at the top of the range", Offset(MakeDate(9999, 12, 31, 23, 59, 58), 0.5),
         "9999-12-31 23:59:59"},
        {"half a second at the epoch", Valid(0.5 / 86400.0), "1899-12-30 00:00:01"},
        {"carry into the hour", Offset(MakeDate(2016, 6, 9, 18, 59, 59), 0.6), "2016-06-09 19:00:00"},
        {"carry into the day", Offset(MakeDate(2016, 6, 9, 23, 59, 59), 0.6), "2016-06-10 00:00:00"},
        {"carry into March of a leap year", Offset(MakeDate(2016, 2, 29, 23, 59, 59), 0.7), "2016-03-01 00:00:00"},
        {"carry into the year", Offset(MakeDate(2016, 12, 31, 23, 59, 59), 0.9), "2017-01-01 00:00:00"},
        {"the epoch", Valid(0.0), "1899-12-30 00:00:00"},
        {"negative zero", Valid(-0.0), "1899-12-30 00:00:00"},
        {"negative half day is noon of the epoch", Valid(-0.5), "1899-12-30 12:00:00"},
        {"negative day: the fraction is the time of day", Valid(-1.25), "1899-12-29 06:00:00"},
        {"negative day rounds forward into the next day", Valid(-1.0 - 86399.6 / 86400.0), "1899-12-30 00:00:00"},
        {"first day of year 100", Valid(-657434.0), "0100-01-01 00:00:00"},
        {"last second of year 100's first day", Valid(-657434.0 - 86399.0 / 86400.0), "0100-01-01 23:59:59"},
        {"the day before year 100", Valid(-657435.0), kInvalid},
        {"last second of 9999", MakeDate(9999, 12, 31, 23, 59, 59), "9999-12-31 23:59:59"},
        {"rounds past the last second of 9999", Offset(MakeDate(9999, 12, 31, 23, 59, 59), 0.6), kInvalid},
        {"the day after 9999", Valid(2958466.0), kInvalid},
        {"huge", Valid(1e300), kInvalid},
        {"hugely negative", Valid(-1e300), kInvalid},
        {"NaN", Valid(std::numeric_limits<double>::quiet_NaN()), kInvalid},
        {"infinity", Valid(std::numeric_limits<double>::infinity()), kInvalid},
        {"minus infinity", Valid(-std::numeric_limits<double>::infinity()), kInvalid},
    };
    for (const DateCase& c : cases) {
        EXPECT_EQ(FormatDateTime(c.value, kFull), c.expected) << c.what;
    }
}

TEST(FormatDateTime, StatusDecidesBeforeTheValue) {
    DateTimeValue v = MakeDate(2016, 6, 9, 18, 42);
    v.m_status = kDateNull;
    EXPECT_EQ(FormatDateTime(v, kFull), "");
    v.m_status = kDateInvalid;
    EXPECT_EQ(FormatDateTime(v, kFull), kInvalid);
    v.m_status = 7;  // not a status the host defines
    EXPECT_EQ(FormatDateTime(v, kFull), kInvalid);
    v.m_status = -1;
    EXPECT_EQ(FormatDateTime(v, kFull), kInvalid);
    v.m_dt = std::nan("");
    v.m_status = kDateNull;
    EXPECT_EQ(FormatDateTime(v, kFull), "");
    EXPECT_EQ(FormatDateTime(DateFromHost(nullptr), kFull), "");
}

TEST(FormatDateTime, PatternsOfTheLogAndTheHeader) {
    const DateTimeValue v = MakeDate(2016, 6, 9, 8, 2, 5);
    EXPECT_EQ(FormatDateTime(v, "%Y-%m-%d %H%M"), "2016-06-09 0802");
    EXPECT_EQ(FormatDateTime(v, "%d.%m"), "09.06");
    EXPECT_EQ(FormatDateTime(v, "%d.%m.%Y"), "09.06.2016");
    // Anything that is not a known field is copied as it stands.
    EXPECT_EQ(FormatDateTime(v, "100%% %q %"), "100% %q %");
    EXPECT_EQ(FormatDateTime(v, ""), "");
    EXPECT_EQ(FormatDateTime(v, nullptr), "");
}

}  // namespace
