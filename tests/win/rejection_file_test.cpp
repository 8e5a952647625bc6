// The rejection log while another program has it open: the operator may keep
// err.txt open in an editor or a viewer during the contest.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using namespace testing_support;

TEST(RejectionFile, IntakeAppendsWhileAnotherHandleHoldsTheFileWithFullSharing) {
    ScopedTempDir dir;
    PluginLibrary lib(PluginPath());
    StatsApi api;
    ASSERT_TRUE(lib.Resolve(api)) << lib.GetError();

    HANDLE other = CreateFileA("err.txt", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);

    HostQso q;
    q.band = "12m";
    EXPECT_EQ(CallAddData(api, q), 0);

    // The other program writes at the end too; the next line lands after it.
    const char note[] = "operator note\r\n";
    DWORD written = 0;
    SetFilePointer(other, 0, nullptr, FILE_END);
    ASSERT_TRUE(WriteFile(other, note, sizeof note - 1, &written, nullptr));
    q.band = "17m";
    EXPECT_EQ(CallAddData(api, q), 0);

    // Everything is visible through the other handle at once: no buffering.
    char buffer[1024] = {};
    DWORD read = 0;
    SetFilePointer(other, 0, nullptr, FILE_BEGIN);
    ASSERT_TRUE(ReadFile(other, buffer, sizeof buffer - 1, &read, nullptr));
    CloseHandle(other);
    const std::string tail = "  2016-06-09 1842  XX1AAA  599  001  YY2BBB  599  ZQM12   NO CONTEST BAND !!!\r\n";
    EXPECT_EQ(std::string(buffer, read),
              "QSO:  14070  BPSK63" + tail + "operator note\r\n" + "QSO:  14070  BPSK63" + tail);
}

}  // namespace
