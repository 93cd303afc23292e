#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../support/files.h"
#include "platform/posix/posix_platform.h"

namespace korvane::testing {
namespace {

struct LookupCase {
  const char* name;
  const char* text;
  const char* key;
  const char* expected;
};
void PrintTo(const LookupCase& row, std::ostream* os) { *os << row.name; }

class IniLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookupTest, ReadsOneKeyOfSettings) {
  EXPECT_EQ(IniLookup(GetParam().text, "Settings", GetParam().key, "dflt"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IniLookupTest,
    ::testing::Values(
        LookupCase{"Present", "[Settings]\r\nStart=1\r\n", "Start", "1"},
        LookupCase{"EmptyText", "", "Start", "dflt"},
        LookupCase{"MissingKey", "[Settings]\r\nClaimed=5\r\n", "Start", "dflt"},
        LookupCase{"MissingSection", "Start=1\r\n[Other]\r\nStart=2\r\n", "Start", "dflt"},
        LookupCase{"OtherSectionAfter", "[Settings]\r\n[Other]\r\nStart=2\r\n", "Start", "dflt"},
        LookupCase{"NamesIgnoreCase", "[SETTINGS]\r\nSTART=1\r\n", "Start", "1"},
        LookupCase{"BlanksTrimmed", "[Settings]\r\n  Start =  7 \r\n", "Start", "7"},
        LookupCase{"QuotesRemoved", "[Settings]\r\nName=\"DL1AAA \"\r\n", "Name", "DL1AAA "},
        LookupCase{"EqualsInValue", "[Settings]\r\nSoapBox=a=b\r\n", "SoapBox", "a=b"},
        LookupCase{"EmptyValue", "[Settings]\r\nStart=\r\n", "Start", ""},
        LookupCase{"LineFeedsOnly", "[Other]\nx=1\n[Settings]\nStart=0\n", "Start", "0"},
        LookupCase{"FirstOfTwo", "[Settings]\r\nStart=1\r\nStart=2\r\n", "Start", "1"}),
    CaseName<LookupCase>);

struct AssignCase {
  const char* name;
  const char* before;
  const char* after;  // with Start=1 written
};
void PrintTo(const AssignCase& row, std::ostream* os) { *os << row.name; }

class IniAssignTest : public ::testing::TestWithParam<AssignCase> {};

TEST_P(IniAssignTest, WritesOneKeyKeepingEveryOtherLine) {
  EXPECT_EQ(IniAssign(GetParam().before, "Settings", "Start", "1"), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, IniAssignTest,
    ::testing::Values(
        AssignCase{"EmptyFile", "", "[Settings]\r\nStart=1\r\n"},
        AssignCase{"ReplacedInPlace",
                   "; plug-in\r\n[A]\r\nStart=9\r\n[Settings]\r\nName=x\r\nStart=0\r\nClaimed=5\r\n[B]\r\ny=2\r\n",
                   "; plug-in\r\n[A]\r\nStart=9\r\n[Settings]\r\nName=x\r\nStart=1\r\nClaimed=5\r\n[B]\r\ny=2\r\n"},
        AssignCase{"KeyInOtherCaseReplaced", "[settings]\r\nSTART=0\r\n", "[settings]\r\nStart=1\r\n"},
        AssignCase{"AddedAtEndOfSection", "[Settings]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n",
                   "[Settings]\r\nA=1\r\nStart=1\r\n\r\n[Other]\r\nB=2\r\n"},
        AssignCase{"AddedToEmptySection", "[Settings]\r\n[Other]\r\nB=2\r\n",
                   "[Settings]\r\nStart=1\r\n[Other]\r\nB=2\r\n"},
        AssignCase{"SectionAdded", "[Other]\r\nStart=0\r\n",
                   "[Other]\r\nStart=0\r\n[Settings]\r\nStart=1\r\n"},
        AssignCase{"LineFeedsBecomeCrLf", "[Settings]\nA=1\nStart=0\n", "[Settings]\r\nA=1\r\nStart=1\r\n"},
        AssignCase{"LastLineWithoutEnd", "[Settings]\r\nA=1", "[Settings]\r\nA=1\r\nStart=1\r\n"}),
    CaseName<AssignCase>);

class IniFileTest : public ::testing::Test {
 protected:
  std::string IniPath() const { return dir.Slash() + "Plugins/KORVANE.ini"; }
  void MakePlugins() { std::filesystem::create_directory(dir.Slash() + "Plugins"); }
  TempDir dir;
  IniFileSettings settings{dir.Slash()};
};

TEST_F(IniFileTest, MissingFileOrKeyGivesDefault) {
  EXPECT_EQ(settings.Read("Start", ""), "");
  MakePlugins();
  WriteBytes(IniPath(), "[Settings]\r\nClaimed=780\r\n");
  EXPECT_EQ(settings.Read("Start", "x"), "x");
  EXPECT_EQ(settings.Read("Claimed", "x"), "780");
}

TEST_F(IniFileTest, ValueIsCutTo99Bytes) {
  MakePlugins();
  const std::string longValue(150, 'a');
  WriteBytes(IniPath(), "[Settings]\r\nSoapBox=" + longValue + "\r\nShort=" + std::string(99, 'b') + "\r\n");
  EXPECT_EQ(settings.Read("SoapBox", ""), std::string(99, 'a'));
  EXPECT_EQ(settings.Read("Short", ""), std::string(99, 'b'));
}

TEST_F(IniFileTest, WriteCreatesFileWhenFolderExists) {
  MakePlugins();
  settings.Write("Start", "1");
  EXPECT_EQ(ReadBytes(IniPath()), "[Settings]\r\nStart=1\r\n");
  settings.Write("Claimed", "780");
  settings.Write("Start", "0");
  EXPECT_EQ(ReadBytes(IniPath()), "[Settings]\r\nStart=0\r\nClaimed=780\r\n");
  EXPECT_EQ(FolderEntries(dir.Slash() + "Plugins"), std::vector<std::string>{"KORVANE.ini"});
}

TEST_F(IniFileTest, WriteKeepsEveryOtherLine) {
  MakePlugins();
  const std::string before =
      "[Settings]\r\nName=Ann\r\nStart=1\r\nSetup_x=-20\r\n\r\n[Window]\r\narea_x=5\r\n";
  WriteBytes(IniPath(), before);
  settings.Write("Start", "0");
  EXPECT_EQ(ReadBytes(IniPath()),
            "[Settings]\r\nName=Ann\r\nStart=0\r\nSetup_x=-20\r\n\r\n[Window]\r\narea_x=5\r\n");
}

TEST_F(IniFileTest, WriteWithoutFolderCreatesNothing) {
  settings.Write("Start", "1");
  EXPECT_TRUE(FolderEntries(dir.Path()).empty());
  EXPECT_EQ(settings.Read("Start", "none"), "none");
}

TEST_F(IniFileTest, PathIsPluginsBelowTheFolder) {
  EXPECT_EQ(IniFileSettings("").Path(), "Plugins/KORVANE.ini");
  EXPECT_EQ(settings.Path(), IniPath());
}

}  // namespace
}  // namespace korvane::testing
