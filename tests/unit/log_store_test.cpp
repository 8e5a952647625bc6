// The log and band list keep records by value, in order.
#include <gtest/gtest.h>

#include "log/log_store.h"

namespace {

CInfo Record(const char* call, const char* band = "20m") {
    CInfo r;
    r.m_strCall = call;
    r.m_strBand = band;
    r.m_strMode = "BPSK63";
    return r;
}

std::vector<std::string> Calls(const QsoLog& log) {
    std::vector<std::string> calls;
    for (std::size_t i = 0; i < log.GetCount(); ++i) calls.push_back(log.At(i).m_strCall);
    return calls;
}

TEST(CInfo, NewRecordHasSpecifiedDefaults) {
    CInfo r;
    EXPECT_EQ(r.m_strCall, "");
    EXPECT_EQ(r.m_strMemberId, "");
    EXPECT_EQ(r.m_bDupe, 0);
    EXPECT_EQ(r.m_bMember, 0);
    EXPECT_EQ(r.m_nFreqKHz, 0u);
    EXPECT_EQ(r.m_time.m_dt, 0.0);
    EXPECT_EQ(r.m_time.m_status, kDateValid);
}

TEST(QsoLog, AppendsInOrderAndRemoveAtKeepsTheRestInOrder) {
    QsoLog log;
    log.Append(Record("A"));
    EXPECT_EQ(log.At(0).m_strCall, "A");
    log.Append(Record("B"));
    log.Append(Record("C"));
    log.RemoveAt(0);
    EXPECT_EQ(Calls(log), (std::vector<std::string>{"B", "C"}));
    log.Append(Record("D"));
    log.RemoveAt(1);
    EXPECT_EQ(Calls(log), (std::vector<std::string>{"B", "D"}));
    log.RemoveAt(1);
    EXPECT_EQ(Calls(log), (std::vector<std::string>{"B"}));
}

TEST(QsoLog, RecordsAreIndependentCopies) {
    QsoLog log;
    CInfo r = Record("A");
    log.Append(r);
    log.Append(r);
    r.m_strCall = "changed";
    EXPECT_EQ(log.At(0).m_strCall, "A");
    log.At(0).m_strCall = "first";
    log.At(0).m_bDupe = 1;
    EXPECT_EQ(log.At(1).m_strCall, "A");
    EXPECT_EQ(log.At(1).m_bDupe, 0);
    log.RemoveAt(0);
    ASSERT_EQ(log.GetCount(), 1u);
    EXPECT_EQ(log.At(0).m_strCall, "A");
}

TEST(QsoLog, RemoveAllEmptiesAndTheNextAppendIsAtZero) {
    QsoLog log;
    for (int i = 0; i < 50; ++i) log.Append(Record(std::to_string(i).c_str()));
    log.RemoveAll();
    EXPECT_EQ(log.GetCount(), 0u);
    log.Append(Record("new"));
    EXPECT_EQ(log.At(0).m_strCall, "new");
}

TEST(QsoLog, OutOfRangeIndexIsRefusedNotUndefined) {
    QsoLog log;
    log.Append(Record("A"));
    EXPECT_THROW(log.RemoveAt(1), std::out_of_range);
    EXPECT_THROW(log.At(1), std::out_of_range);
    EXPECT_EQ(log.GetCount(), 1u);
}

TEST(BandList, KeepsDistinctExactTextsInFirstAppearanceOrder) {
    BandList bands;
    for (const char* b : {"40m", "20m", "40m", "80m", "20M"}) bands.AddIfNew(b);
    ASSERT_EQ(bands.GetCount(), 4u);
    EXPECT_EQ(bands.At(0), "40m");
    EXPECT_EQ(bands.At(1), "20m");
    EXPECT_EQ(bands.At(2), "80m");
    EXPECT_EQ(bands.At(3), "20M");
    bands.Swap(0, 2);
    EXPECT_EQ(bands.At(0), "80m");
    EXPECT_EQ(bands.At(2), "40m");
    bands.RemoveAll();
    EXPECT_EQ(bands.GetCount(), 0u);
}

}  // namespace
