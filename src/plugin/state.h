// Module-level plug-in state: everything that lives from one entry point call
// to the next. Defined in state.cpp in the order the library constructs it at
// load (and destroys it, in reverse, at unload). Only src/plugin touches these;
// core functions get what they need as arguments.
#pragma once

#include <cstdint>
#include <string>

#include "cabrillo/cabrillo_log.h"
#include "host/host_link.h"
#include "log/log_store.h"

extern CCabrilloLog g_cabrillo;
extern HostApp g_hostApp;
extern QsoLog g_log;
extern BandList g_bands;
extern std::string g_strMyContinent;
extern std::string g_strMyCountry;
extern std::string g_strContestant;
extern std::string g_strStartDate;   // "%d.%m"
extern std::string g_strEndDate;     // "%d.%m.%Y"
extern const std::string g_strSection;
extern const std::string g_strIniPath;
extern std::string g_strResult;      // what GetResult0 returned last

extern int32_t g_bSelfMember;       // set by intake, never cleared while loaded
extern int32_t g_bCabrilloWanted;
extern int32_t g_nClaimedScore;
extern int32_t g_bHostModeSent;     // set once the host took the contest mode
