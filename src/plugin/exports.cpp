// The only file that knows the host's positional argument lists. Each entry
// point copies the positions it reads into named values, calls one core
// function on the module-level state and converts the result; one catch-all
// per entry point keeps every C++ exception inside the plug-in.
#include "plugin/exports.h"

#include <string>

#include "log/exchange.h"
#include "log/intake.h"
#include "log/lookup.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/ui.h"
#include "plugin/state.h"
#include "scoring/report.h"
#include "scoring/score.h"

namespace {

const char kSetName[] = "ZQM WW DX CONTEST (C)";
const char kEmpty[] = "";
const char kRejectionLogPath[] = "err.txt";

std::string Text(const char* p) { return p != nullptr ? std::string(p) : std::string(); }

// The rejection log as intake writes it: "err.txt" in the current directory,
// opened for this one call.
class RejectionFile : public RejectionLog {
public:
    RejectionFile() : m_file(kRejectionLogPath) {}
    void WriteLine(const std::string& line) override { m_file.WriteLine(line); }

private:
    files::AppendFile m_file;
};

}  // namespace

extern "C" {

int ZQM_CDECL GetNumberOfSets(void) { return 1; }

const char* ZQM_CDECL GetSetName(int index) { return index == 0 ? kSetName : kEmpty; }

void ZQM_CDECL SetupSet0(void) {
    try {
        ui::ShowMessage("No additional setup for this contest", nullptr, ui::Owner::kNone, ui::Icon::kNone);
    } catch (...) {
    }
}

int ZQM_CDECL GetExchgCount0(ZqmText, ZqmText, ZqmText) { return 1; }

// Always 1: the host has no use for a failure here, and a count that starts
// on a half-reset log is still rebuilt by the AddData0 calls that follow.
int ZQM_CDECL ResetStats0(ZqmText, int cabrilloWanted, ZqmText contestant, ZqmDate start, ZqmDate end, ZqmText,
                          ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText myCountry,
                          int, int, int, double, double, ZqmText, ZqmText myContinent, ZqmText) {
    try {
        g_strStartDate = FormatDateTime(DateFromHost(start), "%d.%m");
        g_strEndDate = FormatDateTime(DateFromHost(end), "%d.%m.%Y");
        g_log.RemoveAll();
        g_bands.RemoveAll();
        g_bCabrilloWanted = cabrilloWanted;
        g_strMyContinent = Text(myContinent);
        g_strMyCountry = Text(myCountry);
        g_strContestant = Text(contestant);
        if (g_bCabrilloWanted != 0) {
            // The operator's answer changes nothing here: a cancelled header
            // still leaves Cabrillo output wanted.
            (void)g_cabrillo.SetupHeader(g_strContestant);
        }
    } catch (...) {
    }
    return 1;
}

int ZQM_CDECL AddData0(ZqmText ownCall, ZqmText call, ZqmDate time, ZqmDate, ZqmDate, ZqmDate, uint32_t,
                       uint32_t freqHz, ZqmText mode, ZqmText rstSent, ZqmText rstRcvd, ZqmText exchSent,
                       ZqmText exchRcvd, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,
                       ZqmText, ZqmText country, int, int, int, double, double, ZqmText, ZqmText continent, ZqmText,
                       ZqmText band, ZqmText) {
    try {
        RejectionFile rejections;  // opened at every call, whatever the outcome
        QsoArgs qso;
        qso.m_strOwnCall = Text(ownCall);
        qso.m_strCall = Text(call);
        qso.m_time = DateFromHost(time);
        qso.m_nFreqHz = freqHz;
        qso.m_strMode = Text(mode);
        qso.m_strRstSent = Text(rstSent);
        qso.m_strRstRcvd = Text(rstRcvd);
        qso.m_strExchSent = Text(exchSent);
        qso.m_strExchRcvd = Text(exchRcvd);
        qso.m_strCountry = Text(country);
        qso.m_strContinent = Text(continent);
        qso.m_strBand = Text(band);
        return AddQso(g_log, g_bands, g_bSelfMember, qso, rejections);
    } catch (...) {
        return 0;
    }
}

int ZQM_CDECL RemoveData0(ZqmText, ZqmText call, ZqmDate, ZqmDate, ZqmDate, ZqmDate, uint32_t, uint32_t,
                          ZqmText mode, ZqmText, ZqmText, ZqmText exchSent, ZqmText exchRcvd, ZqmText, ZqmText,
                          ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, int, int, int,
                          double, double, ZqmText, ZqmText, ZqmText, ZqmText band, ZqmText) {
    try {
        RemoveArgs qso;
        qso.m_strCall = Text(call);
        qso.m_strMode = Text(mode);
        qso.m_strExchSent = Text(exchSent);
        qso.m_strExchRcvd = Text(exchRcvd);
        qso.m_strBand = Text(band);
        return RemoveQso(g_log, qso);
    } catch (...) {
        return 0;
    }
}

int ZQM_CDECL CheckCall0(ZqmText call, uint32_t, uint32_t, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, ZqmText,
                         ZqmText, ZqmText, ZqmText, ZqmText, ZqmText, int, int, int, double, double, ZqmText,
                         ZqmText, ZqmText, ZqmText, ZqmText, ZqmText band, ZqmText otherBand, char* exchange,
                         char*) {
    try {
        LookupAnswer answer = LookupCall(g_log, Text(call), band, otherBand);
        if (answer.m_bHasExchange) {
            CopyToHostBuffer(answer.m_strExchange, exchange);
        }
        return answer.m_nResult;
    } catch (...) {
        return 0;
    }
}

int ZQM_CDECL IsValidExchg0(ZqmText exchange, ZqmText, ZqmText, ZqmText, int, int, int) {
    try {
        return IsValidExchange(exchange);
    } catch (...) {
        return 0;
    }
}

const char* ZQM_CDECL GetResult0(int* result) {
    try {
        g_strResult.clear();
        StationContext station;
        station.m_bSelfMember = g_bSelfMember;
        station.m_strMyCountry = g_strMyCountry;
        station.m_strMyContinent = g_strMyContinent;
        CScoreSummary summary = ComputeScore(g_log, g_bands, station);
        g_nClaimedScore = summary.m_nScore;

        ReportHeading heading;
        heading.m_strStartDate = g_strStartDate;
        heading.m_strEndDate = g_strEndDate;
        heading.m_strContestant = g_strContestant;
        g_strResult = FormatReport(heading, summary);

        // A settings file that cannot be written costs the operator nothing
        // but the remembered score, so the report goes out regardless.
        (void)profile::WriteString(g_strSection, "Claimed", std::to_string(g_nClaimedScore), g_strIniPath);

        if (g_bCabrilloWanted != 0) {
            RunCabrilloOutput(g_cabrillo, g_log, g_nClaimedScore, result);
        }
        if (g_bHostModeSent == 0) {
            SendHostMode(g_hostApp, g_bHostModeSent);
        }
        return g_strResult.c_str();
    } catch (...) {
        return kEmpty;
    }
}

}  // extern "C"
