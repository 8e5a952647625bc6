// The DLL as Windows sees it: its export directory, both names of every entry
// point, the version resource, and the box of the contest-set setup.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "win/modal_driver.h"

namespace {

using namespace testing_support;

struct ExportPair {
    std::string plain;
    std::string decorated;
};

// Every name pair the host may look up, generated from tests/win/exports.txt.
std::vector<ExportPair> ExpectedExports() {
    return {
#include "export_names.inc"
    };
}

// Reads the export directory straight from the loaded image.
struct ExportDirectory {
    std::string moduleName;
    std::vector<std::string> names;
};

ExportDirectory ReadExportDirectory(HMODULE module) {
    auto* base = reinterpret_cast<const unsigned char*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    ExportDirectory result;
    result.moduleName = reinterpret_cast<const char*>(base + exports->Name);
    auto* nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        result.names.emplace_back(reinterpret_cast<const char*>(base + nameRvas[i]));
    }
    return result;
}

class PluginImage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_lib.IsLoaded()) << m_lib.GetError(); }
    HMODULE Module() const { return GetModuleHandleA(PluginPath().c_str()); }
    PluginLibrary m_lib{PluginPath()};
};

TEST_F(PluginImage, ExportDirectoryNamesTheModuleAndExactlyTwentyNames) {
    ExportDirectory dir = ReadExportDirectory(Module());
    EXPECT_EQ(dir.moduleName, "Stats.dll");

    std::vector<std::string> expected;
    for (const ExportPair& pair : ExpectedExports()) {
        expected.push_back(pair.plain);
        expected.push_back(pair.decorated);
    }
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> actual = dir.names;
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
}

TEST_F(PluginImage, BothNamesOfAnEntryPointAreTheSameCode) {
    for (const ExportPair& pair : ExpectedExports()) {
        void* plain = m_lib.Lookup(pair.plain.c_str());
        void* decorated = m_lib.Lookup(pair.decorated.c_str());
        ASSERT_NE(plain, nullptr) << pair.plain;
        EXPECT_EQ(plain, decorated) << pair.decorated;
    }
}

// A host that links against the decorated names runs a whole count through
// them and gets what the plain names give.
TEST_F(PluginImage, DecoratedNamesBehaveAsThePlainOnes) {
    StatsApi api;
    auto find = [&](const char* plain) {
        for (const ExportPair& pair : ExpectedExports()) {
            if (pair.plain == plain) return m_lib.Lookup(pair.decorated.c_str());
        }
        return static_cast<void*>(nullptr);
    };
    api.GetNumberOfSets = reinterpret_cast<decltype(api.GetNumberOfSets)>(find("GetNumberOfSets"));
    api.GetSetName = reinterpret_cast<decltype(api.GetSetName)>(find("GetSetName"));
    api.GetExchgCount0 = reinterpret_cast<decltype(api.GetExchgCount0)>(find("GetExchgCount0"));
    api.ResetStats0 = reinterpret_cast<decltype(api.ResetStats0)>(find("ResetStats0"));
    api.AddData0 = reinterpret_cast<decltype(api.AddData0)>(find("AddData0"));
    api.RemoveData0 = reinterpret_cast<decltype(api.RemoveData0)>(find("RemoveData0"));
    api.CheckCall0 = reinterpret_cast<decltype(api.CheckCall0)>(find("CheckCall0"));
    api.IsValidExchg0 = reinterpret_cast<decltype(api.IsValidExchg0)>(find("IsValidExchg0"));
    api.GetResult0 = reinterpret_cast<decltype(api.GetResult0)>(find("GetResult0"));

    ScopedTempDir dir;
    EXPECT_EQ(api.GetNumberOfSets(), 1);
    EXPECT_STREQ(api.GetSetName(0), "ZQM WW DX CONTEST (C)");
    EXPECT_EQ(api.GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(api.IsValidExchg0("0599", nullptr, nullptr, nullptr, 0, 0, 0), 1);
    EXPECT_EQ(CallResetStats(api, HostReset{}), 1);
    HostQso q;
    EXPECT_EQ(CallAddData(api, q), 1);
    q.call = "YY3CCC";
    EXPECT_EQ(CallAddData(api, q), 1);
    char exchange[50] = {};
    EXPECT_EQ(CallCheckCall(api, "YY2BBB", "20m", "20M", exchange), 0);
    EXPECT_STREQ(exchange, "ZQM12");
    EXPECT_EQ(CallRemoveData(api, q), 1);
    EXPECT_STREQ(api.GetResult0(nullptr),
                 "ZQM WW DX CONTEST  07.05-08.05.2016 \r\n\tContestant: XX1AA\r\n\tQSOs\tPoints\t ZQM\r\n"
                 "20m\t 1\t 10\t  1\r\nTotal\t 1\t 10\t  1\r\n\r\nScore: 10*1 = 10\r\n\r\n");
}

TEST_F(PluginImage, VersionResourceNamesTheFileAndItsVersion) {
    std::string path = PluginPath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLen = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLen));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    auto stringValue = [&](const char* key) {
        char* value = nullptr;
        UINT len = 0;
        std::string query = std::string("\\StringFileInfo\\040904b0\\") + key;
        if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &len) || value == nullptr) {
            return std::string();
        }
        return std::string(value);
    };
    EXPECT_EQ(stringValue("OriginalFilename"), "Stats.dll");
    EXPECT_NE(stringValue("FileDescription").find("ZQM"), std::string::npos);
    std::string version = stringValue("FileVersion");
    char numeric[64];
    snprintf(numeric, sizeof numeric, "%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
             HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(version, numeric) << "text and numeric file versions come from one place";
    EXPECT_EQ(stringValue("ProductVersion"), version);
}

TEST_F(PluginImage, SetupSet0ShowsItsBoxWithTheDefaultCaptionAndOkOnly) {
    StatsApi api;
    ASSERT_TRUE(m_lib.Resolve(api));
    for (int round = 0; round < 2; ++round) {
        std::string text;
        std::string caption;
        std::vector<std::string> buttons;
        bool hasOwner = true;
        bool iconShown = true;
        modal::Driver driver([&](HWND box) {
            text = modal::MessageBoxText(box);
            caption = modal::WindowText(box);
            hasOwner = GetWindow(box, GW_OWNER) != nullptr;
            for (HWND b : modal::VisibleChildren(box, "Button")) buttons.push_back(modal::WindowText(b));
            iconShown = false;
            for (HWND s : modal::VisibleChildren(box, "Static")) {
                if (SendMessageA(s, STM_GETICON, 0, 0) != 0) iconShown = true;
            }
            modal::ClickButton(box, IDOK);
        });
        api.SetupSet0();
        EXPECT_EQ(driver.HandledCount(), 1);
        EXPECT_EQ(text, "No additional setup for this contest");
        EXPECT_EQ(caption, "Error");
        EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
        EXPECT_FALSE(hasOwner);
        EXPECT_FALSE(iconShown);
    }
}

}  // namespace
