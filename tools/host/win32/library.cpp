// Loading the plug-in with LoadLibraryA, as the logging host does.
#include <windows.h>

#include "host/stats_api.h"

PluginLibrary::PluginLibrary(const std::string& path) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) {
        m_strError = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    m_handle = module;
}

PluginLibrary::~PluginLibrary() {
    if (m_handle != nullptr) {
        FreeLibrary(static_cast<HMODULE>(m_handle));
    }
}

void* PluginLibrary::Lookup(const char* name) const {
    if (m_handle == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

const char* PluginFileName() { return "Stats.dll"; }

std::string ExecutableDirectory() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    std::size_t slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".\\") : dir.substr(0, slash + 1);
}
