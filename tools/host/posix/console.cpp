// Standard output on POSIX systems: there is no text mode, bytes always pass
// through unchanged.
#include "host/console.h"

bool SetStdoutBinary() { return true; }
