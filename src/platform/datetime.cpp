// Text forms of the host's automation dates. Portable arithmetic only, so the
// plug-in prints the same text for the same value on every build.
#include "platform/datetime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const char kInvalidText[] = "Invalid DateTime";

constexpr int64_t kSecondsPerDay = 86400;
// Day numbers of 0100-01-01 and 9999-12-31: the range the host's own date
// type can represent.
constexpr int64_t kFirstDay = -657434;
constexpr int64_t kLastDay = 2958465;
// 1970-01-01 as an automation day, to reuse the usual civil-date arithmetic.
constexpr int64_t kUnixEpochDay = 25569;

struct CivilTime {
    int64_t year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// Proleptic Gregorian date of a count of days since 1970-01-01.
void CivilFromDays(int64_t z, CivilTime& t) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = yoe + era * 400 + (t.month <= 2 ? 1 : 0);
}

// False when the value has no calendar form the host would accept.
bool ToCivil(double dt, CivilTime& t) {
    if (!std::isfinite(dt) || dt <= static_cast<double>(kFirstDay - 1) ||
        dt >= static_cast<double>(kLastDay + 1)) {
        return false;
    }
    // Automation dates before 1899-12-30 are not a timeline: the integer part
    // is the day and the fraction's magnitude is the time of day on it.
    const double wholeDays = std::trunc(dt);
    int64_t day = static_cast<int64_t>(wholeDays);
    const double exactSeconds = std::fabs(dt - wholeDays) * kSecondsPerDay;
    // A half second has no exact day count, and near year 9999 the day count
    // only resolves tens of microseconds; within that precision of a half
    // second the value counts as the half, which rounds up.
    const double magnitude = std::max(std::fabs(dt), 1.0);
    const double slack = 2.0 * (std::nextafter(magnitude, HUGE_VAL) - magnitude) * kSecondsPerDay;
    const double wholeSeconds = std::floor(exactSeconds);
    int64_t seconds = static_cast<int64_t>(wholeSeconds) + (exactSeconds - wholeSeconds >= 0.5 - slack ? 1 : 0);
    // Rounding can reach midnight; that is the start of the next calendar day.
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        day += 1;
    }
    if (day < kFirstDay || day > kLastDay) {
        return false;
    }
    CivilFromDays(day - kUnixEpochDay, t);
    t.hour = static_cast<int>(seconds / 3600);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
    return true;
}

void AppendNumber(std::string& out, int64_t value, int width) {
    std::string digits = std::to_string(value);
    if (digits.size() < static_cast<std::size_t>(width)) {
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    out += digits;
}

}  // namespace

std::string FormatDateTime(const DateTimeValue& value, const char* pattern) {
    if (value.m_status == kDateNull) {
        return std::string();
    }
    CivilTime t{};
    if (value.m_status != kDateValid || !ToCivil(value.m_dt, t)) {
        return kInvalidText;
    }
    std::string out;
    for (const char* p = pattern != nullptr ? pattern : ""; *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
            case 'Y': AppendNumber(out, t.year, 4); break;
            case 'm': AppendNumber(out, t.month, 2); break;
            case 'd': AppendNumber(out, t.day, 2); break;
            case 'H': AppendNumber(out, t.hour, 2); break;
            case 'M': AppendNumber(out, t.minute, 2); break;
            case 'S': AppendNumber(out, t.second, 2); break;
            case '%': out += '%'; break;
            default:
                // Not a field we know: copied as it stands.
                out += '%';
                out += *p;
                break;
        }
    }
    return out;
}
