// The host's date/time value and its text forms.
// The host hands dates over as an automation date (days since 1899-12-30 with
// the time of day as fraction) plus a status; every text the plug-in writes,
// from the rejection log to the Cabrillo QSO lines, goes through FormatDateTime
// so that all of them round and reject values the same way.
#pragma once

#include <cstdint>
#include <string>

enum DateStatus : int32_t {
    kDateValid = 0,
    kDateInvalid = 1,
    kDateNull = 2,
};

// Same layout as the host's value (16 bytes on x86 and x86-64): the export
// layer reads the host's pointer as one of these.
struct DateTimeValue {
    double m_dt = 0.0;
    int32_t m_status = kDateValid;
};
static_assert(sizeof(DateTimeValue) == 16, "must match the host's date layout");

// Formats with a strftime-style pattern (%Y %m %d %H %M %S %%; any other
// character is copied). The value is rounded to the nearest second first,
// half away from zero. Null gives "", invalid status or a value outside
// year 100 .. 9999-12-31 23:59:59 (NaN and infinities included) gives
// "Invalid DateTime".
std::string FormatDateTime(const DateTimeValue& value, const char* pattern);

// A null pointer from the host is a null date.
inline DateTimeValue DateFromHost(const DateTimeValue* p) {
    if (p == nullptr) {
        DateTimeValue d;
        d.m_status = kDateNull;
        return d;
    }
    return *p;
}
