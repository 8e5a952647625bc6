// The host's side of a count fed from an ADIF log: field conversions that the
// logging host would do when importing the log, and the calls with its
// positional argument lists.
#include "host/qso_from_adif.h"

#include <cmath>
#include <cstddef>

namespace {

const char kBlanks[] = " \t\r\n";

std::string Trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool AllDigits(const std::string& text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

int DigitsValue(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsCalendarDate(int year, int month, int day) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    int last = kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
    return day <= last;
}

// Days from 1899-12-30 (day 0 of the automation date) to a calendar date.
long DaySerial(int year, int month, int day) {
    int y = month <= 2 ? year - 1 : year;
    int era = y / 400;  // year >= 100, so never negative
    int yoe = y - era * 400;
    int mp = (month + 9) % 12;
    int doy = (153 * mp + 2) / 5 + day - 1;
    int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    long sinceEpoch = static_cast<long>(era) * 146097 + doe - 719468;  // days from 1970-01-01
    return sinceEpoch + 25569;
}

DateTimeValue ValidDate(long day, int secondOfDay) {
    DateTimeValue value;
    double fraction = secondOfDay / 86400.0;
    // Before day 0 the automation date keeps the day as its integer part and
    // the time of day as the magnitude of the fraction, so the time subtracts.
    value.m_dt = day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
    value.m_status = kDateValid;
    return value;
}

DateTimeValue InvalidDate() {
    DateTimeValue value;
    value.m_status = kDateInvalid;
    return value;
}

std::string Field(const AdifRecord& record, const char* name) {
    auto it = record.find(name);
    return it == record.end() ? std::string() : it->second;
}

// An empty field counts as missing, so that an empty STX_STRING falls back to
// STX the way an absent one does.
std::string FirstPresent(const AdifRecord& record, const char* preferred, const char* fallback) {
    std::string value = Field(record, preferred);
    return value.empty() ? Field(record, fallback) : value;
}

bool EqualsNoCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 'a' + 'A') : a[i];
        if (x != b[i]) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// ADIF's name for the contest mode differs from the host's.
std::string HostMode(const std::string& adifMode) { return EqualsNoCase(adifMode, "PSK63") ? "BPSK63" : adifMode; }

// ADIF band names ignore case ("20M" is 20m); the host names bands in small
// letters, and the plug-in compares band texts exactly.
std::string HostBand(std::string adifBand) {
    for (char& c : adifBand) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return adifBand;
}

}  // namespace

bool FrequencyHzFromMHz(const std::string& text, uint32_t& hz) {
    const std::string s = Trim(text);
    std::size_t dot = s.find('.');
    std::string whole = s.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : s.substr(dot + 1);
    if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction)) {
        return false;
    }
    const uint64_t kMax = 0xFFFFFFFFu;
    uint64_t value = 0;
    for (char c : whole) {
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value * 1000000 > kMax) {
            return false;
        }
    }
    value *= 1000000;
    uint64_t scale = 100000;
    for (std::size_t i = 0; i < fraction.size() && i < 6; ++i, scale /= 10) {
        value += static_cast<uint64_t>(fraction[i] - '0') * scale;
    }
    if (value > kMax) {
        return false;
    }
    hz = static_cast<uint32_t>(value);
    return true;
}

DateTimeValue DateTimeFromAdif(const std::string& date, const std::string& time) {
    const std::string d = Trim(date);
    const std::string t = Trim(time);
    if (d.size() != 8 || !AllDigits(d) || !AllDigits(t) || (!t.empty() && t.size() != 4 && t.size() != 6)) {
        return InvalidDate();
    }
    int year = DigitsValue(d, 0, 4);
    int month = DigitsValue(d, 4, 2);
    int day = DigitsValue(d, 6, 2);
    int hour = t.empty() ? 0 : DigitsValue(t, 0, 2);
    int minute = t.empty() ? 0 : DigitsValue(t, 2, 2);
    int second = t.size() == 6 ? DigitsValue(t, 4, 2) : 0;
    if (!IsCalendarDate(year, month, day) || hour > 23 || minute > 59 || second > 59) {
        return InvalidDate();
    }
    return ValidDate(DaySerial(year, month, day), hour * 3600 + minute * 60 + second);
}

bool DateFromIso(const std::string& text, DateTimeValue& value) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    std::string digits = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    if (!AllDigits(digits)) {
        return false;
    }
    DateTimeValue parsed = DateTimeFromAdif(digits, std::string());
    if (parsed.m_status != kDateValid) {
        return false;
    }
    value = parsed;
    return true;
}

DateTimeValue DayOf(const DateTimeValue& value) {
    DateTimeValue day = value;
    day.m_dt = std::trunc(value.m_dt);
    return day;
}

std::string OwnCallOf(const AdifRecord& record) { return FirstPresent(record, "STATION_CALLSIGN", "OPERATOR"); }

AdifQso QsoFromAdif(const AdifRecord& record, const std::string& contestant) {
    AdifQso qso;
    qso.m_strOwnCall = OwnCallOf(record);
    if (qso.m_strOwnCall.empty()) {
        qso.m_strOwnCall = contestant;
    }
    qso.m_strCall = Field(record, "CALL");
    qso.m_time = DateTimeFromAdif(Field(record, "QSO_DATE"), Field(record, "TIME_ON"));
    if (!FrequencyHzFromMHz(Field(record, "FREQ"), qso.m_nFreqHz)) {
        qso.m_nFreqHz = 0;
    }
    qso.m_strMode = HostMode(FirstPresent(record, "SUBMODE", "MODE"));
    qso.m_strRstSent = Field(record, "RST_SENT");
    qso.m_strRstRcvd = Field(record, "RST_RCVD");
    qso.m_strExchSent = FirstPresent(record, "STX_STRING", "STX");
    qso.m_strExchRcvd = FirstPresent(record, "SRX_STRING", "SRX");
    qso.m_strCountry = Field(record, "COUNTRY");
    qso.m_strContinent = Field(record, "CONT");
    qso.m_strBand = HostBand(Field(record, "BAND"));
    return qso;
}

int HostResetStats(const StatsApi& api, const CountSetup& s) {
    DateTimeValue start = s.m_start;
    DateTimeValue end = s.m_end;
    return api.ResetStats0("", s.m_bCabrilloWanted, s.m_strContestant.c_str(), &start, &end,  // 1-5
                           "", "", "", "", "", "", "", "", "",                                   // 6-14
                           s.m_strMyCountry.c_str(), 0, 0, 0, 0.0, 0.0, "",                      // 15-21
                           s.m_strMyContinent.c_str(), "");                                      // 22-23
}

int HostAddData(const StatsApi& api, const AdifQso& q) {
    DateTimeValue time = q.m_time;
    DateTimeValue none;
    none.m_status = kDateNull;
    DateTimeValue unused[3] = {none, none, none};
    return api.AddData0(q.m_strOwnCall.c_str(), q.m_strCall.c_str(), &time, &unused[0], &unused[1], &unused[2],  // 1-6
                        0, q.m_nFreqHz, q.m_strMode.c_str(), q.m_strRstSent.c_str(), q.m_strRstRcvd.c_str(),  // 7-11
                        q.m_strExchSent.c_str(), q.m_strExchRcvd.c_str(), "", "", "", "", "",                  // 12-18
                        "", "", "", "", q.m_strCountry.c_str(), 0, 0, 0, 0.0, 0.0,                           // 19-28
                        "", q.m_strContinent.c_str(), "", q.m_strBand.c_str(), "");                          // 29-33
}
