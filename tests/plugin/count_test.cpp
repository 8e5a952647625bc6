// Whole counts driven through the entry points, with the host's full
// argument lists: reset, intake with its rejection log, removal, lookup, the
// report and the claimed score in the settings file. Each test loads the
// library afresh, as the host does after a restart, in a scratch directory.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "support/test_support.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

class Count : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_lib.IsLoaded()) << m_lib.GetError();
        ASSERT_TRUE(m_lib.Resolve(m_api)) << m_lib.GetError();
    }

    int Add(const char* call, const char* band, const char* country, const char* continent,
            const char* exchRcvd, const char* exchSent = "001") {
        HostQso q;
        q.call = call;
        q.band = band;
        q.country = country;
        q.continent = continent;
        q.exchRcvd = exchRcvd;
        q.exchSent = exchSent;
        return CallAddData(m_api, q);
    }

    // The seven QSOs of the worked example: 40m 2 QSOs 13 points 1 mult,
    // 20m 5 QSOs 33 points 2 mults.
    void AddWorkedExample(const char* exchSent = "001") {
        EXPECT_EQ(Add("XX2BB", "20m", "Xland", "EU", "011", exchSent), 1);
        EXPECT_EQ(Add("XX3CC", "20m", "Yland", "EU", "012", exchSent), 1);
        EXPECT_EQ(Add("XX4DD", "20m", "Wland", "NA", "ZQM7", exchSent), 1);
        EXPECT_EQ(Add("XX5EE", "40m", "Wland", "NA", "013", exchSent), 1);
        EXPECT_EQ(Add("XX4DD", "40m", "Wland", "NA", "ZQM7", exchSent), 1);
        EXPECT_EQ(Add("XX6FF", "20m", "Yland", "EU", "ZQM9", exchSent), 1);
        EXPECT_EQ(Add("XX4DD", "20m", "Wland", "NA", "ZQM7", exchSent), 1);
    }

    std::string Result(int* arg = nullptr) {
        const char* text = m_api.GetResult0(arg);
        return text != nullptr ? std::string(text) : std::string("<null>");
    }

    ScopedTempDir m_dir;
    PluginLibrary m_lib{PluginPath()};
    StatsApi m_api;
};

const char kWorkedExample[] =
    "ZQM WW DX CONTEST  07.05-08.05.2016 \r\n"
    "\tContestant: XX1AA\r\n"
    "\tQSOs\tPoints\t ZQM\r\n"
    "40m\t 2\t 13\t  1\r\n"
    "20m\t 5\t 33\t  2\r\n"
    "Total\t 7\t 46\t  3\r\n"
    "\r\n"
    "Score: 46*3 = 138\r\n"
    "\r\n";

TEST_F(Count, WorkedExampleScoresAndStoresTheClaimedScore) {
    fs::create_directory("Plugins");
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    AddWorkedExample();
    int hostValue = 12345;
    EXPECT_EQ(Result(&hostValue), kWorkedExample);
    EXPECT_EQ(hostValue, 12345) << "without Cabrillo output the host's int is left alone";
    EXPECT_EQ(ReadFileBytes("Plugins/ZQM.ini"), "[Settings]\r\nClaimed=138\r\n");
    // Asking again gives the same text; the key is replaced, not repeated.
    EXPECT_EQ(Result(), kWorkedExample);
    EXPECT_EQ(ReadFileBytes("Plugins/ZQM.ini"), "[Settings]\r\nClaimed=138\r\n");
}

TEST_F(Count, OwnMembershipOutlivesTheResetAndMakesMemberQsosWorthOnePoint) {
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    EXPECT_EQ(Add("XX9ZZ", "20m", "Xland", "EU", "011", "ZQM55"), 1);
    EXPECT_TRUE(fs::exists("err.txt")) << "created at every intake, even with nothing to report";
    EXPECT_EQ(ReadFileBytes("err.txt"), "");
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    AddWorkedExample("002");
    std::string report = Result();
    EXPECT_NE(report.find("40m\t 2\t 4\t  1\r\n20m\t 5\t 6\t  2\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\r\nScore: 10*3 = 30\r\n\r\n"), std::string::npos) << report;
}

TEST_F(Count, BeforeAnyResetTheReportHasEmptyHeadingFields) {
    EXPECT_EQ(Result(),
              "ZQM WW DX CONTEST  - \r\n\tContestant: \r\n\tQSOs\tPoints\t ZQM\r\n"
              "Total\t 0\t 0\t  0\r\n\r\nScore:   0 \r\n\r\n");
}

TEST_F(Count, ResetEmptiesTheLogAndRecordsTheNewCount) {
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    AddWorkedExample();
    HostReset reset;
    reset.contestant = nullptr;
    reset.start = MakeDate(2016, 6, 5);
    reset.end = MakeDate(2016, 6, 6);
    reset.end.m_status = kDateInvalid;
    ASSERT_EQ(CallResetStats(m_api, reset), 1);
    EXPECT_EQ(Result(),
              "ZQM WW DX CONTEST  05.06-Invalid DateTime \r\n\tContestant: \r\n\tQSOs\tPoints\t ZQM\r\n"
              "Total\t 0\t 0\t  0\r\n\r\nScore:   0 \r\n\r\n");
}

TEST_F(Count, RejectionLogGetsOneCrLfLineForEveryRefusalAndEveryRepeat) {
    WriteFileBytes("err.txt", "earlier line\r\n");
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    HostQso q;
    q.time = MakeDate(2016, 6, 9, 18, 42);
    q.freqHz = 14070999;
    q.exchRcvd = "ZQM12";

    HostQso band = q;
    band.band = "30m";
    band.exchSent = "";
    band.mode = "RTTY";
    EXPECT_EQ(CallAddData(m_api, band), 0);
    HostQso exchange = q;
    exchange.exchSent = "";
    EXPECT_EQ(CallAddData(m_api, exchange), 0);
    HostQso mode = q;
    mode.mode = "bpsk63";
    EXPECT_EQ(CallAddData(m_api, mode), 0);
    EXPECT_EQ(CallAddData(m_api, q), 1);
    EXPECT_EQ(CallAddData(m_api, q), 1);
    EXPECT_EQ(CallAddData(m_api, q), 1);

    const std::string fields = "  2016-06-09 1842  XX1AAA  599  001  YY2BBB  599  ZQM12";
    EXPECT_EQ(ReadFileBytes("err.txt"),
              "earlier line\r\n"
              "QSO:  14070  RTTY  2016-06-09 1842  XX1AAA  599    YY2BBB  599  ZQM12   NO CONTEST BAND !!!\r\n"
              "QSO:  14070  BPSK63  2016-06-09 1842  XX1AAA  599    YY2BBB  599  ZQM12   NO RX/TX NUMBER !!!\r\n"
              "QSO:  14070  bpsk63" + fields + "   NO CONTEST MODE !!!\r\n"
              "QSO:  14070  BPSK63" + fields + "   DUPE !!!\r\n"
              "QSO:  14070  BPSK63" + fields + "   DUPE !!!\r\n"
              "QSO:  14070  BPSK63" + fields + "   DUPE !!!\r\n");
    std::string report = Result();
    EXPECT_NE(report.find("20m\t 3\t 30\t  1\r\n"), std::string::npos) << report;
}

TEST_F(Count, IgnoredPositionsHoldingNullsOrJunkChangeNothing) {
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    HostQso q;
    q.junkInIgnored = true;
    EXPECT_EQ(CallAddData(m_api, q), 1);
    q.junkInIgnored = false;
    EXPECT_EQ(CallAddData(m_api, q), 1);
    EXPECT_EQ(ReadFileBytes("err.txt"),
              "QSO:  14070  BPSK63  2016-06-09 1842  XX1AAA  599  001  YY2BBB  599  ZQM12   DUPE !!!\r\n");
}

TEST_F(Count, NullTextsAndDatesEverywhereAreSurvived) {
    HostQso q;
    q.ownCall = q.call = q.mode = q.rstSent = q.rstRcvd = q.exchSent = q.exchRcvd = nullptr;
    q.country = q.continent = q.band = nullptr;
    q.nullTime = true;
    EXPECT_EQ(CallAddData(m_api, q), 0);
    EXPECT_EQ(CallRemoveData(m_api, q), 0);
    // Eight empty fields, each after its two-space separator.
    EXPECT_EQ(ReadFileBytes("err.txt"), "QSO:  14070" + std::string(16, ' ') + "   NO RX/TX NUMBER !!!\r\n");
    EXPECT_EQ(m_api.ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr,
                                nullptr),
              1);
    EXPECT_EQ(CallCheckCall(m_api, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(m_api.IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(m_api.GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_NE(m_api.GetResult0(nullptr), nullptr);
}

TEST_F(Count, RemovalTakesTheFirstMatchAndKeepsTheBandLine) {
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    EXPECT_EQ(Add("XX2BB", "15m", "Yland", "EU", "011"), 1);
    EXPECT_EQ(Add("XX3CC", "20m", "Yland", "EU", "012"), 1);
    HostQso q;
    q.call = "XX2BB";
    q.band = "15m";
    q.mode = "BPSK31";
    EXPECT_EQ(CallRemoveData(m_api, q), 0);
    q.mode = "BPSK63";
    EXPECT_EQ(CallRemoveData(m_api, q), 1);
    EXPECT_EQ(CallRemoveData(m_api, q), 1) << "nothing left to remove is no error";
    std::string report = Result();
    EXPECT_NE(report.find("20m\t 1\t 2\t  0\r\n15m\t 0\t 0\t  0\r\nTotal\t 1\t 2\t  0\r\n"), std::string::npos)
        << report;
}

TEST_F(Count, CheckCallNeverWritesPastTheHostsFiftyBytes) {
    ASSERT_EQ(CallResetStats(m_api, HostReset{}), 1);
    const std::string longExchange(60, 'Q');
    EXPECT_EQ(Add("XX2BB", "40m", "Yland", "EU", "0456"), 1);
    EXPECT_EQ(Add("XX2BB", "80m", "Yland", "EU", longExchange.c_str()), 1);

    // 50 bytes for the host, guarded on both sides.
    char guarded[16 + 50 + 16];
    std::memset(guarded, 0x5A, sizeof guarded);
    char* buffer = guarded + 16;
    char second[50];
    std::memset(second, 0x5A, sizeof second);
    EXPECT_EQ(CallCheckCall(m_api, "XX2BB", "20m", nullptr, buffer, second), 1);
    EXPECT_EQ(std::string(buffer), longExchange.substr(0, 49));
    EXPECT_EQ(std::string(second, sizeof second), std::string(sizeof second, 0x5A)) << "position 28 is never written";
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(guarded[i], 0x5A) << "front canary " << i;
        EXPECT_EQ(guarded[16 + 50 + i], 0x5A) << "back canary " << i;
    }

    EXPECT_EQ(CallCheckCall(m_api, "XX2BB", "40m", "40M", buffer), 0);
    EXPECT_STREQ(buffer, "0456");
    EXPECT_EQ(CallCheckCall(m_api, "XX2BB", "40m", "20m", buffer), 4);
    EXPECT_STREQ(buffer, "0456") << "bands that differ leave the buffer alone";
    EXPECT_EQ(CallCheckCall(m_api, "xx2bb", "40m", nullptr, buffer), 1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CallCheckCall(m_api, "XX2BB", "40m", nullptr, nullptr), 0);
}

TEST_F(Count, ExchangeValidationThroughTheEntryPoint) {
    EXPECT_EQ(m_api.IsValidExchg0("123", nullptr, nullptr, nullptr, 1, 2, 3), 1);
    EXPECT_EQ(m_api.IsValidExchg0("599", "x", "y", "z", 0, 0, 0), 0);
    EXPECT_EQ(m_api.IsValidExchg0("ZQM123", nullptr, nullptr, nullptr, 0, 0, 0), 1);
}

}  // namespace
