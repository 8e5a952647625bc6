// Loading the plug-in with dlopen; the stand-in for the Windows loader.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "host/stats_api.h"

PluginLibrary::PluginLibrary(const std::string& path) {
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        const char* why = dlerror();
        m_strError = "cannot load " + path + ": " + (why != nullptr ? why : "unknown error");
    }
}

PluginLibrary::~PluginLibrary() {
    if (m_handle != nullptr) {
        dlclose(m_handle);
    }
}

void* PluginLibrary::Lookup(const char* name) const {
    return m_handle != nullptr ? dlsym(m_handle, name) : nullptr;
}

const char* PluginFileName() { return "libStats.so"; }

std::string ExecutableDirectory() {
    char path[PATH_MAX] = {};
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string dir(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    std::size_t slash = dir.rfind('/');
    return slash == std::string::npos ? std::string("./") : dir.substr(0, slash + 1);
}
