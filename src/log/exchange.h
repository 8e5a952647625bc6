// Whether a received exchange has a form the contest accepts: a serial number
// of three or four digits (not the bare report "599") or a member identifier.
#pragma once

// Returns 1 for an acceptable exchange, 0 otherwise (also for null).
int IsValidExchange(const char* exchange);
