// How the ten entry points are declared: C linkage, the C calling convention
// (the caller removes the arguments) and, off Windows, default visibility so
// that libStats.so exports exactly these names. On Windows the module
// definition file chooses the exported names instead.
#pragma once

#if defined(_WIN32)
#define ZQM_CDECL __cdecl
#define ZQM_EXPORT
#else
#define ZQM_CDECL
#define ZQM_EXPORT __attribute__((visibility("default")))
#endif
