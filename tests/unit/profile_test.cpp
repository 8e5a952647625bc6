// The settings-file facility against one table of cases. The same table runs
// on the own INI code and, in the Windows test program, on the system's
// profile functions, so the two are held to the same file bytes and values.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

const char kPath[] = "Plugins\\ZQM.ini";  // relative, resolved against the current directory

struct Step {
    enum Kind { kWrite, kRead } kind;
    std::string section;
    std::string key;
    std::string value;  // written value, or the default of a read
    bool written;       // result of a write
    std::string read;   // result of a read
};

Step Write(std::string section, std::string key, std::string value, bool ok = true) {
    return {Step::kWrite, std::move(section), std::move(key), std::move(value), ok, ""};
}
Step Read(std::string section, std::string key, std::string defaultValue, std::string expected) {
    return {Step::kRead, std::move(section), std::move(key), std::move(defaultValue), false, std::move(expected)};
}

struct ProfileCase {
    const char* name;
    bool pluginsDirectory;
    std::optional<std::string> before;  // file bytes before the steps; none: no file
    std::vector<Step> steps;
    std::optional<std::string> after;   // file bytes after the steps; none: no file
};

const std::string kLong300 = "S" + std::string(298, 'v') + "E";
const std::string kLong5000(5000, 'x');

const ProfileCase kCases[] = {
    {"NewFileGetsSectionAndKey", true, std::nullopt,
     {Write("Settings", "Claimed", "138"), Read("Settings", "Claimed", "", "138")},
     "[Settings]\r\nClaimed=138\r\n"},

    {"NewKeysAppendInOrderAndExistingOnesChangeInPlace", true, std::nullopt,
     {Write("Settings", "Claimed", "138"), Write("Settings", "Name", "X"), Write("Other", "K", "V"),
      Write("settings", "CLAIMED", "7"), Write("Settings", "Name", ""), Read("SETTINGS", "claimed", "", "7"),
      Read("Settings", "Name", "default", "")},
     "[Settings]\r\nClaimed=7\r\nName=\r\n[Other]\r\nK=V\r\n"},

    {"ExistingFileKeepsOtherSectionsKeysAndComments", true,
     "; kept comment\r\n[Station]\r\nCall=XX1AA\r\n[Settings]\r\nName=A\r\nNoEquals\r\n[Other]\r\nK=V\r\n",
     {Write("Settings", "Claimed", "1"), Write("Settings", "name", "B"), Read("station", "CALL", "", "XX1AA"),
      Read("Settings", "NoEquals", "none", "none"), Read("Other", "K", "", "V")},
     "; kept comment\r\n[Station]\r\nCall=XX1AA\r\n[Settings]\r\nName=B\r\nNoEquals\r\nClaimed=1\r\n"
     "[Other]\r\nK=V\r\n"},

    {"RewriteNormalisesBlankLinesBlanksAndLineEnds", true,
     "  [ Settings ] ;x\n  Name  =  Foo Bar  \n\n\n[Other]\rK = V\r\n\r\n",
     {Read("Settings", "Name", "", "Foo Bar"), Write("Settings", "Claimed", "1")},
     "[Settings]\r\nName=Foo Bar\r\nClaimed=1\r\n[Other]\r\nK=V\r\n"},

    {"WritingTheSameValueLeavesTheFileUntouched", true, "[Settings]\n  Name  =  Foo  \n",
     {Write("Settings", "Name", "Foo")}, "[Settings]\n  Name  =  Foo  \n"},

    {"EmptyFileIsExtended", true, "", {Write("Settings", "Claimed", "1")}, "[Settings]\r\nClaimed=1\r\n"},

    {"LastLineWithoutLineEndIsCompleted", true, "[Settings]\r\nName=A",
     {Write("Settings", "Claimed", "1")}, "[Settings]\r\nName=A\r\nClaimed=1\r\n"},

    {"NewSectionGoesAfterAnUnterminatedLastLine", true, "Top=1\r\n[Other]\r\nK=V",
     {Write("Settings", "Claimed", "1")}, "Top=1\r\n[Other]\r\nK=V\r\n[Settings]\r\nClaimed=1\r\n"},

    {"ReadTrimsBlanksAndOnePairOfQuotes", true,
     "[Settings]\r\nQ1='a b'\r\nQ2=\"c\"\r\nQ3=\"d'\r\nQ4=\"\r\nQ5=\"\"\r\nQ6=  ' x '  \r\n"
     "T=\t\v\fx\t\x1a\r\nEmpty=\r\nEq=a=b\r\n  Spaced  Key  = v \r\n",
     {Read("Settings", "Q1", "d", "a b"), Read("Settings", "Q2", "d", "c"), Read("Settings", "Q3", "d", "\"d'"),
      Read("Settings", "Q4", "d", "\""), Read("Settings", "Q5", "d", ""), Read("Settings", "Q6", "d", " x "),
      Read("Settings", "T", "d", "x"), Read("Settings", "Empty", "d", ""), Read("Settings", "Eq", "d", "a=b"),
      Read(" SETTINGS ", " q1 ", "d", "a b"), Read("Settings", "spaced  key", "d", "v")},
     "[Settings]\r\nQ1='a b'\r\nQ2=\"c\"\r\nQ3=\"d'\r\nQ4=\"\r\nQ5=\"\"\r\nQ6=  ' x '  \r\n"
     "T=\t\v\fx\t\x1a\r\nEmpty=\r\nEq=a=b\r\n  Spaced  Key  = v \r\n"},

    {"DefaultLosesTrailingSpacesAndQuotes", true, "[Settings]\r\nNoValue\r\n",
     {Read("Settings", "Missing", "dflt  ", "dflt"), Read("Settings", "Missing", "'q'", "q"),
      Read("Settings", "Missing", "  x", "  x"), Read("Settings", "Missing", "  ", " "),
      Read("Settings", "NoValue", "d", "d"), Read("Nowhere", "Missing", "XX1AA", "XX1AA")},
     "[Settings]\r\nNoValue\r\n"},

    {"MissingFileGivesTheDefault", true, std::nullopt, {Read("Settings", "Claimed", "none", "none")},
     std::nullopt},

    {"MissingPluginsDirectoryFailsTheWriteAndCreatesNothing", false, std::nullopt,
     {Write("Settings", "Claimed", "138", false), Read("Settings", "Claimed", "none", "none")}, std::nullopt},

    {"LongValuesComeBackWhole", true, "[Settings]\r\nHuge=" + kLong5000 + "\r\nQuoted='" + kLong300 + "'\r\n",
     {Write("Settings", "Long", kLong300), Read("Settings", "Long", "", kLong300),
      Read("Settings", "Huge", "", kLong5000), Read("Settings", "Quoted", "", kLong300)},
     "[Settings]\r\nHuge=" + kLong5000 + "\r\nQuoted='" + kLong300 + "'\r\nLong=" + kLong300 + "\r\n"},

    {"WrittenValueLosesLeadingBlanksOnly", true, std::nullopt,
     {Write("Settings", "A", " \t lead"), Write("Settings", "C", "'q'"), Read("Settings", "C", "", "q"),
      Write("Settings", "B", "trail  "), Read("Settings", "B", "", "trail")},
     "[Settings]\r\nA=lead\r\nC='q'\r\nB=trail  \r\n"},

    {"OnlyTheFirstSectionOfANameCounts", true, "[S]\r\nA=1\r\n[T]\r\n[s]\r\nB=2\r\n",
     {Read("s", "B", "none", "none"), Write("S", "B", "9")}, "[S]\r\nA=1\r\nB=9\r\n[T]\r\n[s]\r\nB=2\r\n"},

    {"LinesBeforeTheFirstSectionAndNamelessLines", true,
     "Top=1\r\n=v1\r\n=v2\r\n[Settings]\r\n=x\r\n=y\r\nA=1\r\n[Bad\r\nB=2\r\n",
     {Read("Settings", "B", "", "2"), Write("Settings", "Claimed", "1")},
     "Top=1\r\n=v1\r\n[Settings]\r\n=x\r\nA=1\r\n[Bad\r\nB=2\r\nClaimed=1\r\n"},

    {"Utf8ByteOrderMarkIsKept", true, "\xEF\xBB\xBF[Settings]\r\nA=1\r\n",
     {Read("Settings", "A", "", "1"), Write("Settings", "B", "2")}, "\xEF\xBB\xBF[Settings]\r\nA=1\r\nB=2\r\n"},

    {"TextsThatWouldCorruptTheFileAreRefused", true, "[Settings]\r\nA=1\r\n",
     {Write("Settings", "A", "x\r\n[Other]", false), Write("Settings", "A", "x\ny", false),
      Write("Settings", "A=B", "x", false), Write("Settings", "", "x", false), Write("Settings", "  ", "x", false),
      Write("Settings", "[A]", "x", false), Write("Set\rtings", "A", "x", false), Read("Settings", "A", "", "1")},
     "[Settings]\r\nA=1\r\n"},
};

void PrintTo(const ProfileCase& c, std::ostream* os) { *os << c.name; }

class ProfileFile : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileFile, GivesTheseValuesAndFileBytes) {
    const ProfileCase& c = GetParam();
    testing_support::ScopedTempDir dir;
    const fs::path file = fs::path("Plugins") / "ZQM.ini";
    if (c.pluginsDirectory) fs::create_directory("Plugins");
    if (c.before) testing_support::WriteFileBytes(file, *c.before);

    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        const Step& s = c.steps[i];
        SCOPED_TRACE("step " + std::to_string(i) + ": [" + s.section + "] " + s.key);
        if (s.kind == Step::kWrite) {
            EXPECT_EQ(profile::WriteString(s.section, s.key, s.value, kPath), s.written);
        } else {
            EXPECT_EQ(profile::ReadString(s.section, s.key, s.value, kPath), s.read);
        }
    }

    if (c.after) {
        ASSERT_TRUE(fs::exists(file));
        EXPECT_EQ(testing_support::ReadFileBytes(file), *c.after);
    } else {
        EXPECT_FALSE(fs::exists(file));
    }
    // Neither a directory nor a stray file appears beside the settings file.
    EXPECT_EQ(fs::exists("Plugins"), c.pluginsDirectory);
    std::size_t entries = 0;
    for (auto it = fs::directory_iterator(dir.Path()); it != fs::directory_iterator(); ++it) ++entries;
    EXPECT_EQ(entries, c.pluginsDirectory ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ProfileCase>& param) { return param.param.name; });

TEST(ProfileText, EndsAtTheFirstNulByte) {
    testing_support::ScopedTempDir dir;
    fs::create_directory("Plugins");
    EXPECT_TRUE(profile::WriteString("Settings", "Name", std::string("ab\0cd", 5), kPath));
    EXPECT_EQ(profile::ReadString("Settings", std::string("Name\0x", 6), "", kPath), "ab");
    EXPECT_EQ(testing_support::ReadFileBytes(fs::path("Plugins") / "ZQM.ini"), "[Settings]\r\nName=ab\r\n");
}

}  // namespace
