// The plain-text result report returned to the host.
#pragma once

#include <string>

#include "scoring/score.h"

struct ReportHeading {
    std::string m_strStartDate;   // "%d.%m"
    std::string m_strEndDate;     // "%d.%m.%Y"
    std::string m_strContestant;
};

// The heading lines, one line per band row, the total line and the score text,
// CR LF line ends throughout.
std::string FormatReport(const ReportHeading& heading, const CScoreSummary& summary);
