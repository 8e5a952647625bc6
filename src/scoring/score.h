// Band ordering and the contest score, computed afresh from the log at every
// result request.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "log/log_store.h"

struct CBandScore {
    std::string m_strBand;
    int32_t m_nQsos = 0;
    int32_t m_nPoints = 0;
    int32_t m_nMults = 0;
};

struct CScoreSummary {
    std::vector<CBandScore> m_bandScores;  // one row per band, in report order
    int32_t m_nTotalQsos = 0;
    int32_t m_nTotalPoints = 0;
    int32_t m_nTotalMults = 0;
    int32_t m_nScore = 0;                  // saturates at INT32_MAX, never negative
};

// What the score needs besides the log: the own station.
struct StationContext {
    int32_t m_bSelfMember = 0;
    std::string m_strMyCountry;
    std::string m_strMyContinent;
};

// Puts the band list into report order in place (longest wavelength first).
void SortBands(BandList& bands);

// Sorts `bands`, then scores every band of it over `log`.
CScoreSummary ComputeScore(const QsoLog& log, BandList& bands, const StationContext& station);
