// zqm-score's host side without a plug-in: the ADIF reader on awkward files,
// the conversion of fields into the host's values, and the argument positions
// of the two calls, checked against a recording stand-in for the plug-in.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/adif.h"
#include "host/qso_from_adif.h"
#include "support/test_support.h"

namespace {

using testing_support::MakeDate;

// ---------------------------------------------------------------- reader

struct ParseCase {
    const char* what;
    std::string text;
    std::vector<AdifRecord> expected;
    bool unterminated;
};

TEST(AdifReader, ParsesAwkwardFiles) {
    const std::string huge = "<CALL:99999999999999999999999999999999>x<EOR>";
    const ParseCase cases[] = {
        {"empty file", "", {}, false},
        {"header with fields skipped up to <EOH>",
         "Exported by hand <ADIF_VER:5>3.1.4\r\n<PROGRAMID:4>test\r\n<EOH>\r\n<CALL:5>YY2BB<EOR>\r\n",
         {{{"CALL", "YY2BB"}}},
         false},
        {"header opening with a tag", "<ADIF_VER:5>3.1.4<eoh><CALL:3>ZZ1<EOR>", {{{"CALL", "ZZ1"}}}, false},
        {"header without <EOH> still yields the records", "no end of header <CALL:3>ZZ1<EOR>",
         {{{"CALL", "ZZ1"}}}, false},
        {"names in any case, type indicator, two records",
         "<call:3:S>ZZ1<Band:3>20m<eor>\n<CALL:3>ZZ2<qso_date:8:d>20160507<EoR>",
         {{{"CALL", "ZZ1"}, {"BAND", "20m"}}, {{"CALL", "ZZ2"}, {"QSO_DATE", "20160507"}}},
         false},
        {"length honoured: data holds '<' and '>' and a tag", "<COMMENT:19>a <b> <CALL:3>XX1 c<CALL:3>ZZ1<EOR>",
         {{{"COMMENT", "a <b> <CALL:3>XX1 c"}, {"CALL", "ZZ1"}}},
         false},
        {"junk between fields, stray '<' included", "junk <CALL:3>ZZ1 \r\n x < y > z <b> <BAND:3>40m<EOR> tail",
         {{{"CALL", "ZZ1"}, {"BAND", "40m"}}},
         false},
        {"zero length gives an empty field", "<SRX_STRING:0><CALL:3>ZZ1<EOR>",
         {{{"SRX_STRING", ""}, {"CALL", "ZZ1"}}},
         false},
        {"tag without a usable length is text", "<CALL:x>XX9<CALL:>XX8<:3>abc<CALL:3>ZZ1<EOR>",
         {{{"CALL", "ZZ1"}}},
         false},
        {"first of two equal names counts", "<CALL:3>ZZ1<call:3>ZZ2<EOR>", {{{"CALL", "ZZ1"}}}, false},
        {"records without fields are left out", "<EOR> <EOR><CALL:3>ZZ1<EOR><EOR>", {{{"CALL", "ZZ1"}}}, false},
        {"last field cut off", "<CALL:3>ZZ1<EOR><CALL:5>YY2", {{{"CALL", "ZZ1"}}}, true},
        {"last field one byte short", "<CALL:3>ZZ1<EOR><BAND:3>20m<CALL:4>ZZ2", {{{"CALL", "ZZ1"}}}, true},
        {"last tag cut off", "<CALL:3>ZZ1<EOR><CALL:5", {{{"CALL", "ZZ1"}}}, true},
        {"last record without <EOR>", "<CALL:3>ZZ1<EOR><CALL:3>ZZ2", {{{"CALL", "ZZ1"}}}, true},
        {"absurd length", huge, {}, true},
        {"length at the limit of size_t", "<CALL:18446744073709551615>x<EOR>", {}, true},
        {"lone '<' at the end", "<CALL:3>ZZ1<EOR><", {{{"CALL", "ZZ1"}}}, false},
    };
    for (const ParseCase& c : cases) {
        AdifLog log = ParseAdif(c.text);
        EXPECT_EQ(log.m_records, c.expected) << c.what;
        EXPECT_EQ(log.m_bUnterminated, c.unterminated) << c.what;
    }
}

TEST(AdifReader, EveryPrefixOfAFileParsesSafely) {
    // Cutting a file anywhere must never read past the end, and never yield a
    // record that was not complete in the whole file.
    const std::string file =
        "hdr <EOH>\n<CALL:5>YY2BB<BAND:3>20m<COMMENT:7>1<2>3<4<EOR>\n<CALL:5:s>ZZ3CC<SRX_STRING:6>ZQM123<EOR>\n";
    const std::vector<AdifRecord> whole = ParseAdif(file).m_records;
    ASSERT_EQ(whole.size(), 2u);
    for (std::size_t n = 0; n <= file.size(); ++n) {
        const std::string cut(file.data(), n);
        AdifLog log = ParseAdif(cut);
        ASSERT_LE(log.m_records.size(), whole.size()) << n;
        for (std::size_t i = 0; i < log.m_records.size(); ++i) {
            EXPECT_EQ(log.m_records[i], whole[i]) << "cut at " << n;
        }
    }
}

TEST(AdifReader, UnreadableFile) {
    AdifLog log;
    std::string error;
    EXPECT_FALSE(ReadAdifFile("no-such-dir/no-such-log.adi", log, error));
    EXPECT_NE(error.find("no-such-log.adi"), std::string::npos);

    testing_support::ScopedTempDir dir;
    error.clear();
    EXPECT_FALSE(ReadAdifFile(dir.Path().string(), log, error)) << "a directory is no log";
    EXPECT_FALSE(error.empty());

    testing_support::WriteFileBytes(dir.Path() / "log.adi", "<CALL:3>ZZ1<EOR>");
    ASSERT_TRUE(ReadAdifFile((dir.Path() / "log.adi").string(), log, error)) << error;
    EXPECT_EQ(log.m_records, (std::vector<AdifRecord>{{{"CALL", "ZZ1"}}}));
}

// ---------------------------------------------------------------- conversions

TEST(AdifConversion, FrequencyInHzFromMHzText) {
    struct Case {
        const char* text;
        bool ok;
        uint32_t hz;
    };
    const Case cases[] = {
        {"14.0705", true, 14070500},  // 14.0705 * 1e6 in doubles truncates to 14070499
        {"28.1205", true, 28120500},
        {"3.58", true, 3580000},
        {"7", true, 7000000},
        {"21.", true, 21000000},
        {".1357", true, 135700},
        {" 7.0400 ", true, 7040000},
        {"14.07050099", true, 14070500},  // below 1 Hz dropped
        {"0", true, 0},
        {"4294.967295", true, 4294967295u},
        {"4294.967296", false, 0},
        {"10368.1", false, 0},
        {"99999999999999999999999", false, 0},
        {"", false, 0},
        {".", false, 0},
        {"-14.07", false, 0},
        {"+14.07", false, 0},
        {"14,0705", false, 0},
        {"14.07.05", false, 0},
        {"14.07 MHz", false, 0},
    };
    for (const Case& c : cases) {
        uint32_t hz = 12345;
        EXPECT_EQ(FrequencyHzFromMHz(c.text, hz), c.ok) << c.text;
        EXPECT_EQ(hz, c.ok ? c.hz : 12345u) << c.text;
    }
}

TEST(AdifConversion, DateAndTimeToAutomationDate) {
    struct Case {
        const char* date;
        const char* time;
        bool valid;
        double dt;
    };
    const Case cases[] = {
        {"20160507", "1842", true, MakeDate(2016, 5, 7, 18, 42).m_dt},
        {"20160507", "184259", true, MakeDate(2016, 5, 7, 18, 42, 59).m_dt},
        {"20160507", "", true, MakeDate(2016, 5, 7).m_dt},
        {" 20160507 ", " 0000 ", true, MakeDate(2016, 5, 7).m_dt},
        {"20000229", "2359", true, MakeDate(2000, 2, 29, 23, 59).m_dt},
        {"99991231", "235959", true, MakeDate(9999, 12, 31, 23, 59, 59).m_dt},
        {"18991230", "1200", true, 0.5},
        {"18991229", "0600", true, -1.25},  // before day 0 the time of day counts away from zero
        {"01000101", "", true, -657434.0},
        {"19000229", "1200", false, 0},
        {"20160230", "1200", false, 0},
        {"20161301", "1200", false, 0},
        {"20160500", "1200", false, 0},
        {"00991231", "1200", false, 0},
        {"20160507", "2400", false, 0},
        {"20160507", "1860", false, 0},
        {"20160507", "184260", false, 0},
        {"20160507", "18", false, 0},
        {"20160507", "18:42", false, 0},
        {"2016057", "1842", false, 0},
        {"2016-05-07", "1842", false, 0},
        {"", "1842", false, 0},
    };
    for (const Case& c : cases) {
        DateTimeValue v = DateTimeFromAdif(c.date, c.time);
        EXPECT_EQ(v.m_status, c.valid ? kDateValid : kDateInvalid) << c.date << " " << c.time;
        if (c.valid) {
            EXPECT_NEAR(v.m_dt, c.dt, 1e-9) << c.date << " " << c.time;
        }
    }
}

TEST(AdifConversion, OptionDates) {
    DateTimeValue v;
    ASSERT_TRUE(DateFromIso("2016-05-07", v));
    EXPECT_EQ(v.m_status, kDateValid);
    EXPECT_DOUBLE_EQ(v.m_dt, MakeDate(2016, 5, 7).m_dt);
    for (const char* bad : {"", "2016-5-7", "2016/05/07", "20160507", "2016-02-30", "+016-05-07", "2016-05-07x"}) {
        DateTimeValue untouched = MakeDate(2001, 2, 3);
        EXPECT_FALSE(DateFromIso(bad, untouched)) << bad;
        EXPECT_DOUBLE_EQ(untouched.m_dt, MakeDate(2001, 2, 3).m_dt) << bad;
    }
    EXPECT_DOUBLE_EQ(DayOf(MakeDate(2016, 5, 7, 23, 59, 59)).m_dt, MakeDate(2016, 5, 7).m_dt);
    EXPECT_DOUBLE_EQ(DayOf(DateTimeFromAdif("18991229", "0600")).m_dt, -1.0);
}

TEST(AdifConversion, RecordToHostQso) {
    const AdifRecord full = {
        {"STATION_CALLSIGN", "XX1AA"}, {"OPERATOR", "XX1OP"}, {"CALL", "YY2BB"},     {"QSO_DATE", "20160507"},
        {"TIME_ON", "184230"},         {"FREQ", "14.0705"},   {"MODE", "PSK"},       {"SUBMODE", "PSK63"},
        {"RST_SENT", "599"},           {"RST_RCVD", "579"},   {"STX_STRING", "001"}, {"STX", "1"},
        {"SRX_STRING", "ZQM123"},      {"SRX", "7"},          {"COUNTRY", "Yland"},  {"CONT", "EU"},
        {"BAND", "20M"},
    };
    AdifQso q = QsoFromAdif(full, "XX1CONTEST");
    EXPECT_EQ(q.m_strOwnCall, "XX1AA");
    EXPECT_EQ(q.m_strCall, "YY2BB");
    EXPECT_EQ(q.m_time.m_status, kDateValid);
    EXPECT_NEAR(q.m_time.m_dt, MakeDate(2016, 5, 7, 18, 42, 30).m_dt, 1e-9);
    EXPECT_EQ(q.m_nFreqHz, 14070500u);
    EXPECT_EQ(q.m_strMode, "BPSK63");
    EXPECT_EQ(q.m_strRstSent, "599");
    EXPECT_EQ(q.m_strRstRcvd, "579");
    EXPECT_EQ(q.m_strExchSent, "001");
    EXPECT_EQ(q.m_strExchRcvd, "ZQM123");
    EXPECT_EQ(q.m_strCountry, "Yland");
    EXPECT_EQ(q.m_strContinent, "EU");
    EXPECT_EQ(q.m_strBand, "20m") << "ADIF's band names ignore case; the host's are small letters";

    // Nothing but junk: every text empty, the date invalid, no frequency.
    AdifQso empty = QsoFromAdif({{"FREQ", "fast"}, {"COMMENT", "x"}}, "");
    EXPECT_EQ(empty.m_time.m_status, kDateInvalid);
    EXPECT_EQ(empty.m_nFreqHz, 0u);
    for (const std::string* text :
         {&empty.m_strOwnCall, &empty.m_strCall, &empty.m_strMode, &empty.m_strRstSent, &empty.m_strRstRcvd,
          &empty.m_strExchSent, &empty.m_strExchRcvd, &empty.m_strCountry, &empty.m_strContinent, &empty.m_strBand}) {
        EXPECT_EQ(*text, "");
    }
}

TEST(AdifConversion, FieldsThatStandInForEachOther) {
    struct Case {
        const char* what;
        AdifRecord record;
        std::string ownCall, mode, exchSent, exchRcvd;
    };
    const Case cases[] = {
        {"operator when no station call", {{"OPERATOR", "XX1OP"}}, "XX1OP", "", "", ""},
        {"contestant when neither", {{"CALL", "YY2BB"}}, "XX1CONTEST", "", "", ""},
        {"empty station call counts as missing", {{"STATION_CALLSIGN", ""}, {"OPERATOR", "XX1OP"}}, "XX1OP", "", "",
         ""},
        {"mode without submode", {{"MODE", "RTTY"}}, "XX1CONTEST", "RTTY", "", ""},
        {"submode wins", {{"MODE", "PSK"}, {"SUBMODE", "PSK31"}}, "XX1CONTEST", "PSK31", "", ""},
        {"old-style mode PSK63, any case", {{"MODE", "psk63"}}, "XX1CONTEST", "BPSK63", "", ""},
        {"only PSK63 is renamed", {{"MODE", "PSK"}, {"SUBMODE", "QPSK63"}}, "XX1CONTEST", "QPSK63", "", ""},
        {"numeric exchanges as fallback", {{"STX", "12"}, {"SRX", "034"}}, "XX1CONTEST", "", "12", "034"},
        {"empty string exchanges fall back", {{"STX_STRING", ""}, {"STX", "12"}, {"SRX_STRING", ""}, {"SRX", "5"}},
         "XX1CONTEST", "", "12", "5"},
        {"string exchanges win, kept as written",
         {{"STX_STRING", " zqm9 "}, {"STX", "12"}, {"SRX_STRING", "ZQM-7x"}, {"SRX", "5"}}, "XX1CONTEST", "", " zqm9 ",
         "ZQM-7x"},
    };
    for (const Case& c : cases) {
        AdifQso q = QsoFromAdif(c.record, "XX1CONTEST");
        EXPECT_EQ(q.m_strOwnCall, c.ownCall) << c.what;
        EXPECT_EQ(q.m_strMode, c.mode) << c.what;
        EXPECT_EQ(q.m_strExchSent, c.exchSent) << c.what;
        EXPECT_EQ(q.m_strExchRcvd, c.exchRcvd) << c.what;
    }
    EXPECT_EQ(OwnCallOf({{"STATION_CALLSIGN", "XX1AA"}, {"OPERATOR", "XX1OP"}}), "XX1AA");
    EXPECT_EQ(OwnCallOf({}), "");
}

// ---------------------------------------------------------------- argument positions

// What the stand-in plug-in saw: every text position by its number (1-based),
// "<null>" for a null pointer, copied during the call as the host's texts die
// with it.
struct Seen {
    std::vector<std::string> texts;
    std::vector<DateTimeValue> dates;  // in order of their positions
    std::vector<bool> nullDates;
    std::vector<long long> numbers;    // integers in order of their positions
    std::vector<double> doubles;
};
Seen g_seen;

void SeeText(std::size_t position, const char* text) {
    if (g_seen.texts.size() < position + 1) {
        g_seen.texts.resize(position + 1, "<not a text>");
    }
    g_seen.texts[position] = text != nullptr ? text : "<null>";
}

void SeeDate(const DateTimeValue* date) {
    g_seen.nullDates.push_back(date == nullptr);
    g_seen.dates.push_back(date != nullptr ? *date : DateTimeValue());
}

int ZQM_CDECL RecordingReset(ZqmText t1, int n2, ZqmText t3, ZqmDate d4, ZqmDate d5, ZqmText t6, ZqmText t7,
                             ZqmText t8, ZqmText t9, ZqmText t10, ZqmText t11, ZqmText t12, ZqmText t13, ZqmText t14,
                             ZqmText t15, int n16, int n17, int n18, double f19, double f20, ZqmText t21,
                             ZqmText t22, ZqmText t23) {
    g_seen = Seen();
    const char* texts[] = {t1, t3, t6, t7, t8, t9, t10, t11, t12, t13, t14, t15, t21, t22, t23};
    const std::size_t positions[] = {1, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 21, 22, 23};
    for (std::size_t i = 0; i < sizeof positions / sizeof positions[0]; ++i) {
        SeeText(positions[i], texts[i]);
    }
    SeeDate(d4);
    SeeDate(d5);
    g_seen.numbers = {n2, n16, n17, n18};
    g_seen.doubles = {f19, f20};
    return 1;
}

int ZQM_CDECL RecordingAdd(ZqmText t1, ZqmText t2, ZqmDate d3, ZqmDate d4, ZqmDate d5, ZqmDate d6, uint32_t n7,
                           uint32_t n8, ZqmText t9, ZqmText t10, ZqmText t11, ZqmText t12, ZqmText t13, ZqmText t14,
                           ZqmText t15, ZqmText t16, ZqmText t17, ZqmText t18, ZqmText t19, ZqmText t20, ZqmText t21,
                           ZqmText t22, ZqmText t23, int n24, int n25, int n26, double f27, double f28, ZqmText t29,
                           ZqmText t30, ZqmText t31, ZqmText t32, ZqmText t33) {
    g_seen = Seen();
    const char* texts[] = {t1,  t2,  t9,  t10, t11, t12, t13, t14, t15, t16, t17, t18,
                           t19, t20, t21, t22, t23, t29, t30, t31, t32, t33};
    const std::size_t positions[] = {1, 2, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 29, 30, 31, 32, 33};
    for (std::size_t i = 0; i < sizeof positions / sizeof positions[0]; ++i) {
        SeeText(positions[i], texts[i]);
    }
    for (ZqmDate d : {d3, d4, d5, d6}) {
        SeeDate(d);
    }
    g_seen.numbers = {n7, n8, n24, n25, n26};
    g_seen.doubles = {f27, f28};
    return 7;
}

TEST(HostCalls, ResetStatsPositions) {
    StatsApi api;
    api.ResetStats0 = &RecordingReset;
    CountSetup setup;
    setup.m_bCabrilloWanted = 1;
    setup.m_strContestant = "XX1AA";
    setup.m_start = MakeDate(2016, 5, 7);
    setup.m_end.m_status = kDateNull;
    setup.m_strMyCountry = "Xland";
    setup.m_strMyContinent = "EU";
    EXPECT_EQ(HostResetStats(api, setup), 1);

    std::vector<std::string> expected(24, "");
    expected[0] = expected[2] = expected[4] = expected[5] = expected[16] = expected[17] = expected[18] =
        expected[19] = expected[20] = "<not a text>";
    expected[3] = "XX1AA";
    expected[15] = "Xland";
    expected[22] = "EU";
    EXPECT_EQ(g_seen.texts, expected);
    ASSERT_EQ(g_seen.dates.size(), 2u);
    EXPECT_FALSE(g_seen.nullDates[0]);
    EXPECT_FALSE(g_seen.nullDates[1]) << "a null date travels as a value, not as a null pointer";
    EXPECT_EQ(g_seen.dates[0].m_status, kDateValid);
    EXPECT_DOUBLE_EQ(g_seen.dates[0].m_dt, MakeDate(2016, 5, 7).m_dt);
    EXPECT_EQ(g_seen.dates[1].m_status, kDateNull);
    EXPECT_EQ(g_seen.numbers, (std::vector<long long>{1, 0, 0, 0}));
    EXPECT_EQ(g_seen.doubles, (std::vector<double>{0.0, 0.0}));
}

TEST(HostCalls, AddDataPositions) {
    StatsApi api;
    api.AddData0 = &RecordingAdd;
    AdifQso q;
    q.m_strOwnCall = "XX1AA";
    q.m_strCall = "YY2BB";
    q.m_time = MakeDate(2016, 5, 7, 18, 42);
    q.m_nFreqHz = 14070500;
    q.m_strMode = "BPSK63";
    q.m_strRstSent = "599";
    q.m_strRstRcvd = "579";
    q.m_strExchSent = "001";
    q.m_strExchRcvd = "ZQM123";
    q.m_strCountry = "Yland";
    q.m_strContinent = "EU";
    q.m_strBand = "20m";
    EXPECT_EQ(HostAddData(api, q), 7) << "the plug-in's answer comes back unchanged";

    std::vector<std::string> expected(34, "");
    for (std::size_t notText : {0, 3, 4, 5, 6, 7, 8, 24, 25, 26, 27, 28}) {
        expected[notText] = "<not a text>";
    }
    expected[1] = "XX1AA";
    expected[2] = "YY2BB";
    expected[9] = "BPSK63";
    expected[10] = "599";
    expected[11] = "579";
    expected[12] = "001";
    expected[13] = "ZQM123";
    expected[23] = "Yland";
    expected[30] = "EU";
    expected[32] = "20m";
    EXPECT_EQ(g_seen.texts, expected);
    ASSERT_EQ(g_seen.dates.size(), 4u);
    EXPECT_EQ(g_seen.nullDates, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(g_seen.dates[0].m_status, kDateValid);
    EXPECT_DOUBLE_EQ(g_seen.dates[0].m_dt, MakeDate(2016, 5, 7, 18, 42).m_dt);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(g_seen.dates[i].m_status, kDateNull) << "position " << i + 3;
    }
    EXPECT_EQ(g_seen.numbers, (std::vector<long long>{0, 14070500, 0, 0, 0}));
    EXPECT_EQ(g_seen.doubles, (std::vector<double>{0.0, 0.0}));
}

}  // namespace
