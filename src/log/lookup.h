// Removal of a deleted QSO and the call lookup the host makes while the
// operator types.
#pragma once

#include <cstddef>
#include <string>

#include "log/log_store.h"

// The texts RemoveData0 reads (positions 2, 9, 12, 13, 32); null is empty.
struct RemoveArgs {
    std::string m_strCall;
    std::string m_strMode;
    std::string m_strExchSent;
    std::string m_strExchRcvd;
    std::string m_strBand;
};

// Returns 0 for a QSO that is no contest QSO (mode neither "BPSK63" nor
// "BPSK62", or an exchange missing); otherwise removes the first record with
// the same call, mode and band, if any, and returns 1.
int RemoveQso(QsoLog& log, const RemoveArgs& qso);

// Results of LookupCall.
enum LookupResult : int {
    kWorkedOnBand = 0,
    kNotWorkedOnBand = 1,
    kBandsDiffer = 4,
};

struct LookupAnswer {
    int m_nResult = kNotWorkedOnBand;
    bool m_bHasExchange = false;   // false only for kBandsDiffer: the host's buffer is left alone
    std::string m_strExchange;     // the received exchange to hand back
};

// `band` and `otherBand` are null when the host passed null pointers; a null
// `otherBand` (or `band`) skips the comparison of the two. A null `band` in
// the search itself matches only records with an empty band.
LookupAnswer LookupCall(const QsoLog& log, const std::string& call, const char* band, const char* otherBand);

// The host's exchange buffer holds this many bytes, NUL included.
constexpr std::size_t kExchangeBufferSize = 50;

// Copies `exchange` into the host's 50-byte buffer, cut to 49 bytes and a NUL
// when it does not fit. Nothing happens for a null buffer.
void CopyToHostBuffer(const std::string& exchange, char* buffer);
