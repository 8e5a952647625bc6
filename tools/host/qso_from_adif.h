// ADIF records turned into what the logging host passes the plug-in, and the
// two calls of a count with the host's full positional argument lists: kept out
// of zqm-score's main so both can be tested without a plug-in.
#pragma once

#include <cstdint>
#include <string>

#include "host/adif.h"
#include "host/stats_api.h"
#include "platform/datetime.h"

// A frequency in MHz as decimal text ("14.0705") -> Hz (14070500), digit by
// digit so that no binary rounding creeps in; digits below 1 Hz are dropped.
// False for an empty, signed or malformed text and for a value beyond the
// host's 32-bit argument (above 4294.967295 MHz); `hz` is then untouched.
bool FrequencyHzFromMHz(const std::string& text, uint32_t& hz);

// ADIF QSO_DATE (YYYYMMDD) and TIME_ON (HHMM or HHMMSS) -> the host's date
// value. A missing time is midnight; a missing or malformed date or a malformed
// time gives an invalid date (status 1). Years 100 to 9999 are accepted, the
// span of the automation date.
DateTimeValue DateTimeFromAdif(const std::string& date, const std::string& time);

// YYYY-MM-DD -> the date value at midnight; false when malformed.
bool DateFromIso(const std::string& text, DateTimeValue& value);

// The calendar day of a valid date value (its time of day cut off).
DateTimeValue DayOf(const DateTimeValue& value);

// One QSO as the host describes it to AddData0.
struct AdifQso {
    std::string m_strOwnCall;
    std::string m_strCall;
    DateTimeValue m_time;
    uint32_t m_nFreqHz = 0;  // 0 when FREQ is missing or unusable
    std::string m_strMode;
    std::string m_strRstSent;
    std::string m_strRstRcvd;
    std::string m_strExchSent;
    std::string m_strExchRcvd;
    std::string m_strCountry;
    std::string m_strContinent;
    std::string m_strBand;
};

// The station that made the log: the record's STATION_CALLSIGN, else its
// OPERATOR, else empty.
std::string OwnCallOf(const AdifRecord& record);

// The host's view of one record. `contestant` stands in for the own call when
// the record names none. Missing fields are empty texts.
AdifQso QsoFromAdif(const AdifRecord& record, const std::string& contestant);

// What the host tells the plug-in at the start of a count.
struct CountSetup {
    int m_bCabrilloWanted = 0;
    std::string m_strContestant;
    DateTimeValue m_start;
    DateTimeValue m_end;
    std::string m_strMyCountry;
    std::string m_strMyContinent;
};

// ResetStats0 and AddData0 with every position filled: the named values where
// the plug-in reads, empty texts, zeros and null dates elsewhere. They return
// what the plug-in returns.
int HostResetStats(const StatsApi& api, const CountSetup& setup);
int HostAddData(const StatsApi& api, const AdifQso& qso);
