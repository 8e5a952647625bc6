// QSO intake: the contest's acceptance rules, member detection, duplicate
// marking and the rejection log lines.
#pragma once

#include <cstdint>
#include <string>

#include "log/log_store.h"
#include "platform/datetime.h"

// The positions of one QSO that intake reads, as copies (a null text from the
// host is the empty text).
struct QsoArgs {
    std::string m_strOwnCall;    // 1: only written into rejection lines
    std::string m_strCall;       // 2
    DateTimeValue m_time;        // 3
    uint32_t m_nFreqHz = 0;      // 8
    std::string m_strMode;       // 9
    std::string m_strRstSent;    // 10
    std::string m_strRstRcvd;    // 11
    std::string m_strExchSent;   // 12
    std::string m_strExchRcvd;   // 13
    std::string m_strCountry;    // 23
    std::string m_strContinent;  // 30
    std::string m_strBand;       // 32
};

// Where refused QSOs and duplicates are reported, one line at a time
// (without line end). Implementations must not throw.
class RejectionLog {
public:
    virtual ~RejectionLog() = default;
    virtual void WriteLine(const std::string& line) = 0;
};

// Applies the rules to one QSO. Returns 1 when it was accepted (appended to
// `log`, also when it is a duplicate), 0 when it was refused; a refused QSO
// leaves `log`, `bands` and `bSelfMember` unchanged. Lines go to `rejections`
// as they are formed. On allocation failure it throws with `log`, `bands` and
// `bSelfMember` unchanged.
int AddQso(QsoLog& log, BandList& bands, int32_t& bSelfMember, const QsoArgs& qso, RejectionLog& rejections);
