// The plug-in's own copy of the contest log and its list of bands.
// Both hold their elements by value in the order they were added; every
// search over them is a plain pass from index 0 upwards.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "log/qso_record.h"

// Records in order of acceptance. Index 0 is the oldest.
// REQUIRES for At/RemoveAt: index < GetCount().
// Append gives the strong guarantee: on allocation failure it throws and the
// log is as it was.
class QsoLog {
public:
    std::size_t GetCount() const { return m_records.size(); }
    const CInfo& At(std::size_t index) const { return m_records.at(index); }
    CInfo& At(std::size_t index) { return m_records.at(index); }

    void Append(const CInfo& record) { m_records.push_back(record); }
    // Later records move down one place, keeping their order.
    void RemoveAt(std::size_t index);
    void RemoveAll() { m_records.clear(); }

private:
    std::vector<CInfo> m_records;
};

// Distinct band texts (exact, case-sensitive), first appearance first until a
// result request puts them in report order.
class BandList {
public:
    std::size_t GetCount() const { return m_bands.size(); }
    const std::string& At(std::size_t index) const { return m_bands.at(index); }

    // Returns true when the band was not there yet and has been appended.
    bool AddIfNew(const std::string& band);
    void Swap(std::size_t i, std::size_t j);
    void RemoveAll() { m_bands.clear(); }

private:
    std::vector<std::string> m_bands;
};
