// The forms of received exchange the contest accepts, checked while the
// operator types so that a mistyped serial number is noticed at once.
#include "log/exchange.h"

#include <string>

#include "platform/text.h"

namespace {

// ASCII digits only: isdigit() would depend on the locale and on the sign
// of char for bytes of 128 and above.
bool AllDigits(const std::string& s) {
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

int IsValidExchange(const char* exchange) {
    if (exchange == nullptr) {
        return 0;
    }
    const std::string exch(exchange);
    // A member identifier is the marker plus at least three more characters.
    if (exch.size() > 5 && text::Contains(exch, "ZQM")) {
        return 1;
    }
    // "599" is the signal report typed into the wrong field, not a serial.
    if (exch.size() == 3) {
        return (AllDigits(exch) && exch != "599") ? 1 : 0;
    }
    if (exch.size() == 4) {
        return AllDigits(exch) ? 1 : 0;
    }
    return 0;
}
