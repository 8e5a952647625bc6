// Text output files.
#pragma once

#include <string>

namespace files {

// A file opened for appending with no sharing restriction: other programs may
// read, write or delete it meanwhile. Each WriteLine reaches the file at once
// (unbuffered), followed by CR LF on every platform. When the file cannot be
// opened or written, the writes are dropped silently: callers log to it on a
// best-effort basis and never depend on it.
class AppendFile {
public:
    explicit AppendFile(const char* path);
    ~AppendFile();
    AppendFile(const AppendFile&) = delete;
    AppendFile& operator=(const AppendFile&) = delete;

    void WriteLine(const std::string& line);

private:
    void* m_handle;  // platform handle, or null when not open
};

}  // namespace files
