// The plug-in's entry points as a host sees them: looked up by name in the
// loaded library. Used by zqm-score and by the tests, so that both drive the
// real export surface exactly as the logging host does.
#pragma once

#include <string>

#include "plugin/exports.h"

struct StatsApi {
    decltype(&::GetNumberOfSets) GetNumberOfSets = nullptr;
    decltype(&::GetSetName) GetSetName = nullptr;
    decltype(&::SetupSet0) SetupSet0 = nullptr;
    decltype(&::GetExchgCount0) GetExchgCount0 = nullptr;
    decltype(&::ResetStats0) ResetStats0 = nullptr;
    decltype(&::AddData0) AddData0 = nullptr;
    decltype(&::RemoveData0) RemoveData0 = nullptr;
    decltype(&::CheckCall0) CheckCall0 = nullptr;
    decltype(&::IsValidExchg0) IsValidExchg0 = nullptr;
    decltype(&::GetResult0) GetResult0 = nullptr;
};

// A loaded plug-in library; unloads it when destroyed.
class PluginLibrary {
public:
    // Loads the library at `path`. IsLoaded() tells whether that worked.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool IsLoaded() const { return m_handle != nullptr; }
    const std::string& GetError() const { return m_strError; }

    // The address exported under `name`, or null.
    void* Lookup(const char* name) const;

    // Fills `api` with the plain names; false (with GetError) when one is missing.
    bool Resolve(StatsApi& api);

private:
    void* m_handle = nullptr;
    std::string m_strError;
};

// The plug-in's file name in this build ("Stats.dll" or "libStats.so").
const char* PluginFileName();

// Directory of the running executable, with a trailing separator.
std::string ExecutableDirectory();
