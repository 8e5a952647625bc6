// The contest's acceptance rules for one QSO, and the rejection-log lines that
// tell the operator afterwards why a QSO did not count or counted as a dupe.
#include "log/intake.h"

#include "platform/text.h"

namespace {

const char* const kNonContestBands[] = {"160m", "30m", "17m", "12m"};
const char kContestMode[] = "BPSK63";
const char kMemberMarker[] = "ZQM";
const char kDatePattern[] = "%Y-%m-%d %H%M";

const char kNoContestBand[] = "   NO CONTEST BAND !!!";
const char kNoExchange[] = "   NO RX/TX NUMBER !!!";
const char kNoContestMode[] = "   NO CONTEST MODE !!!";
const char kDupe[] = "   DUPE !!!";

bool IsNonContestBand(const std::string& band) {
    for (const char* excluded : kNonContestBands) {
        if (band == excluded) {
            return true;
        }
    }
    return false;
}

// The fields in the order of a Cabrillo QSO line, so the operator can match a
// line with the QSO at a glance.
std::string FormLine(const QsoArgs& qso, const std::string& dateText, const char* message) {
    std::string line = "QSO:  " + std::to_string(qso.m_nFreqHz / 1000u);
    for (const std::string* field : {&qso.m_strMode, &dateText, &qso.m_strOwnCall, &qso.m_strRstSent,
                                     &qso.m_strExchSent, &qso.m_strCall, &qso.m_strRstRcvd, &qso.m_strExchRcvd}) {
        line += "  ";
        line += *field;
    }
    line += message;
    return line;
}

CInfo MakeRecord(const QsoArgs& qso) {
    CInfo record;
    record.m_strCall = qso.m_strCall;
    record.m_strBand = qso.m_strBand;
    record.m_strMode = qso.m_strMode;
    record.m_strContinent = qso.m_strContinent;
    record.m_strCountry = qso.m_strCountry;
    record.m_strRstRcvd = qso.m_strRstRcvd;
    record.m_strRstSent = qso.m_strRstSent;
    record.m_strExchRcvd = qso.m_strExchRcvd;
    record.m_strExchSent = qso.m_strExchSent;
    record.m_nFreqKHz = qso.m_nFreqHz / 1000u;
    record.m_time = qso.m_time;
    // The marker is looked for before upper-casing: "zqm" does not make a member.
    if (text::Contains(qso.m_strExchRcvd, kMemberMarker)) {
        record.m_bMember = 1;
        record.m_strMemberId = text::Trim(text::ToUpper(qso.m_strExchRcvd));
    }
    return record;
}

}  // namespace

int AddQso(QsoLog& log, BandList& bands, int32_t& bSelfMember, const QsoArgs& qso, RejectionLog& rejections) {
    const std::string dateText = FormatDateTime(qso.m_time, kDatePattern);

    // The rules in this order: a QSO on a non-contest band is reported as
    // such even when its exchanges and mode are wrong too.
    const char* refusal = nullptr;
    if (IsNonContestBand(qso.m_strBand)) {
        refusal = kNoContestBand;
    } else if (qso.m_strExchRcvd.empty() || qso.m_strExchSent.empty()) {
        refusal = kNoExchange;
    } else if (qso.m_strMode != kContestMode) {
        refusal = kNoContestMode;
    }
    if (refusal != nullptr) {
        rejections.WriteLine(FormLine(qso, dateText, refusal));
        return 0;
    }

    CInfo record = MakeRecord(qso);
    // Every earlier QSO it repeats gets its own line, so the operator sees how
    // often the station was logged.
    std::string dupeLine;
    for (std::size_t i = 0; i < log.GetCount(); ++i) {
        const CInfo& earlier = log.At(i);
        if (earlier.m_strCall == record.m_strCall && earlier.m_strBand == record.m_strBand &&
            earlier.m_strMode == record.m_strMode) {
            record.m_bDupe = 1;
            if (dupeLine.empty()) {
                dupeLine = FormLine(qso, dateText, kDupe);
            }
            rejections.WriteLine(dupeLine);
        }
    }

    // Commit: log, band list and flag change together or not at all. The
    // record goes first because taking the last element off again cannot fail.
    log.Append(record);
    try {
        bands.AddIfNew(qso.m_strBand);
    } catch (...) {
        log.RemoveAt(log.GetCount() - 1);
        throw;
    }
    if (text::Contains(qso.m_strExchSent, kMemberMarker)) {
        bSelfMember = 1;
    }
    return 1;
}
