// Append-only text file on POSIX: O_APPEND puts every write at the end even
// when another process writes too.
#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>

namespace files {

namespace {
int Fd(void* handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)) - 1; }
}  // namespace

AppendFile::AppendFile(const char* path) : m_handle(nullptr) {
    int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        // Stored as fd+1 so that descriptor 0 is not mistaken for "not open".
        m_handle = reinterpret_cast<void*>(static_cast<std::intptr_t>(fd) + 1);
    }
}

AppendFile::~AppendFile() {
    if (m_handle != nullptr) {
        ::close(Fd(m_handle));
    }
}

void AppendFile::WriteLine(const std::string& line) {
    if (m_handle == nullptr) {
        return;
    }
    std::string bytes = line + "\r\n";
    // One write per line, so a line is never split by another writer; a
    // failed or short write loses this line only.
    (void)!::write(Fd(m_handle), bytes.data(), bytes.size());
}

}  // namespace files
