// Log and band list operations that are more than one line.
#include "log/log_store.h"

#include <stdexcept>
#include <utility>

void QsoLog::RemoveAt(std::size_t index) {
    if (index >= m_records.size()) {
        throw std::out_of_range("QsoLog::RemoveAt");
    }
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
}

bool BandList::AddIfNew(const std::string& band) {
    for (const std::string& existing : m_bands) {
        if (existing == band) {
            return false;
        }
    }
    m_bands.push_back(band);
    return true;
}

void BandList::Swap(std::size_t i, std::size_t j) {
    std::swap(m_bands.at(i), m_bands.at(j));
}
