// The result report text, byte for byte: heading, band lines, total line and
// both forms of the score line.
#include <gtest/gtest.h>

#include <string>

#include "scoring/report.h"

namespace {

CInfo Record(const char* call, const char* band, const char* country, const char* continent, int member,
             const char* memberId) {
    CInfo r;
    r.m_strCall = call;
    r.m_strBand = band;
    r.m_strMode = "BPSK63";
    r.m_strCountry = country;
    r.m_strContinent = continent;
    r.m_bMember = member;
    r.m_strMemberId = memberId;
    return r;
}

struct ExampleLog {
    QsoLog log;
    BandList bands;
    void Add(const CInfo& r) {
        log.Append(r);
        bands.AddIfNew(r.m_strBand);
    }
};

// Seven QSOs on 20m and 40m, the last a duplicate. `only` picks records by
// their number (1-based); none given keeps all.
ExampleLog Example(std::initializer_list<int> only = {}) {
    const CInfo all[] = {
        Record("XX2BB", "20m", "Xland", "EU", 0, ""),     Record("XX3CC", "20m", "Yland", "EU", 0, ""),
        Record("XX4DD", "20m", "Wland", "NA", 1, "ZQM7"), Record("XX5EE", "40m", "Wland", "NA", 0, ""),
        Record("XX4DD", "40m", "Wland", "NA", 1, "ZQM7"), Record("XX6FF", "20m", "Yland", "EU", 1, "ZQM9"),
        Record("XX4DD", "20m", "Wland", "NA", 1, "ZQM7"),
    };
    ExampleLog l;
    if (only.size() == 0) {
        for (const CInfo& r : all) l.Add(r);
    } else {
        for (int n : only) l.Add(all[n - 1]);
    }
    return l;
}

std::string Report(ExampleLog l, int selfMember) {
    StationContext station;
    station.m_bSelfMember = selfMember;
    station.m_strMyCountry = "Xland";
    station.m_strMyContinent = "EU";
    ReportHeading heading{"07.05", "08.05.2016", "XX1AA"};
    return FormatReport(heading, ComputeScore(l.log, l.bands, station));
}

const char kHeading[] =
    "ZQM WW DX CONTEST  07.05-08.05.2016 \r\n"
    "\tContestant: XX1AA\r\n"
    "\tQSOs\tPoints\t ZQM\r\n";

TEST(FormatReport, ExampleLogByteForByte) {
    EXPECT_EQ(Report(Example(), 0), std::string(kHeading) +
                                        "40m\t 2\t 13\t  1\r\n"
                                        "20m\t 5\t 33\t  2\r\n"
                                        "Total\t 7\t 46\t  3\r\n"
                                        "\r\n"
                                        "Score: 46*3 = 138\r\n"
                                        "\r\n");
}

TEST(FormatReport, ExampleLogForAMemberStation) {
    EXPECT_EQ(Report(Example(), 1), std::string(kHeading) +
                                        "40m\t 2\t 4\t  1\r\n"
                                        "20m\t 5\t 6\t  2\r\n"
                                        "Total\t 7\t 10\t  3\r\n"
                                        "\r\n"
                                        "Score: 10*3 = 30\r\n"
                                        "\r\n");
}

TEST(FormatReport, WithoutMultipliersTheScoreStandsAlone) {
    EXPECT_EQ(Report(Example({1, 2, 4}), 0), std::string(kHeading) +
                                                 "40m\t 1\t 3\t  0\r\n"
                                                 "20m\t 2\t 3\t  0\r\n"
                                                 "Total\t 3\t 6\t  0\r\n"
                                                 "\r\n"
                                                 "Score:   6 \r\n"
                                                 "\r\n");
}

TEST(FormatReport, EmptyLogAfterReset) {
    EXPECT_EQ(Report(ExampleLog{}, 0), std::string(kHeading) +
                                           "Total\t 0\t 0\t  0\r\n"
                                           "\r\n"
                                           "Score:   0 \r\n"
                                           "\r\n");
}

TEST(FormatReport, BeforeAnyResetDatesAndContestantAreEmpty) {
    EXPECT_EQ(FormatReport(ReportHeading{}, CScoreSummary{}),
              "ZQM WW DX CONTEST  - \r\n"
              "\tContestant: \r\n"
              "\tQSOs\tPoints\t ZQM\r\n"
              "Total\t 0\t 0\t  0\r\n"
              "\r\n"
              "Score:   0 \r\n"
              "\r\n");
}

TEST(FormatReport, LargestNumbersPrintInFull) {
    CScoreSummary s;
    s.m_bandScores.push_back({"20m", 2147483647, 2147483647, 2147483647});
    s.m_nTotalQsos = 2147483647;
    s.m_nTotalPoints = 2147483647;
    s.m_nTotalMults = 2147483647;
    s.m_nScore = 2147483647;
    const std::string report = FormatReport(ReportHeading{}, s);
    EXPECT_NE(report.find("20m\t 2147483647\t 2147483647\t  2147483647\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Score: 2147483647*2147483647 = 2147483647\r\n\r\n"), std::string::npos) << report;
}

}  // namespace
