// The one home of the module-level state, in construction order.
#include "plugin/state.h"

CCabrilloLog g_cabrillo;
HostApp g_hostApp;
QsoLog g_log;
BandList g_bands;
std::string g_strMyContinent;
std::string g_strMyCountry;
std::string g_strContestant;
std::string g_strStartDate;
std::string g_strEndDate;
const std::string g_strSection = "Settings";
const std::string g_strIniPath = "Plugins\\ZQM.ini";
std::string g_strResult;

int32_t g_bSelfMember = 0;
int32_t g_bCabrilloWanted = 0;
int32_t g_nClaimedScore = 0;
int32_t g_bHostModeSent = 0;
