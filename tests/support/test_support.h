// Helpers shared by the test tiers: scratch directories, file bytes, dates,
// and calls of the entry points with the host's full argument lists.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "host/stats_api.h"
#include "platform/datetime.h"

namespace testing_support {

// A fresh empty directory that is the current directory while this lives;
// the previous current directory is restored and the directory removed after.
class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The automation date of a calendar date and time.
DateTimeValue MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The plug-in library built beside the test program.
std::string PluginPath();

// One QSO as the host describes it; the defaults make a valid contest QSO.
struct HostQso {
    const char* ownCall = "XX1AAA";
    const char* call = "YY2BBB";
    DateTimeValue time = MakeDate(2016, 6, 9, 18, 42);
    bool nullTime = false;
    uint32_t freqHz = 14070000;
    const char* mode = "BPSK63";
    const char* rstSent = "599";
    const char* rstRcvd = "599";
    const char* exchSent = "001";
    const char* exchRcvd = "ZQM12";
    const char* country = "Yland";
    const char* continent = "EU";
    const char* band = "20m";
    // Every position the plug-in ignores gets null pointers and odd numbers
    // when set, to show that it really ignores them.
    bool junkInIgnored = false;
};

int CallAddData(const StatsApi& api, const HostQso& qso);
int CallRemoveData(const StatsApi& api, const HostQso& qso);

struct HostReset {
    int cabrilloWanted = 0;
    const char* contestant = "XX1AA";
    DateTimeValue start = MakeDate(2016, 5, 7);
    DateTimeValue end = MakeDate(2016, 5, 8);
    const char* myCountry = "Xland";
    const char* myContinent = "EU";
};

int CallResetStats(const StatsApi& api, const HostReset& reset);

// CheckCall0 with the call and the two band texts; `buffer` (position 27) may
// be null; `second` is position 28, a scratch buffer when null.
int CallCheckCall(const StatsApi& api, const char* call, const char* band, const char* otherBand, char* buffer,
                  char* second = nullptr);

}  // namespace testing_support
