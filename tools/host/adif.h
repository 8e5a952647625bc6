// A small reader for ADIF log files, the exchange format every logging program
// writes: zqm-score feeds the plug-in from one, as the logging host feeds it
// from its own log.
#pragma once

#include <map>
#include <string>
#include <vector>

// One ADIF record: field name in upper case -> the field's bytes, unchanged.
// When a record names a field twice, the first occurrence counts.
using AdifRecord = std::map<std::string, std::string>;

struct AdifLog {
    std::vector<AdifRecord> m_records;  // in file order; records without fields are left out
    // The file ended inside a record (fields after the last <EOR>, or a tag
    // or field cut off); that incomplete record is not in m_records.
    bool m_bUnterminated = false;
};

// Parses the bytes of an ADIF file. Never fails and never reads past the end:
// a header (text not starting with '<', up to <EOH>) is skipped, text between
// fields is ignored, a field's length is honoured exactly so its data may hold
// '<', and a tag without a usable length is ignored as text.
AdifLog ParseAdif(const std::string& text);

// Reads and parses the file at `path`; false with `error` set when it cannot
// be read.
bool ReadAdifFile(const std::string& path, AdifLog& log, std::string& error);
