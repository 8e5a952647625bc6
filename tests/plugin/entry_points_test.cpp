// The plug-in loaded as the host loads it: names resolve and the trivial
// entry points answer as the host expects.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using namespace testing_support;

class EntryPoints : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_lib.IsLoaded()) << m_lib.GetError();
        ASSERT_TRUE(m_lib.Resolve(m_api)) << m_lib.GetError();
    }
    PluginLibrary m_lib{PluginPath()};
    StatsApi m_api;
};

TEST_F(EntryPoints, ContestSetAndExchangeCount) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_api.GetNumberOfSets(), 1);
        EXPECT_EQ(m_api.GetExchgCount0(nullptr, nullptr, nullptr), 1);
        EXPECT_EQ(m_api.GetExchgCount0("a", "b", "c"), 1);
    }
    EXPECT_STREQ(m_api.GetSetName(0), "ZQM WW DX CONTEST (C)");
    for (int index : {1, -1, 2, 1 << 30, -2147483647 - 1}) {
        const char* name = m_api.GetSetName(index);
        ASSERT_NE(name, nullptr) << index;
        EXPECT_STREQ(name, "") << index;
    }
}

}  // namespace
