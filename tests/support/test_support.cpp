#include "support/test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace testing_support {

ScopedTempDir::ScopedTempDir() : m_previous(fs::current_path()) {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_path = fs::temp_directory_path() /
             ("zqm-test-" + std::to_string(stamp) + "-" + std::to_string(counter.fetch_add(1)));
    fs::create_directories(m_path);
    fs::current_path(m_path);
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ec;
    fs::current_path(m_previous, ec);
    fs::remove_all(m_path, ec);
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

DateTimeValue MakeDate(int year, int month, int day, int hour, int minute, int second) {
    // Days from civil (proleptic Gregorian), then shifted to 1899-12-30.
    int y = month <= 2 ? year - 1 : year;
    int era = (y >= 0 ? y : y - 399) / 400;
    int yoe = y - era * 400;
    int mp = (month + 9) % 12;
    int doy = (153 * mp + 2) / 5 + day - 1;
    int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    long days = static_cast<long>(era) * 146097 + doe - 719468;  // days since 1970-01-01
    long ole = days + 25569;                                      // 1970-01-01 is day 25569
    DateTimeValue v;
    v.m_dt = static_cast<double>(ole) + (hour * 3600 + minute * 60 + second) / 86400.0;
    v.m_status = kDateValid;
    return v;
}

std::string PluginPath() { return ExecutableDirectory() + PluginFileName(); }

namespace {

template <typename Fn>
int CallQso(Fn fn, const HostQso& q) {
    DateTimeValue time = q.time;
    DateTimeValue other = MakeDate(2001, 2, 3);
    ZqmDate t = q.nullTime ? nullptr : &time;
    ZqmDate junkDate = q.junkInIgnored ? nullptr : &other;
    ZqmText junk = q.junkInIgnored ? nullptr : "x";
    int junkInt = q.junkInIgnored ? -7 : 0;
    double junkDouble = q.junkInIgnored ? -1e300 : 0.0;
    uint32_t junkU = q.junkInIgnored ? 0xFFFFFFFFu : 0u;
    return fn(q.ownCall, q.call, t, junkDate, junkDate, junkDate, junkU, q.freqHz, q.mode, q.rstSent, q.rstRcvd,
              q.exchSent, q.exchRcvd, junk, junk, junk, junk, junk, junk, junk, junk, junk, q.country, junkInt,
              junkInt, junkInt, junkDouble, junkDouble, junk, q.continent, junk, q.band, junk);
}

}  // namespace

int CallAddData(const StatsApi& api, const HostQso& qso) { return CallQso(api.AddData0, qso); }
int CallRemoveData(const StatsApi& api, const HostQso& qso) { return CallQso(api.RemoveData0, qso); }

int CallResetStats(const StatsApi& api, const HostReset& r) {
    DateTimeValue start = r.start;
    DateTimeValue end = r.end;
    return api.ResetStats0("", r.cabrilloWanted, r.contestant, &start, &end, "", "", "", "", "", "", "", "", "",
                           r.myCountry, 0, 0, 0, 0.0, 0.0, "", r.myContinent, "");
}

int CallCheckCall(const StatsApi& api, const char* call, const char* band, const char* otherBand, char* buffer,
                  char* second) {
    char scratch[50] = "untouched";
    return api.CheckCall0(call, 0, 0, "", "", "", "", "", "", "", "", "", "", "", 0, 0, 0, 0.0, 0.0, "", "", "",
                          "", "", band, otherBand, buffer, second != nullptr ? second : scratch);
}

}  // namespace testing_support
