// Removal of deleted QSOs and the call lookup: which record goes or answers,
// which comparisons are exact, and what reaches the host's buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "log/lookup.h"

namespace {

CInfo Record(const char* call, const char* band, const char* exchRcvd = "001", const char* mode = "BPSK63") {
    CInfo r;
    r.m_strCall = call;
    r.m_strBand = band;
    r.m_strMode = mode;
    r.m_strExchRcvd = exchRcvd;
    r.m_strExchSent = "001";
    return r;
}

RemoveArgs Removal(const char* call, const char* band, const char* mode = "BPSK63") {
    RemoveArgs a;
    a.m_strCall = call;
    a.m_strBand = band;
    a.m_strMode = mode;
    a.m_strExchSent = "001";
    a.m_strExchRcvd = "002";
    return a;
}

// call/band/exchange of every record, in log order.
std::vector<std::string> Contents(const QsoLog& log) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < log.GetCount(); ++i) {
        const CInfo& r = log.At(i);
        out.push_back(r.m_strCall + "/" + r.m_strBand + "/" + r.m_strExchRcvd);
    }
    return out;
}

using Strings = std::vector<std::string>;

TEST(RemoveQso, RefusesNonContestQsosWithoutTouchingTheLog) {
    QsoLog log;
    log.Append(Record("A", "20m"));
    RemoveArgs noRcvd = Removal("A", "20m");
    noRcvd.m_strExchRcvd.clear();
    RemoveArgs noSent = Removal("A", "20m");
    noSent.m_strExchSent.clear();
    const RemoveArgs refused[] = {Removal("A", "20m", "BPSK31"), Removal("A", "20m", "bpsk63"),
                                  Removal("A", "20m", ""), noRcvd, noSent};
    for (const RemoveArgs& args : refused) {
        EXPECT_EQ(RemoveQso(log, args), 0) << args.m_strMode;
        EXPECT_EQ(log.GetCount(), 1u);
    }
}

TEST(RemoveQso, RemovesTheFirstExactMatchOnlyAndKeepsTheOrder) {
    QsoLog log;
    log.Append(Record("A", "20m", "1"));
    log.Append(Record("B", "20m", "2"));
    log.Append(Record("A", "40m", "3"));
    CInfo dupe = Record("A", "20m", "4");
    dupe.m_bDupe = 1;
    log.Append(dupe);

    EXPECT_EQ(RemoveQso(log, Removal("A", "40m")), 1);
    EXPECT_EQ(Contents(log), (Strings{"A/20m/1", "B/20m/2", "A/20m/4"}));

    // The earlier of two equal records goes; the later keeps its dupe flag.
    EXPECT_EQ(RemoveQso(log, Removal("A", "20m")), 1);
    EXPECT_EQ(Contents(log), (Strings{"B/20m/2", "A/20m/4"}));
    EXPECT_EQ(log.At(1).m_bDupe, 1);

    // No match is no failure.
    const RemoveArgs misses[] = {Removal("a", "20m"), Removal("A", "20M"), Removal("A", "40m"),
                                 Removal("A", "20m", "BPSK62"), Removal("", "20m")};
    for (const RemoveArgs& args : misses) {
        EXPECT_EQ(RemoveQso(log, args), 1);
        EXPECT_EQ(log.GetCount(), 2u);
    }

    EXPECT_EQ(RemoveQso(log, Removal("A", "20m")), 1);
    EXPECT_EQ(Contents(log), (Strings{"B/20m/2"}));
}

TEST(RemoveQso, EmptyCallAndBandMatchOnlyEmptyFields) {
    QsoLog log;
    log.Append(Record("A", ""));
    log.Append(Record("", "20m", "1"));
    log.Append(Record("", "20m", "2"));
    EXPECT_EQ(RemoveQso(log, Removal("", "20m")), 1);
    EXPECT_EQ(Contents(log), (Strings{"A//001", "/20m/2"}));
    EXPECT_EQ(RemoveQso(log, Removal("A", "")), 1);
    EXPECT_EQ(Contents(log), (Strings{"/20m/2"}));
}

TEST(LookupCall, AnswersWithTheBestKnownExchange) {
    QsoLog log;
    log.Append(Record("AB1CD", "40m", "0456"));
    log.Append(Record("XY9Z", "20m", "0111"));
    log.Append(Record("AB1CD", "80m", "0789"));
    log.Append(Record("AB1CD", "20m", "012", "RTTY"));  // the mode plays no part
    log.Append(Record("AB1CD", "20m", "013"));

    struct Case {
        const char* call;
        const char* band;
        int result;
        const char* exchange;
    };
    const Case cases[] = {
        {"AB1CD", "40m", kWorkedOnBand, "0456"},
        {"AB1CD", "80m", kWorkedOnBand, "0789"},
        {"AB1CD", "20m", kWorkedOnBand, "012"},    // the first record on the band
        {"AB1CD", "15m", kNotWorkedOnBand, "013"},  // else the last on any band
        {"AB1CD", "40M", kNotWorkedOnBand, "013"},  // bands compare exactly here
        {"ab1cd", "40m", kNotWorkedOnBand, ""},
        {"NEW", "20m", kNotWorkedOnBand, ""},
        {"", "20m", kNotWorkedOnBand, ""},
    };
    for (const Case& c : cases) {
        const LookupAnswer a = LookupCall(log, c.call, c.band, c.band);
        EXPECT_EQ(a.m_nResult, c.result) << c.call << " " << c.band;
        EXPECT_TRUE(a.m_bHasExchange);
        EXPECT_EQ(a.m_strExchange, c.exchange) << c.call << " " << c.band;
    }

    const LookupAnswer empty = LookupCall(QsoLog(), "AB1CD", "20m", "20m");
    EXPECT_EQ(empty.m_nResult, kNotWorkedOnBand);
    EXPECT_TRUE(empty.m_bHasExchange);
    EXPECT_EQ(empty.m_strExchange, "");
}

TEST(LookupCall, TheTwoBandTextsMustAgreeIgnoringAsciiCase) {
    QsoLog log;
    log.Append(Record("AB1CD", "20m", "0456"));
    log.Append(Record("EF2GH", "", "0999"));

    const LookupAnswer sameIgnoringCase = LookupCall(log, "AB1CD", "20m", "20M");
    EXPECT_EQ(sameIgnoringCase.m_nResult, kWorkedOnBand);
    EXPECT_EQ(sameIgnoringCase.m_strExchange, "0456");

    for (const char* other : {"40m", "", "20m "}) {
        const LookupAnswer differ = LookupCall(log, "AB1CD", "20m", other);
        EXPECT_EQ(differ.m_nResult, kBandsDiffer) << '"' << other << '"';
        EXPECT_FALSE(differ.m_bHasExchange);
    }

    // A missing text skips the comparison; a missing band searches for the empty band.
    EXPECT_EQ(LookupCall(log, "AB1CD", "20m", nullptr).m_nResult, kWorkedOnBand);
    EXPECT_EQ(LookupCall(log, "AB1CD", nullptr, "40m").m_nResult, kNotWorkedOnBand);
    EXPECT_EQ(LookupCall(log, "AB1CD", nullptr, nullptr).m_strExchange, "0456");
    const LookupAnswer emptyBand = LookupCall(log, "EF2GH", nullptr, nullptr);
    EXPECT_EQ(emptyBand.m_nResult, kWorkedOnBand);
    EXPECT_EQ(emptyBand.m_strExchange, "0999");
}

TEST(CopyToHostBuffer, NeverWritesMoreThanTheBufferHolds) {
    // Guard bytes after the host's 50 show any write past its end.
    char memory[kExchangeBufferSize + 8];
    struct Case {
        std::size_t length;
        std::size_t copied;
    };
    for (const Case c : {Case{0, 0}, Case{4, 4}, Case{48, 48}, Case{49, 49}, Case{50, 49}, Case{51, 49},
                         Case{1000, 49}}) {
        std::memset(memory, '#', sizeof memory);
        const std::string exchange(c.length, 'x');
        CopyToHostBuffer(exchange, memory);
        EXPECT_EQ(std::string(memory), std::string(c.copied, 'x')) << c.length;
        EXPECT_EQ(std::string(memory + kExchangeBufferSize, 8), std::string(8, '#')) << c.length;
    }
    CopyToHostBuffer("0456", nullptr);  // no buffer: nothing to do, and no crash
}

}  // namespace
