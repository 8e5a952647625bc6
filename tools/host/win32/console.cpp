// Standard output on Windows: the C runtime opens it in text mode, which would
// turn the report's CR LF into CR CR LF.
#include "host/console.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

bool SetStdoutBinary() {
    std::fflush(stdout);
    return _setmode(_fileno(stdout), _O_BINARY) != -1;
}
