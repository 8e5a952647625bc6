// zqm-score: scores an ADIF log with the contest plug-in from the command line.
// It is a host like the logging program: it loads the plug-in library, counts
// the log through the exported entry points and prints the plug-in's report.
#include <cstdio>
#include <exception>
#include <string>

#include "host/adif.h"
#include "host/console.h"
#include "host/qso_from_adif.h"
#include "host/stats_api.h"

namespace {

const int kExitError = 2;

const char kUsage[] =
    "usage: zqm-score [options] LOG.adi\n"
    "Counts an ADIF log with the ZQM contest plug-in and prints its report.\n"
    "  --call CALL          the contestant (default: the log's station callsign)\n"
    "  --country NAME       own country\n"
    "  --continent CODE     own continent\n"
    "  --start YYYY-MM-DD   contest start (default: the date of the earliest QSO)\n"
    "  --end YYYY-MM-DD     contest end (default: the date of the latest QSO)\n"
    "  --cabrillo           ask the plug-in for a Cabrillo file\n"
    "  --summary            print the numbers of accepted and refused QSOs on stderr\n"
    "  --plugin PATH        the plug-in library (default: the one beside zqm-score)\n"
    "  --help               this text\n";

struct Options {
    std::string m_strLogPath;
    std::string m_strPlugin;
    std::string m_strCall;
    std::string m_strCountry;
    std::string m_strContinent;
    DateTimeValue m_start;
    DateTimeValue m_end;
    bool m_bStartGiven = false;
    bool m_bEndGiven = false;
    bool m_bCallGiven = false;
    bool m_bCabrillo = false;
    bool m_bSummary = false;
    bool m_bHelp = false;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "zqm-score: %s\n", message.c_str());
    return kExitError;
}

bool ParseOptions(int argc, char** argv, Options& opt, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i] != nullptr ? argv[i] : "";
        std::string value;
        bool hasValue = false;
        if (arg.compare(0, 2, "--") == 0) {
            std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg.erase(eq);
                hasValue = true;
            }
        }
        auto takeValue = [&](std::string& into) {
            if (!hasValue) {
                if (i + 1 >= argc || argv[i + 1] == nullptr) {
                    error = arg + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
            into = value;
            return true;
        };
        auto takeDate = [&](DateTimeValue& into, bool& given) {
            std::string text;
            if (!takeValue(text)) {
                return false;
            }
            if (!DateFromIso(text, into)) {
                error = arg + " wants a date as YYYY-MM-DD, not \"" + text + "\"";
                return false;
            }
            given = true;
            return true;
        };
        auto noValue = [&](bool& flag) {
            if (hasValue) {
                error = arg + " takes no value";
                return false;
            }
            flag = true;
            return true;
        };

        bool ok = true;
        if (arg == "--plugin") {
            ok = takeValue(opt.m_strPlugin);
        } else if (arg == "--call") {
            ok = takeValue(opt.m_strCall);
            opt.m_bCallGiven = true;
        } else if (arg == "--country") {
            ok = takeValue(opt.m_strCountry);
        } else if (arg == "--continent") {
            ok = takeValue(opt.m_strContinent);
        } else if (arg == "--start") {
            ok = takeDate(opt.m_start, opt.m_bStartGiven);
        } else if (arg == "--end") {
            ok = takeDate(opt.m_end, opt.m_bEndGiven);
        } else if (arg == "--cabrillo") {
            ok = noValue(opt.m_bCabrillo);
        } else if (arg == "--summary") {
            ok = noValue(opt.m_bSummary);
        } else if (arg == "--help" || arg == "-h") {
            ok = noValue(opt.m_bHelp);
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg + " (see --help)";
            return false;
        } else if (!opt.m_strLogPath.empty()) {
            error = "one log file only, not also " + arg;
            return false;
        } else {
            opt.m_strLogPath = arg;
        }
        if (!ok) {
            return false;
        }
    }
    if (!opt.m_bHelp && opt.m_strLogPath.empty()) {
        error = "no log file given (see --help)";
        return false;
    }
    return true;
}

// The contest dates when not given: the days of the earliest and the latest
// QSO with a valid date, whatever order the log is in; a null date when there
// is none, which the plug-in shows as an empty text.
void DefaultDates(const AdifLog& log, CountSetup& setup, bool startGiven, bool endGiven) {
    bool any = false;
    DateTimeValue first;
    DateTimeValue last;
    for (const AdifRecord& record : log.m_records) {
        auto date = record.find("QSO_DATE");
        if (date == record.end()) {
            continue;
        }
        DateTimeValue day = DateTimeFromAdif(date->second, std::string());
        if (day.m_status != kDateValid) {
            continue;
        }
        if (!any || day.m_dt < first.m_dt) {
            first = day;
        }
        if (!any || day.m_dt > last.m_dt) {
            last = day;
        }
        any = true;
    }
    if (!any) {
        first.m_status = kDateNull;
        last.m_status = kDateNull;
    }
    if (!startGiven) {
        setup.m_start = first;
    }
    if (!endGiven) {
        setup.m_end = last;
    }
}

int Run(const Options& opt) {
    AdifLog log;
    std::string error;
    if (!ReadAdifFile(opt.m_strLogPath, log, error)) {
        return Fail(error);
    }
    if (log.m_bUnterminated) {
        std::fprintf(stderr, "zqm-score: warning: %s ends inside a record; that record is ignored\n",
                     opt.m_strLogPath.c_str());
    }

    PluginLibrary library(opt.m_strPlugin.empty() ? ExecutableDirectory() + PluginFileName() : opt.m_strPlugin);
    if (!library.IsLoaded()) {
        return Fail(library.GetError());
    }
    StatsApi api;
    if (!library.Resolve(api)) {
        return Fail(library.GetError());
    }

    CountSetup setup;
    setup.m_bCabrilloWanted = opt.m_bCabrillo ? 1 : 0;
    if (opt.m_bCallGiven) {
        setup.m_strContestant = opt.m_strCall;
    } else if (!log.m_records.empty()) {
        setup.m_strContestant = OwnCallOf(log.m_records.front());
    }
    setup.m_start = opt.m_start;
    setup.m_end = opt.m_end;
    DefaultDates(log, setup, opt.m_bStartGiven, opt.m_bEndGiven);
    setup.m_strMyCountry = opt.m_strCountry;
    setup.m_strMyContinent = opt.m_strContinent;

    HostResetStats(api, setup);
    unsigned long accepted = 0;
    unsigned long refused = 0;
    for (const AdifRecord& record : log.m_records) {
        if (HostAddData(api, QsoFromAdif(record, setup.m_strContestant)) != 0) {
            ++accepted;
        } else {
            ++refused;
        }
    }

    int cabrilloResult = 0;
    const char* report = api.GetResult0(&cabrilloResult);
    std::string text = report != nullptr ? report : "";
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        return Fail("cannot write the report to standard output");
    }
    if (opt.m_bSummary) {
        std::fprintf(stderr, "zqm-score: %lu QSOs read, %lu accepted, %lu refused\n", accepted + refused, accepted,
                     refused);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (!SetStdoutBinary()) {
            return Fail("cannot switch standard output to binary mode");
        }
        Options opt;
        std::string error;
        if (!ParseOptions(argc, argv, opt, error)) {
            return Fail(error);
        }
        if (opt.m_bHelp) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        return Run(opt);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
