// Band order and the contest score: the points of each category, the
// multipliers per band, the totals, and that nothing overflows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scoring/score.h"

namespace {

struct Qso {
    const char* call;
    const char* band;
    const char* country;
    const char* continent;
    int member;
    const char* memberId;
};

CInfo Record(const Qso& q) {
    CInfo r;
    r.m_strCall = q.call;
    r.m_strBand = q.band;
    r.m_strMode = "BPSK63";
    r.m_strCountry = q.country;
    r.m_strContinent = q.continent;
    r.m_bMember = q.member;
    r.m_strMemberId = q.memberId;
    return r;
}

// The log as the intake would build it: records in order, bands on first
// appearance.
struct Log {
    QsoLog log;
    BandList bands;
    void Add(const Qso& q) {
        log.Append(Record(q));
        bands.AddIfNew(q.band);
    }
};

StationContext Station(int selfMember = 0) {
    StationContext s;
    s.m_bSelfMember = selfMember;
    s.m_strMyCountry = "Xland";
    s.m_strMyContinent = "EU";
    return s;
}

std::vector<std::string> Bands(const BandList& bands) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < bands.GetCount(); ++i) out.push_back(bands.At(i));
    return out;
}

struct Row {
    std::string band;
    int32_t qsos, points, mults;
    bool operator==(const Row& o) const {
        return band == o.band && qsos == o.qsos && points == o.points && mults == o.mults;
    }
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
    return os << r.band << " " << r.qsos << "/" << r.points << "/" << r.mults;
}

std::vector<Row> Rows(const CScoreSummary& s) {
    std::vector<Row> out;
    for (const CBandScore& b : s.m_bandScores) out.push_back({b.m_strBand, b.m_nQsos, b.m_nPoints, b.m_nMults});
    return out;
}

TEST(SortBands, PutsBandsInDescendingOrderOfZeroPaddedKey) {
    const std::string longBand = "ABCDEFGHIJKLMNOPQRSTU";  // 21 bytes: its own key
    struct Case {
        std::vector<std::string> in, out;
    } cases[] = {
        {{}, {}},
        {{"20m"}, {"20m"}},
        {{"20m", "40m", "80m"}, {"80m", "40m", "20m"}},
        {{"2m", "10m", "70cm"}, {"70cm", "10m", "2m"}},
        {{"10m", "15m", "20m", "40m", "80m", "6m"}, {"80m", "40m", "20m", "15m", "10m", "6m"}},
        {{"160m", "80m"}, {"160m", "80m"}},
        // Equal keys are never exchanged with each other, but a third entry
        // can move one of them past the other.
        {{"20m", "020m", "40m"}, {"40m", "020m", "20m"}},
        {{"020m", "20m"}, {"020m", "20m"}},
        {{"20m", "020m"}, {"20m", "020m"}},
        {{"20m", "20M"}, {"20m", "20M"}},
        // Bytes compare unsigned: 0xB5 is above 'z'.
        {{"z", "\xB5"}, {"\xB5", "z"}},
        {{"160m", longBand}, {longBand, "160m"}},
    };
    for (const Case& c : cases) {
        BandList bands;
        for (const std::string& b : c.in) bands.AddIfNew(b);
        SortBands(bands);
        EXPECT_EQ(Bands(bands), c.out) << "input starts with " << (c.in.empty() ? "(empty)" : c.in[0]);
    }
}

// Seven QSOs on 20m and 40m, one of them a duplicate: 46 points, 3 mults.
Log ExampleLog() {
    Log l;
    l.Add({"XX2BB", "20m", "Xland", "EU", 0, ""});
    l.Add({"XX3CC", "20m", "Yland", "EU", 0, ""});
    l.Add({"XX4DD", "20m", "Wland", "NA", 1, "ZQM7"});
    l.Add({"XX5EE", "40m", "Wland", "NA", 0, ""});
    l.Add({"XX4DD", "40m", "Wland", "NA", 1, "ZQM7"});
    l.Add({"XX6FF", "20m", "Yland", "EU", 1, "ZQM9"});
    l.Add({"XX4DD", "20m", "Wland", "NA", 1, "ZQM7"});
    l.log.At(6).m_bDupe = 1;
    return l;
}

TEST(ComputeScore, ExampleLogScores138AndSortsTheBandList) {
    Log l = ExampleLog();
    CScoreSummary s = ComputeScore(l.log, l.bands, Station());
    EXPECT_EQ(Rows(s), (std::vector<Row>{{"40m", 2, 13, 1}, {"20m", 5, 33, 2}}));
    EXPECT_EQ(s.m_nTotalQsos, 7);
    EXPECT_EQ(s.m_nTotalPoints, 46);
    EXPECT_EQ(s.m_nTotalMults, 3);
    EXPECT_EQ(s.m_nScore, 138);
    EXPECT_EQ(Bands(l.bands), (std::vector<std::string>{"40m", "20m"}));  // the sort is permanent
}

TEST(ComputeScore, OwnMembershipMakesEveryMemberQsoWorthOnePoint) {
    Log l = ExampleLog();
    CScoreSummary s = ComputeScore(l.log, l.bands, Station(1));
    EXPECT_EQ(Rows(s), (std::vector<Row>{{"40m", 2, 4, 1}, {"20m", 5, 6, 2}}));
    EXPECT_EQ(s.m_nTotalPoints, 10);
    EXPECT_EQ(s.m_nScore, 30);
}

TEST(ComputeScore, WithoutMultipliersTheScoreIsThePoints) {
    Log l;
    l.Add({"XX2BB", "20m", "Xland", "EU", 0, ""});
    l.Add({"XX3CC", "20m", "Yland", "EU", 0, ""});
    l.Add({"XX5EE", "40m", "Wland", "NA", 0, ""});
    CScoreSummary s = ComputeScore(l.log, l.bands, Station());
    EXPECT_EQ(Rows(s), (std::vector<Row>{{"40m", 1, 3, 0}, {"20m", 2, 3, 0}}));
    EXPECT_EQ(s.m_nTotalQsos, 3);
    EXPECT_EQ(s.m_nTotalPoints, 6);
    EXPECT_EQ(s.m_nTotalMults, 0);
    EXPECT_EQ(s.m_nScore, 6);

    Log member;  // 10 points and no identifier give 10, not 0
    member.Add({"XX4DD", "20m", "Wland", "NA", 1, ""});
    EXPECT_EQ(ComputeScore(member.log, member.bands, Station()).m_nScore, 10);
}

TEST(ComputeScore, PointsAndMultipliersOfOneQso) {
    struct Case {
        const char* what;
        Qso qso;
        int selfMember;
        int32_t points, mults;
    } cases[] = {
        {"member, own station not a member", {"A", "20m", "Wland", "NA", 1, "ZQM1"}, 0, 10, 1},
        {"member, own station a member", {"A", "20m", "Wland", "NA", 1, "ZQM1"}, 1, 1, 1},
        {"member in the own country still counts as member", {"A", "20m", "Xland", "EU", 1, "ZQM1"}, 0, 10, 1},
        {"same country", {"A", "20m", "Xland", "EU", 0, ""}, 0, 1, 0},
        {"same country, other continent text", {"A", "20m", "Xland", "AS", 0, ""}, 0, 1, 0},
        {"same continent", {"A", "20m", "Yland", "EU", 0, ""}, 0, 2, 0},
        {"other continent", {"A", "20m", "Wland", "NA", 0, ""}, 0, 3, 0},
        {"own membership does not change non-member points", {"A", "20m", "Wland", "NA", 0, ""}, 1, 3, 0},
        {"member flag without identifier: points, no multiplier", {"A", "20m", "Wland", "NA", 1, ""}, 0, 10, 0},
        {"identifier without member flag: category points and a multiplier", {"A", "20m", "Yland", "EU", 0, "ZQM5"},
         0, 2, 1},
        {"country and continent compare case-sensitively", {"A", "20m", "xland", "eu", 0, ""}, 0, 3, 0},
    };
    for (const Case& c : cases) {
        Log l;
        l.Add(c.qso);
        CScoreSummary s = ComputeScore(l.log, l.bands, Station(c.selfMember));
        ASSERT_EQ(s.m_bandScores.size(), 1u) << c.what;
        EXPECT_EQ(s.m_bandScores[0].m_nQsos, 1) << c.what;
        EXPECT_EQ(s.m_bandScores[0].m_nPoints, c.points) << c.what;
        EXPECT_EQ(s.m_bandScores[0].m_nMults, c.mults) << c.what;
    }
}

TEST(ComputeScore, EmptyOwnCountryAndContinentMatchEmptyRecordFields) {
    Log l;
    l.Add({"A", "20m", "", "", 0, ""});
    l.Add({"B", "20m", "Yland", "", 0, ""});
    StationContext station;  // nothing known about the own station
    EXPECT_EQ(ComputeScore(l.log, l.bands, station).m_nTotalPoints, 1 + 2);
}

TEST(ComputeScore, MultipliersCountPerBand) {
    Log l;
    l.Add({"A", "20m", "Wland", "NA", 1, "ZQM7"});
    l.Add({"A", "20m", "Wland", "NA", 1, "ZQM7"});
    l.Add({"A", "40m", "Wland", "NA", 1, "ZQM7"});
    l.Add({"B", "40m", "Wland", "NA", 1, "ZQM8"});
    CScoreSummary s = ComputeScore(l.log, l.bands, Station());
    EXPECT_EQ(Rows(s), (std::vector<Row>{{"40m", 2, 20, 2}, {"20m", 2, 20, 1}}));
    EXPECT_EQ(s.m_nTotalMults, 3);
    EXPECT_EQ(s.m_nScore, 40 * 3);
}

TEST(ComputeScore, EmptyLogScoresZero) {
    QsoLog log;
    BandList bands;
    CScoreSummary s = ComputeScore(log, bands, Station());
    EXPECT_TRUE(s.m_bandScores.empty());
    EXPECT_EQ(s.m_nTotalQsos, 0);
    EXPECT_EQ(s.m_nTotalPoints, 0);
    EXPECT_EQ(s.m_nTotalMults, 0);
    EXPECT_EQ(s.m_nScore, 0);
}

TEST(ComputeScore, RecordsCountOnlyOnTheirExactBandAndWithACallsign) {
    Log l;
    l.Add({"A", "20m", "Xland", "EU", 0, ""});
    l.Add({"B", "20M", "Wland", "NA", 0, ""});
    l.Add({"", "20m", "Wland", "NA", 1, "ZQM1"});  // no callsign: in the total QSOs only
    l.bands.AddIfNew("15m");                          // every QSO on it was removed
    CScoreSummary s = ComputeScore(l.log, l.bands, Station());
    EXPECT_EQ(Rows(s), (std::vector<Row>{{"20m", 1, 1, 0}, {"20M", 1, 3, 0}, {"15m", 0, 0, 0}}));
    EXPECT_EQ(s.m_nTotalQsos, 3);
    EXPECT_EQ(s.m_nTotalPoints, 4);
    EXPECT_EQ(s.m_nScore, 4);
}

TEST(ComputeScore, ScoreSaturatesInsteadOfTurningNegative) {
    // k QSOs in the own country, each with a new identifier, score k * k:
    // 46340 * 46340 still fits in 32 bits, 46341 * 46341 does not.
    for (int k : {46340, 46341}) {
        Log l;
        for (int i = 0; i < k; ++i) {
            l.Add({"A", "20m", "Xland", "EU", 0, ("ZQM" + std::to_string(i)).c_str()});
        }
        CScoreSummary s = ComputeScore(l.log, l.bands, Station());
        EXPECT_EQ(s.m_nTotalPoints, k);
        EXPECT_EQ(s.m_nTotalMults, k);
        EXPECT_EQ(s.m_nScore, k == 46340 ? 2147395600 : 2147483647) << k;
    }
}

}  // namespace
