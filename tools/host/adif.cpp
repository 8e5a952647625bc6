// The ADIF reader behind zqm-score. It is deliberately forgiving about what
// lies between fields, because logs arrive from many programs, and strict about
// field lengths, because those are what keeps data containing '<' intact.
#include "host/adif.h"

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string TrimBlanks(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The length of a field tag; false for anything but decimal digits. Lengths
// beyond any file saturate instead of wrapping, so they can only run out of
// data, never around it.
bool ParseLength(const std::string& text, std::size_t& length) {
    if (text.empty()) {
        return false;
    }
    const std::size_t kMax = static_cast<std::size_t>(-1);
    std::size_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        const std::size_t digit = static_cast<std::size_t>(c - '0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    length = value;
    return true;
}

// Where the records begin: a file that does not open with '<' has a header,
// which ends at <EOH>. Without one, reading starts at the top anyway, since
// skipping the whole file would silently lose every QSO.
std::size_t RecordsStart(const std::string& text) {
    if (text.empty() || text[0] == '<') {
        return 0;
    }
    std::size_t eoh = UpperAscii(text).find("<EOH>");
    return eoh == std::string::npos ? 0 : eoh + 5;
}

}  // namespace

AdifLog ParseAdif(const std::string& text) {
    AdifLog log;
    const std::size_t size = text.size();
    std::size_t pos = RecordsStart(text);
    AdifRecord pending;
    while (pos < size) {
        std::size_t open = text.find('<', pos);
        if (open == std::string::npos) {
            break;
        }
        std::size_t close = open + 1;
        while (close < size && text[close] != '>' && text[close] != '<') {
            ++close;
        }
        if (close >= size) {
            log.m_bUnterminated = log.m_bUnterminated || !pending.empty() || close > open + 1;
            break;
        }
        if (text[close] == '<') {
            // A stray '<' in the text between fields: the real tag starts here.
            pos = close;
            continue;
        }
        pos = close + 1;
        const std::string tag = UpperAscii(TrimBlanks(text.substr(open + 1, close - open - 1)));
        if (tag == "EOR") {
            if (!pending.empty()) {
                log.m_records.push_back(std::move(pending));
                pending.clear();
            }
            continue;
        }
        if (tag == "EOH") {
            // Header fields of a header that began with a tag are no QSO.
            pending.clear();
            continue;
        }
        std::size_t colon = tag.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string name = TrimBlanks(tag.substr(0, colon));
        std::size_t typeColon = tag.find(':', colon + 1);
        std::string lengthText =
            TrimBlanks(tag.substr(colon + 1, typeColon == std::string::npos ? std::string::npos : typeColon - colon - 1));
        std::size_t length = 0;
        if (name.empty() || !ParseLength(lengthText, length)) {
            continue;
        }
        if (length > size - pos) {
            // The file ends inside this field's data: drop the field.
            log.m_bUnterminated = true;
            pending.clear();
            break;
        }
        pending.emplace(std::move(name), text.substr(pos, length));
        pos += length;
    }
    if (!pending.empty()) {
        log.m_bUnterminated = true;
    }
    return log;
}

bool ReadAdifFile(const std::string& path, AdifLog& log, std::string& error) {
    // Some systems open a directory as a file that reads as empty; that must
    // not pass for an empty log.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + " is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    log = ParseAdif(bytes.str());
    return true;
}
