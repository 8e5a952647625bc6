// The Cabrillo log: header values the operator keeps in the settings file,
// the header setup run at the start of a count, and the output pass run at
// each result request.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "log/log_store.h"

class CCabrilloLog {
public:
    // Runs the header setup for a count with Cabrillo output wanted. Returns 1
    // when the operator accepted the header, 0 otherwise.
    int SetupHeader(const std::string& callsign);

    std::vector<std::string> m_arrQsoLines;  // finished QSO lines, each ending in CR LF
};

// Writes the Cabrillo file of `log` with `claimedScore` and tells the operator
// its name; stores -1 through `resultPtr` (when not null).
void RunCabrilloOutput(CCabrilloLog& cabrillo, const QsoLog& log, int32_t claimedScore, int* resultPtr);
