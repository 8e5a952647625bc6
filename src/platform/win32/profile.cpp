// Profile (INI) files on Windows: the system's own profile functions, with a
// read buffer that grows until the whole value fits.
#include "platform/profile.h"

#include <windows.h>

#include <vector>

namespace profile {

namespace {

// Far beyond any setting; only stops the doubling on a runaway file.
constexpr std::size_t kMaxBuffer = std::size_t{1} << 28;

}  // namespace

std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue,
                       const std::string& path) {
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), path.c_str());
        // A value that filled the buffer may have been cut: only a shorter
        // one is known to be whole.
        if (static_cast<std::size_t>(got) + 1 < buffer.size() || buffer.size() >= kMaxBuffer) {
            return std::string(buffer.data(), got);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& path) {
    if (!CanStore(section, key, value)) return false;
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

}  // namespace profile
