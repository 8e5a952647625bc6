// The plain-text result report that the host shows: heading, one line per
// band, the total line and the score. Its layout (TABs, blanks, CR LF) is what
// the host's result window expects, so it is kept byte for byte.
#include "scoring/report.h"

namespace {

std::string Int(int32_t value) { return std::to_string(value); }

}  // namespace

std::string FormatReport(const ReportHeading& heading, const CScoreSummary& summary) {
    std::string report;
    report += "ZQM WW DX CONTEST  " + heading.m_strStartDate + "-" + heading.m_strEndDate + " \r\n";
    report += "\tContestant: " + heading.m_strContestant + "\r\n";
    report += "\tQSOs\tPoints\t ZQM\r\n";
    for (const CBandScore& row : summary.m_bandScores) {
        report += row.m_strBand + "\t " + Int(row.m_nQsos) + "\t " + Int(row.m_nPoints) + "\t  " + Int(row.m_nMults) +
                  "\r\n";
    }
    report += "Total\t " + Int(summary.m_nTotalQsos) + "\t " + Int(summary.m_nTotalPoints) + "\t  " +
              Int(summary.m_nTotalMults) + "\r\n";
    if (summary.m_nTotalMults != 0) {
        report += "\r\nScore: " + Int(summary.m_nTotalPoints) + "*" + Int(summary.m_nTotalMults) + " = " +
                  Int(summary.m_nScore) + "\r\n\r\n";
    } else {
        report += "\r\nScore:   " + Int(summary.m_nScore) + " \r\n\r\n";
    }
    return report;
}
