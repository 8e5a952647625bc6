// The one console setting zqm-score needs from the operating system: the
// plug-in's report already carries CR LF line ends and has to reach standard
// output byte for byte.
#pragma once

// Makes standard output pass bytes through unchanged (no LF -> CR LF
// translation). Call before anything is written to it. False when the
// platform refused.
bool SetStdoutBinary();
