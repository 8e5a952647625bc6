// One accepted QSO as the plug-in keeps it: a plain value record, copied
// whole into the log so that nothing points back into the host's memory.
#pragma once

#include <cstdint>
#include <string>

#include "platform/datetime.h"

class CInfo {
public:
    CInfo() = default;
    CInfo(const CInfo&) = default;
    CInfo& operator=(const CInfo&) = default;
    CInfo(CInfo&&) = default;
    CInfo& operator=(CInfo&&) = default;
    virtual ~CInfo() = default;

    std::string m_strCall;       // worked station
    std::string m_strCountry;
    std::string m_strContinent;
    std::string m_strBand;       // as the host names it, e.g. "20m"
    std::string m_strMode;       // always "BPSK63" once accepted
    std::string m_strRstRcvd;
    std::string m_strRstSent;
    std::string m_strExchRcvd;
    std::string m_strExchSent;
    std::string m_strMemberId;   // upper-cased, trimmed received exchange of a member; else ""
    int32_t m_bDupe = 0;         // repeats an earlier call+band+mode
    int32_t m_bMember = 0;       // received exchange carries "ZQM"
    uint32_t m_nFreqKHz = 0;
    DateTimeValue m_time;        // copied whole, status included
};
