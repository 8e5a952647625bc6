// Profile (INI) files off Windows: an own reader and writer that behaves as
// the Win32 profile functions do, so the settings file looks the same
// whichever build wrote it. The file is parsed whole and, when a write
// changes it, written back whole in normal form, as the Win32 functions
// that the Windows tests run against do.
#include "platform/profile.h"

#include "platform/text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace profile {

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

// The profile code's blanks: tab to CR, space, and ^Z (a DOS end of file).
bool IsBlank(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x1A || u == ' ';
}

std::string TrimLeft(const std::string& s) {
    std::size_t begin = 0;
    while (begin < s.size() && IsBlank(s[begin])) ++begin;
    return s.substr(begin);
}

std::string TrimRight(const std::string& s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return s.substr(0, end);
}

std::string Trim(const std::string& s) { return TrimRight(TrimLeft(s)); }

struct Entry {
    std::string m_strName;
    bool m_bHasValue = false;  // a line without "=" is kept but holds no value
    std::string m_strValue;
};

struct Section {
    std::string m_strName;  // "" for the lines before the first header
    std::vector<Entry> m_entries;
};

struct Document {
    bool m_bUtf8Bom = false;
    std::vector<Section> m_sections;  // [0] is the unnamed head of the file
};

Document Parse(std::string bytes) {
    Document doc;
    if (bytes.compare(0, 3, kUtf8Bom) == 0) {
        doc.m_bUtf8Bom = true;
        bytes.erase(0, 3);
    }
    doc.m_sections.emplace_back();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // CR and LF both end a line; runs of them make blank lines, dropped.
        const std::size_t end = bytes.find_first_of("\r\n", pos);
        const std::string line = Trim(bytes.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        pos = end == std::string::npos ? bytes.size() : end + 1;
        if (line.empty()) continue;

        if (line[0] == '[') {
            const std::size_t close = line.rfind(']');
            // Without a "]" the line is an ordinary entry.
            if (close != std::string::npos) {
                Section section;
                section.m_strName = Trim(line.substr(1, close - 1));
                doc.m_sections.push_back(section);
                continue;
            }
        }

        Entry entry;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            entry.m_strName = line;
        } else {
            entry.m_strName = TrimRight(line.substr(0, equals));
            entry.m_bHasValue = true;
            entry.m_strValue = TrimLeft(line.substr(equals + 1));
        }
        std::vector<Entry>& entries = doc.m_sections.back().m_entries;
        // Consecutive nameless lines collapse into the first, as on Windows.
        if (!entry.m_strName.empty() || entries.empty() || !entries.back().m_strName.empty()) {
            entries.push_back(entry);
        }
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    std::string out = doc.m_bUtf8Bom ? kUtf8Bom : "";
    for (const Section& section : doc.m_sections) {
        if (!section.m_strName.empty()) {
            out += "[" + section.m_strName + "]\r\n";
        }
        for (const Entry& entry : section.m_entries) {
            out += entry.m_strName;
            if (entry.m_bHasValue) out += "=" + entry.m_strValue;
            out += "\r\n";
        }
    }
    return out;
}

// Only the first section of a name counts, for reading and writing alike.
Section* FindSection(Document& doc, const std::string& name) {
    const std::string wanted = Trim(name);
    for (Section& section : doc.m_sections) {
        if (text::EqualsIgnoringAsciiCase(section.m_strName, wanted)) return &section;
    }
    return nullptr;
}

Entry* FindEntry(Section& section, const std::string& name) {
    const std::string wanted = Trim(name);
    for (Entry& entry : section.m_entries) {
        if (text::EqualsIgnoringAsciiCase(entry.m_strName, wanted)) return &entry;
    }
    return nullptr;
}

// One pair of matching quotes around the whole text goes.
std::string Unquote(const std::string& s) {
    if (s.size() >= 2 && (s[0] == '\'' || s[0] == '"') && s.back() == s[0]) {
        return s.substr(1, s.size() - 2);
    }
    return s;
}

// Trailing spaces (spaces only) go, but never the first character.
std::string StripDefault(const std::string& s) {
    std::size_t end = s.size();
    while (end > 1 && s[end - 1] == ' ') --end;
    return s.substr(0, end);
}

std::string AsCText(const std::string& s) { return std::string(s.c_str()); }

std::string NativePath(std::string path) {
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

enum class Load { kRead, kMissing, kFailed };

Load ReadFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // A missing directory counts as a missing file here: the write that
        // follows fails on it anyway, since no directory is ever created.
        return errno == ENOENT ? Load::kMissing : Load::kFailed;
    }
    bytes.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return Load::kFailed;  // a directory, say
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return Load::kRead;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return ::close(fd) == 0;
}

}  // namespace

std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue,
                       const std::string& path) {
    const std::string fallback = Unquote(StripDefault(AsCText(defaultValue)));
    std::string bytes;
    if (ReadFile(NativePath(AsCText(path)), bytes) != Load::kRead) return fallback;
    Document doc = Parse(bytes);
    Section* found = FindSection(doc, AsCText(section));
    Entry* entry = found != nullptr ? FindEntry(*found, AsCText(key)) : nullptr;
    if (entry == nullptr || !entry->m_bHasValue) return fallback;
    return Unquote(entry->m_strValue);
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& path) {
    if (!CanStore(section, key, value)) return false;
    const std::string nativePath = NativePath(AsCText(path));
    std::string bytes;
    const Load load = ReadFile(nativePath, bytes);
    if (load == Load::kFailed) return false;
    Document doc = Parse(load == Load::kRead ? bytes : std::string());

    const std::string newValue = TrimLeft(AsCText(value));
    Section* found = FindSection(doc, AsCText(section));
    if (found == nullptr) {
        // New names keep their trailing blanks, as on Windows; only matching
        // ignores them.
        Section added;
        added.m_strName = TrimLeft(AsCText(section));
        doc.m_sections.push_back(added);
        found = &doc.m_sections.back();
    }
    Entry* entry = FindEntry(*found, AsCText(key));
    if (entry == nullptr) {
        Entry added;
        added.m_strName = TrimLeft(AsCText(key));
        found->m_entries.push_back(added);
        entry = &found->m_entries.back();
    } else if (entry->m_bHasValue && entry->m_strValue == newValue) {
        return true;  // unchanged: the file is not rewritten at all
    }
    entry->m_bHasValue = true;
    entry->m_strValue = newValue;
    return WriteFile(nativePath, Serialize(doc));
}

}  // namespace profile
