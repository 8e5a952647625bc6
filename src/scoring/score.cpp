// Band ordering and the contest score. The score is recomputed from the log at
// every result request, so nothing here keeps state between requests.
#include "scoring/score.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <unordered_set>

namespace {

constexpr std::size_t kBandKeyWidth = 20;
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// Left-padding with '0' makes band texts of different lengths sort by
// wavelength ("80m" after "160m"); texts of 20 bytes or more are their own key.
std::string BandKey(const std::string& band) {
    if (band.size() >= kBandKeyWidth) {
        return band;
    }
    return std::string(kBandKeyWidth - band.size(), '0') + band;
}

// The report's fields are 32-bit; a total that does not fit shows as the
// largest value instead of wrapping into a negative score.
int32_t Saturate(int64_t value) { return static_cast<int32_t>(std::min(value, kInt32Max)); }

struct BandCount {
    int64_t qsos = 0;
    int64_t points = 0;
    int64_t mults = 0;
};

BandCount CountBand(const QsoLog& log, const std::string& band, const StationContext& station) {
    // Per-category weights; a member is worth far more to a non-member.
    const int64_t memberPoints = station.m_bSelfMember != 0 ? 1 : 10;
    BandCount count;
    std::unordered_set<std::string> identifiers;  // each band starts with none
    for (std::size_t i = 0; i < log.GetCount(); ++i) {
        const CInfo& record = log.At(i);
        if (record.m_strBand != band || record.m_strCall.empty()) {
            continue;
        }
        ++count.qsos;
        if (record.m_bMember != 0) {
            count.points += memberPoints;
        } else if (record.m_strCountry == station.m_strMyCountry) {
            count.points += 1;
        } else if (record.m_strContinent == station.m_strMyContinent) {
            count.points += 2;
        } else {
            count.points += 3;
        }
        // The multiplier follows the identifier, not the member flag, and a
        // duplicate QSO adds one only when its identifier is new on the band.
        if (!record.m_strMemberId.empty() && identifiers.insert(record.m_strMemberId).second) {
            ++count.mults;
        }
    }
    return count;
}

}  // namespace

void SortBands(BandList& bands) {
    const std::size_t n = bands.GetCount();
    // A selection-exchange pass rather than std::sort: equal keys ("20m",
    // "020m") must keep the order this particular exchange sequence gives
    // them, and std::string's operator< compares bytes as unsigned values.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (BandKey(bands.At(i)) < BandKey(bands.At(j))) {
                bands.Swap(i, j);
            }
        }
    }
}

CScoreSummary ComputeScore(const QsoLog& log, BandList& bands, const StationContext& station) {
    SortBands(bands);

    CScoreSummary summary;
    int64_t totalPoints = 0;
    int64_t totalMults = 0;
    summary.m_bandScores.reserve(bands.GetCount());
    for (std::size_t b = 0; b < bands.GetCount(); ++b) {
        const BandCount count = CountBand(log, bands.At(b), station);
        CBandScore row;
        row.m_strBand = bands.At(b);
        row.m_nQsos = Saturate(count.qsos);
        row.m_nPoints = Saturate(count.points);
        row.m_nMults = Saturate(count.mults);
        summary.m_bandScores.push_back(row);
        // Every record counts on at most one band, so these sums stay far
        // below the 64-bit range.
        totalPoints += count.points;
        totalMults += count.mults;
    }

    // Records with an empty callsign count here although no band row has them.
    summary.m_nTotalQsos = static_cast<int32_t>(std::min(log.GetCount(), static_cast<std::size_t>(kInt32Max)));
    summary.m_nTotalPoints = Saturate(totalPoints);
    summary.m_nTotalMults = Saturate(totalMults);
    // Multiplying the saturated totals cannot overflow 64 bits and saturates
    // exactly when the true product would.
    const int64_t points = summary.m_nTotalPoints;
    const int64_t mults = summary.m_nTotalMults;
    summary.m_nScore = mults == 0 ? summary.m_nTotalPoints : Saturate(points * mults);
    return summary;
}
