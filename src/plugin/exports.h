// The ten entry points the logging host calls, with the host's positional
// argument lists. Conventions for every entry point:
// - texts are NUL-terminated ANSI strings owned by the host and valid only for
//   the call; a null text reads as the empty text unless stated otherwise;
// - a date is a pointer to the host's date value; null reads as a null date;
// - positions the plug-in does not use may hold anything, null included;
// - no entry point lets an exception out: on any internal failure it returns
//   its neutral result (0, or an empty text) and leaves the log as it was.
#pragma once

#include <cstdint>

#include "platform/callconv.h"
#include "platform/datetime.h"

using ZqmText = const char*;
using ZqmDate = DateTimeValue*;

extern "C" {

ZQM_EXPORT int ZQM_CDECL GetNumberOfSets(void);
// "ZQM WW DX CONTEST (C)" for set 0, "" for every other index; never null.
ZQM_EXPORT const char* ZQM_CDECL GetSetName(int index);
ZQM_EXPORT void ZQM_CDECL SetupSet0(void);
ZQM_EXPORT int ZQM_CDECL GetExchgCount0(ZqmText, ZqmText, ZqmText);

ZQM_EXPORT int ZQM_CDECL ResetStats0(
    ZqmText, int cabrilloWanted, ZqmText contestant, ZqmDate start, ZqmDate end,                  // 1-5
    ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,             // 6-14
    ZqmText myCountry, int, int, int, double, double, ZqmText, ZqmText myContinent, ZqmText);     // 15-23

ZQM_EXPORT int ZQM_CDECL AddData0(
    ZqmText ownCall, ZqmText call, ZqmDate time, ZqmDate, ZqmDate, ZqmDate,                        // 1-6
    uint32_t, uint32_t freqHz, ZqmText mode, ZqmText rstSent, ZqmText rstRcvd,                    // 7-11
    ZqmText exchSent, ZqmText exchRcvd, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,              // 12-18
    ZqmText, ZqmText, ZqmText, ZqmText, ZqmText country, int, int, int, double, double,           // 19-28
    ZqmText, ZqmText continent, ZqmText, ZqmText band, ZqmText);                                  // 29-33

ZQM_EXPORT int ZQM_CDECL RemoveData0(
    ZqmText, ZqmText call, ZqmDate, ZqmDate, ZqmDate, ZqmDate,                                    // 1-6
    uint32_t, uint32_t, ZqmText mode, ZqmText, ZqmText,                                           // 7-11
    ZqmText exchSent, ZqmText exchRcvd, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,              // 12-18
    ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, int, int, int, double, double,                   // 19-28
    ZqmText, ZqmText, ZqmText, ZqmText band, ZqmText);                                            // 29-33

// Writes at most 50 bytes into `exchange`; never writes `unused`.
ZQM_EXPORT int ZQM_CDECL CheckCall0(
    ZqmText call, uint32_t, uint32_t, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,                // 1-8
    ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, int, int, int, double, double,          // 9-19
    ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText band, ZqmText otherBand,                 // 20-26
    char* exchange, char* unused);                                                                // 27-28

ZQM_EXPORT int ZQM_CDECL IsValidExchg0(ZqmText exchange, ZqmText, ZqmText, ZqmText, int, int, int);

// The report text, owned by the plug-in and valid until the next call.
ZQM_EXPORT const char* ZQM_CDECL GetResult0(int* result);

}  // extern "C"
