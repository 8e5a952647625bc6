// Append-only text file on Win32: FILE_APPEND_DATA keeps every write at the
// end even when another handle writes too, and full sharing lets the operator
// keep the file open in an editor.
#include "platform/files.h"

#include <windows.h>

namespace files {

AppendFile::AppendFile(const char* path) : m_handle(nullptr) {
    HANDLE h = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        m_handle = h;
    }
}

AppendFile::~AppendFile() {
    if (m_handle != nullptr) {
        CloseHandle(static_cast<HANDLE>(m_handle));
    }
}

void AppendFile::WriteLine(const std::string& line) {
    if (m_handle == nullptr) {
        return;
    }
    std::string bytes = line + "\r\n";
    DWORD written = 0;
    // One WriteFile per line, so a line is never split by another writer; a
    // failed write loses this line only.
    (void)WriteFile(static_cast<HANDLE>(m_handle), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace files
