// The link to the logging host's automation object, which switches the host to
// the contest's mode.
#pragma once

#include <cstdint>

// Holds the host's command interface once reached, until the plug-in unloads.
class HostApp {
public:
    HostApp() = default;
    HostApp(const HostApp&) = delete;
    HostApp& operator=(const HostApp&) = delete;
    ~HostApp() = default;
};

// Tries to reach the host and send it the contest mode; sets `bHostModeSent`
// once both commands went through.
void SendHostMode(HostApp& host, int32_t& bHostModeSent);
