// QSO intake: the rules and their order, member detection, duplicates, the
// rejection-log lines, and that a failed allocation leaves every store as it was.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "log/intake.h"
#include "support/alloc_fault.h"
#include "support/test_support.h"

namespace {

using testing_support::MakeDate;
using Strings = std::vector<std::string>;

class RecordingRejectionLog : public RejectionLog {
public:
    void WriteLine(const std::string& line) override { m_lines.push_back(line); }
    Strings m_lines;
};

// Counts lines without allocating, for runs with allocation failures armed.
class CountingRejectionLog : public RejectionLog {
public:
    void WriteLine(const std::string&) override { ++m_nLines; }
    int m_nLines = 0;
};

QsoArgs Qso(const char* call = "YY2BBB", const char* band = "20m") {
    QsoArgs q;
    q.m_strOwnCall = "XX1AAA";
    q.m_strCall = call;
    q.m_time = MakeDate(2016, 6, 9, 18, 42);
    q.m_nFreqHz = 14070000;
    q.m_strMode = "BPSK63";
    q.m_strRstSent = "599";
    q.m_strRstRcvd = "598";
    q.m_strExchSent = "001";
    q.m_strExchRcvd = "ZQM12";
    q.m_strCountry = "Yland";
    q.m_strContinent = "EU";
    q.m_strBand = band;
    return q;
}

const char kLineStart[] = "QSO:  14070  BPSK63  2016-06-09 1842  XX1AAA  599  001  YY2BBB  598  ZQM12";

Strings Bands(const BandList& bands) {
    Strings out;
    for (std::size_t i = 0; i < bands.GetCount(); ++i) out.push_back(bands.At(i));
    return out;
}

class Intake : public ::testing::Test {
protected:
    int Add(const QsoArgs& q) { return AddQso(m_log, m_bands, m_bSelfMember, q, m_rejections); }

    QsoLog m_log;
    BandList m_bands;
    int32_t m_bSelfMember = 0;
    RecordingRejectionLog m_rejections;
};

TEST_F(Intake, RefusalsFollowTheRuleOrderAndChangeNothing) {
    struct Case {
        const char* what;
        const char* band;
        const char* mode;
        const char* exchSent;
        const char* exchRcvd;
        const char* message;
    };
    const Case cases[] = {
        // The band rule wins even when everything else is wrong too.
        {"160m", "160m", "BPSK31", "", "", "   NO CONTEST BAND !!!"},
        {"30m", "30m", "BPSK31", "ZQM1", "", "   NO CONTEST BAND !!!"},
        {"17m", "17m", "BPSK63", "001", "002", "   NO CONTEST BAND !!!"},
        {"12m", "12m", "BPSK63", "001", "002", "   NO CONTEST BAND !!!"},
        // Then the exchanges, before the mode.
        {"no sent", "20m", "BPSK31", "", "002", "   NO RX/TX NUMBER !!!"},
        {"no rcvd", "20m", "BPSK31", "ZQM1", "", "   NO RX/TX NUMBER !!!"},
        {"BPSK31", "20m", "BPSK31", "ZQM1", "002", "   NO CONTEST MODE !!!"},
        {"lower case", "20m", "bpsk63", "001", "002", "   NO CONTEST MODE !!!"},
        {"trailing blank", "20m", "BPSK63 ", "001", "002", "   NO CONTEST MODE !!!"},
        {"empty", "20m", "", "001", "002", "   NO CONTEST MODE !!!"},
    };
    for (const Case& c : cases) {
        m_rejections.m_lines.clear();
        QsoArgs q = Qso("YY2BBB", c.band);
        q.m_strMode = c.mode;
        q.m_strExchSent = c.exchSent;
        q.m_strExchRcvd = c.exchRcvd;
        EXPECT_EQ(Add(q), 0) << c.what;
        const std::string expected = std::string("QSO:  14070  ") + c.mode + "  2016-06-09 1842  XX1AAA  599  " +
                                     c.exchSent + "  YY2BBB  598  " + c.exchRcvd + c.message;
        EXPECT_EQ(m_rejections.m_lines, (Strings{expected})) << c.what;
    }
    // A refused QSO never enters the log or the band list, nor marks the own
    // station a member (several of the cases above sent "ZQM1").
    EXPECT_EQ(m_log.GetCount(), 0u);
    EXPECT_EQ(m_bands.GetCount(), 0u);
    EXPECT_EQ(m_bSelfMember, 0);
}

TEST_F(Intake, OnlyTheExactBandAndEmptinessRulesRefuse) {
    // Capitalised excluded bands and an empty band pass; a blank is an exchange.
    const char* const bands[] = {"30M", "160M", "", "20m"};
    for (const char* band : bands) {
        QsoArgs q = Qso("YY2BBB", band);
        q.m_strExchSent = " ";
        q.m_strExchRcvd = " ";
        EXPECT_EQ(Add(q), 1) << band;
    }
    EXPECT_EQ(m_log.GetCount(), 4u);
    EXPECT_EQ(Bands(m_bands), (Strings{"30M", "160M", "", "20m"}));
    EXPECT_TRUE(m_rejections.m_lines.empty());
}

TEST_F(Intake, AcceptedQsoIsStoredWhole) {
    QsoArgs q = Qso();
    q.m_nFreqHz = 14070999;
    q.m_time.m_status = kDateInvalid;  // kept as it came, status included
    ASSERT_EQ(Add(q), 1);
    ASSERT_EQ(m_log.GetCount(), 1u);
    const CInfo& r = m_log.At(0);
    EXPECT_EQ(r.m_strCall, "YY2BBB");
    EXPECT_EQ(r.m_strBand, "20m");
    EXPECT_EQ(r.m_strMode, "BPSK63");
    EXPECT_EQ(r.m_strCountry, "Yland");
    EXPECT_EQ(r.m_strContinent, "EU");
    EXPECT_EQ(r.m_strRstSent, "599");
    EXPECT_EQ(r.m_strRstRcvd, "598");
    EXPECT_EQ(r.m_strExchSent, "001");
    EXPECT_EQ(r.m_strExchRcvd, "ZQM12");
    EXPECT_EQ(r.m_nFreqKHz, 14070u);
    EXPECT_EQ(r.m_time.m_dt, q.m_time.m_dt);
    EXPECT_EQ(r.m_time.m_status, kDateInvalid);
    EXPECT_EQ(r.m_bDupe, 0);
    EXPECT_TRUE(m_rejections.m_lines.empty());
}

TEST_F(Intake, MemberMarkerIsCaseSensitiveAndTheIdentifierNormalised) {
    struct Case {
        const char* exchRcvd;
        int32_t member;
        const char* id;
    };
    const Case cases[] = {
        {" zqm7 ", 0, ""},
        {" ZQM-7x ", 1, "ZQM-7X"},
        {"12ZQM", 1, "12ZQM"},
        {"\t\r\nZQM 7\f\v", 1, "ZQM 7"},
        {"zQM1", 0, ""},
        {"123", 0, ""},
    };
    for (const Case& c : cases) {
        QsoArgs q = Qso(c.exchRcvd);  // a call of its own: no dupes
        q.m_strExchRcvd = c.exchRcvd;
        ASSERT_EQ(Add(q), 1);
        const CInfo& r = m_log.At(m_log.GetCount() - 1);
        EXPECT_EQ(r.m_bMember, c.member) << c.exchRcvd;
        EXPECT_EQ(r.m_strMemberId, c.id) << c.exchRcvd;
        EXPECT_EQ(r.m_strExchRcvd, c.exchRcvd);  // the exchange itself stays as sent
    }
}

TEST_F(Intake, OwnMembershipIsSetByAnAcceptedQsoAndStaysSet) {
    QsoArgs q = Qso();
    q.m_strExchSent = "zqm5";
    ASSERT_EQ(Add(q), 1);
    EXPECT_EQ(m_bSelfMember, 0);
    q.m_strExchSent = "5ZQM";
    ASSERT_EQ(Add(q), 1);
    EXPECT_EQ(m_bSelfMember, 1);
    q.m_strExchSent = "005";
    ASSERT_EQ(Add(q), 1);
    EXPECT_EQ(m_bSelfMember, 1);
}

TEST_F(Intake, EveryRepeatedRecordGivesADupeLine) {
    ASSERT_EQ(Add(Qso("YY2BBB", "20m")), 1);
    ASSERT_EQ(Add(Qso("YY2BBB", "40m")), 1);   // other band
    ASSERT_EQ(Add(Qso("yy2bbb", "20m")), 1);   // other call by case
    EXPECT_TRUE(m_rejections.m_lines.empty());
    EXPECT_EQ(m_log.At(1).m_bDupe, 0);
    EXPECT_EQ(m_log.At(2).m_bDupe, 0);

    // Only call, band and mode count; time and exchanges may differ.
    QsoArgs second = Qso("YY2BBB", "20m");
    second.m_time = MakeDate(2016, 6, 10);
    second.m_strExchRcvd = "0456";
    ASSERT_EQ(Add(second), 1);
    EXPECT_EQ(m_rejections.m_lines,
              (Strings{"QSO:  14070  BPSK63  2016-06-10 0000  XX1AAA  599  001  YY2BBB  598  0456   DUPE !!!"}));
    EXPECT_EQ(m_log.At(3).m_bDupe, 1);

    // A third repeats both earlier ones, the flagged dupe included.
    m_rejections.m_lines.clear();
    ASSERT_EQ(Add(Qso("YY2BBB", "20m")), 1);
    const std::string dupe = std::string(kLineStart) + "   DUPE !!!";
    EXPECT_EQ(m_rejections.m_lines, (Strings{dupe, dupe}));
    EXPECT_EQ(m_log.GetCount(), 5u);
    EXPECT_EQ(Bands(m_bands), (Strings{"20m", "40m"}));
}

TEST_F(Intake, LineFieldsComeFromTheCallUnchanged) {
    struct Case {
        uint32_t freqHz;
        DateTimeValue time;
        const char* expected;
    };
    DateTimeValue nullDate = MakeDate(2016, 6, 9);
    nullDate.m_status = kDateNull;
    DateTimeValue justBeforeTheMinute = MakeDate(2016, 6, 9, 18, 42);
    justBeforeTheMinute.m_dt -= 0.0001 / 86400.0;
    const Case cases[] = {
        {14070999, MakeDate(2016, 6, 9, 18, 42), "QSO:  14070  BPSK63  2016-06-09 1842  "},
        {999, justBeforeTheMinute, "QSO:  0  BPSK63  2016-06-09 1842  "},
        {4294967295u, nullDate, "QSO:  4294967  BPSK63    "},
        {1000, DateTimeValue{0.0, kDateInvalid}, "QSO:  1  BPSK63  Invalid DateTime  "},
    };
    for (const Case& c : cases) {
        m_rejections.m_lines.clear();
        QsoArgs q = Qso("YY2BBB", "30m");
        q.m_nFreqHz = c.freqHz;
        q.m_time = c.time;
        ASSERT_EQ(Add(q), 0);
        ASSERT_EQ(m_rejections.m_lines.size(), 1u);
        EXPECT_EQ(m_rejections.m_lines[0],
                  std::string(c.expected) + "XX1AAA  599  001  YY2BBB  598  ZQM12   NO CONTEST BAND !!!");
    }

    // Empty texts leave their separators in place.
    m_rejections.m_lines.clear();
    QsoArgs empty;
    ASSERT_EQ(Add(empty), 0);
    EXPECT_EQ(m_rejections.m_lines,
              (Strings{"QSO:  0    1899-12-30 0000" + std::string(6 * 2, ' ') + "   NO RX/TX NUMBER !!!"}));
}

// Fails each allocation of an accepted QSO in turn, those of the log's and
// the band list's growth included, and checks that every failure leaves log,
// bands and flag as they were. One QSO brings a new band and the own member
// marker, the other is a dupe.
TEST(IntakeAllocationFailure, LeavesEveryStoreUnchanged) {
    QsoArgs newBand = Qso("YY2BBB", "a band text long enough to need an allocation of its own");
    newBand.m_strExchSent = "a sent exchange that carries ZQM and is long enough to allocate";
    const QsoArgs dupe = Qso("YY2BBB", "40m");

    for (const QsoArgs& q : {newBand, dupe}) {
        for (long n = 0;; ++n) {
            QsoLog log;
            BandList bands;
            int32_t bSelfMember = 0;
            CountingRejectionLog rejections;
            ASSERT_EQ(AddQso(log, bands, bSelfMember, Qso("YY2BBB", "40m"), rejections), 1);
            ASSERT_EQ(AddQso(log, bands, bSelfMember, Qso("ZZ3CCC", "80m"), rejections), 1);

            testing_support::FailAllocationAfter(n);
            int result = -1;
            bool threw = false;
            try {
                result = AddQso(log, bands, bSelfMember, q, rejections);
            } catch (const std::bad_alloc&) {
                threw = true;
            }
            const bool injected = testing_support::DisarmAllocationFailure();

            ASSERT_EQ(threw, injected) << q.m_strBand << ", allocation " << n;
            if (threw) {
                EXPECT_EQ(log.GetCount(), 2u) << q.m_strBand << ", allocation " << n;
                EXPECT_EQ(Bands(bands), (Strings{"40m", "80m"})) << q.m_strBand << ", allocation " << n;
                EXPECT_EQ(bSelfMember, 0) << q.m_strBand << ", allocation " << n;
                continue;
            }
            // The first run that gets through shows every allocation was tried.
            EXPECT_EQ(result, 1);
            EXPECT_EQ(log.GetCount(), 3u);
            EXPECT_EQ(bands.GetCount(), q.m_strBand == "40m" ? 2u : 3u);
            EXPECT_GT(n, 2);
            break;
        }
    }
}

}  // namespace
