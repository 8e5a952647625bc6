// Taking a deleted QSO out of the log again, and the lookup that tells the
// operator while typing whether a station is a dupe and what it sent before.
#include "log/lookup.h"

#include <algorithm>
#include <cstring>

#include "platform/text.h"

int RemoveQso(QsoLog& log, const RemoveArgs& qso) {
    // The host also deletes QSOs that intake refused; they cannot be in the
    // log. "BPSK62" passes this test too, though intake never stores it.
    if (qso.m_strMode != "BPSK63" && qso.m_strMode != "BPSK62") {
        return 0;
    }
    if (qso.m_strExchRcvd.empty() || qso.m_strExchSent.empty()) {
        return 0;
    }
    for (std::size_t i = 0; i < log.GetCount(); ++i) {
        const CInfo& record = log.At(i);
        if (record.m_strCall == qso.m_strCall && record.m_strMode == qso.m_strMode &&
            record.m_strBand == qso.m_strBand) {
            // One deletion in the host removes one QSO, even if it was logged twice.
            log.RemoveAt(i);
            break;
        }
    }
    return 1;
}

LookupAnswer LookupCall(const QsoLog& log, const std::string& call, const char* band, const char* otherBand) {
    LookupAnswer answer;
    if (band != nullptr && otherBand != nullptr && !text::EqualsIgnoringAsciiCase(band, otherBand)) {
        answer.m_nResult = kBandsDiffer;
        return answer;
    }
    const std::string searchBand = band != nullptr ? band : "";
    answer.m_bHasExchange = true;
    // Without a QSO on this band, the exchange the station sent most recently
    // elsewhere is the best guess for the operator.
    for (std::size_t i = 0; i < log.GetCount(); ++i) {
        const CInfo& record = log.At(i);
        if (record.m_strCall != call) {
            continue;
        }
        answer.m_strExchange = record.m_strExchRcvd;
        if (record.m_strBand == searchBand) {
            answer.m_nResult = kWorkedOnBand;
            break;
        }
    }
    return answer;
}

void CopyToHostBuffer(const std::string& exchange, char* buffer) {
    if (buffer == nullptr) {
        return;
    }
    const std::size_t count = std::min(exchange.size(), kExchangeBufferSize - 1);
    std::memcpy(buffer, exchange.data(), count);
    buffer[count] = '\0';
}
