#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine_support.h"

namespace korvane::testing {
namespace {

struct HostVersionCase {
  const char* name;
  std::vector<std::string> found;        // names the search returns
  std::optional<std::string> telk2Ini;   // the host's settings file in the current directory
  const char* expected;
};
void PrintTo(const HostVersionCase& row, std::ostream* os) { *os << row.name; }

class HostVersionTest : public EngineTest,
                        public ::testing::WithParamInterface<HostVersionCase> {};

TEST_P(HostVersionTest, ComesFromHostSettingsFile) {
  files.names = GetParam().found;
  if (GetParam().telk2Ini) WriteBytes(dir.Slash() + "Telk2.ini", *GetParam().telk2Ini);
  StartSession();
  EXPECT_EQ(contest->Tables().hostVersion, GetParam().expected);
  EXPECT_EQ(files.masks, std::vector<std::string>{"C:\\Telk\\*.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    Versions, HostVersionTest,
    ::testing::Values(
        HostVersionCase{"NoIniFiles", {}, std::string("Telk=2.19\r\n"), "Telk"},
        HostVersionCase{"OtherIniFilesOnly", {"Stats.ini", "Telk.ini"}, std::string("Telk=2.19\r\n"), "Telk"},
        HostVersionCase{"Found", {"Other.ini", "Telk2.ini"}, std::string("[Telk]\r\nTelk=2.19\r\nTelk=2.20\r\n"), "2.19"},
        HostVersionCase{"FoundInLongerName", {"OldTelk2.ini"}, std::string("Telk=2.20\r\n"), "2.20"},
        HostVersionCase{"NameInOtherCase", {"TELK2.INI"}, std::string("Telk=2.19\r\n"), "Telk"},
        HostVersionCase{"LineWithoutCrLf", {"Telk2.ini"}, std::string("Telk=2.14R"), "2.14R"},
        HostVersionCase{"FirstFiveCharactersGo", {"Telk2.ini"}, std::string("xTelk=2.20\r\n"), "=2.20"},
        HostVersionCase{"KeyInOtherCase", {"Telk2.ini"}, std::string("TELK=2.19\r\n"), ""},
        HostVersionCase{"FoundButMissingHere", {"Telk2.ini"}, std::nullopt, ""}),
    CaseName<HostVersionCase>);

TEST_F(EngineTest, UnreadableHostSettingsKeepThePreviousVersion) {
  files.names = {"Telk2.ini"};
  WriteBytes(dir.Slash() + "Telk2.ini", "Telk=2.19\r\n");
  StartSession();
  WriteBytes(dir.Slash() + "Telk2.ini", "[Telk]\r\nPath=C:\\\r\n");
  StartSession();
  EXPECT_EQ(contest->Tables().hostVersion, "2.19");
  files.names.clear();
  StartSession();
  EXPECT_EQ(contest->Tables().hostVersion, "Telk");
}

TEST_F(EngineTest, NullHostFolderSearchesTheCurrentDirectory) {
  ResetArgs args;  // every text null, dates valid 0.0
  EXPECT_EQ(contest->ResetStats(args), 1);
  EXPECT_EQ(files.masks, std::vector<std::string>{"*.ini"});
  const ContestTables& t = contest->Tables();
  EXPECT_EQ(t.ownCall, "");
  EXPECT_EQ(t.ownPrefix, "");
  EXPECT_EQ(t.ownContinent, "");
  EXPECT_EQ(t.endDate, "30.12.1899");
  EXPECT_EQ(t.journalName, "BadQSO_StatsKRVN_30_12_1899.txt");
}

struct StartCase {
  const char* name;
  std::optional<std::string> start;  // "Start" before the call; nullopt: no key
  bool setupAlive;
  const char* hostVersion;
  int exportFlag;
  int threadStarts;
  std::vector<std::string> writes;
};
void PrintTo(const StartCase& row, std::ostream* os) { *os << row.name; }

class StartToggleTest : public EngineTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartToggleTest, StartsDisplayOnAlternateSessions) {
  const StartCase& c = GetParam();
  if (c.start) settings.values["Start"] = *c.start;
  display.setupAlive = c.setupAlive;
  files.names = {"Telk2.ini"};
  WriteBytes(dir.Slash() + "Telk2.ini", std::string("Telk=") + c.hostVersion + "\r\n");
  StartSession("DL", "EU", c.exportFlag);
  EXPECT_EQ(thread.starts, c.threadStarts);
  EXPECT_EQ(settings.writes, c.writes);
}

INSTANTIATE_TEST_SUITE_P(
    Toggle, StartToggleTest,
    ::testing::Values(
        StartCase{"NoKeyStartsThread", std::nullopt, false, "2.21", 0, 1, {"Start=1"}},
        StartCase{"ZeroStartsThread", std::string("0"), false, "2.21", 0, 1, {"Start=1"}},
        StartCase{"OneWritesZero", std::string("1"), false, "2.21", 0, 0, {"Start=0"}},
        StartCase{"LeadingDigitsCount", std::string(" +12abc"), false, "2.21", 0, 0, {"Start=0"}},
        StartCase{"NegativeIsNonzero", std::string("-1"), false, "2.21", 0, 0, {"Start=0"}},
        StartCase{"NoDigitsIsZero", std::string("yes"), false, "2.21", 0, 1, {"Start=1"}},
        StartCase{"RunningThreadLeftAlone", std::string("0"), true, "2.21", 0, 0, {}},
        StartCase{"OldHostGetsNoThread", std::string("0"), false, "2.14R", 0, 0, {"Start=1"}},
        StartCase{"Host214", std::string("0"), false, "2.14", 0, 0, {"Start=1"}},
        StartCase{"Host218", std::string("0"), false, "2.18", 0, 0, {"Start=1"}},
        StartCase{"Host219", std::string("0"), false, "2.19", 0, 1, {"Start=1"}},
        StartCase{"Host213", std::string("0"), false, "2.13", 0, 1, {"Start=1"}},
        StartCase{"ExportNeverStartsThread", std::string("0"), false, "2.21", 1, 0,
                  {"Start=1", "Start=0"}}),
    CaseName<StartCase>);

TEST_F(EngineTest, StartAlternatesFromSessionToSession) {
  settings.values["Start"] = "1";
  StartSession();
  EXPECT_EQ(settings.values["Start"], "0");
  EXPECT_EQ(thread.starts, 0);
  StartSession();
  EXPECT_EQ(settings.values["Start"], "1");
  EXPECT_EQ(thread.starts, 1);
}

TEST_F(EngineTest, ExportSessionRunsTheFormBeforeWritingStart) {
  settings.values["Start"] = "0";
  StartSession("DL", "EU", 1);
  EXPECT_EQ(cabrillo.forms, std::vector<std::string>{"DL1AAA"});
  EXPECT_EQ(cabrillo.startWhenFormOpened, "0");
  EXPECT_EQ(contest->Tables().cabrilloExport, 1);

  cabrillo.confirm = false;
  StartSession("DL", "EU", 7);
  EXPECT_EQ(cabrillo.forms.size(), 2u);
  EXPECT_EQ(contest->Tables().cabrilloExport, 0) << "a cancelled form ends the export";
  StartSession();
  EXPECT_EQ(cabrillo.forms.size(), 2u) << "no form without the export flag";
}

TEST_F(EngineTest, SessionValuesAndJournal) {
  StartSession("DL", "EU");
  const ContestTables& t = contest->Tables();
  EXPECT_EQ(t.ownCall, "DL1AAA");
  EXPECT_EQ(t.ownPrefix, "DL");
  EXPECT_EQ(t.ownContinent, "EU");
  EXPECT_EQ(t.startDayMonth, "14.03");
  EXPECT_EQ(t.startYear, "2020");
  EXPECT_EQ(t.endDate, "15.03.2020");
  EXPECT_EQ(t.journalName, "BadQSO_StatsKRVN_15_03_2020.txt");
  EXPECT_EQ(Journal(), "KORVANE Contest UBN file\r\n");
}

TEST_F(EngineTest, SecondSessionStartsOverWithAnEmptyJournal) {
  StartSession();
  Qso bad = Station("F5AAA", "160m", "F", "EU");
  ASSERT_EQ(Add(bad), 0);
  ASSERT_EQ(Add(Station("K1AA", "20m", "K", "NA")), 1);
  ASSERT_EQ(Add(Station("K1AA", "20m", "K", "NA")), 1);
  Report();
  ASSERT_FALSE(contest->Tables().workedMults[3].empty());
  contest->Tables().callInfoRows[3][1] = "X";

  StartSession();
  const ContestTables& t = contest->Tables();
  EXPECT_EQ(Journal(), "KORVANE Contest UBN file\r\n");
  EXPECT_TRUE(t.qsoLog.empty());
  EXPECT_TRUE(t.seenBands.empty());
  for (const BandLists* lists :
       {&t.workedMults, &t.workedAreasK, &t.workedAreasVE, &t.workedAreasJA, &t.workedAreasVK}) {
    for (const auto& list : *lists) EXPECT_TRUE(list.empty());
  }
  const BandLists rows = {{{"80m", "-", "-", "-", "-"},
                           {"80m", "-", "-", "-", "-"},
                           {"40m", "-", "-", "-", "-"},
                           {"20m", "-", "-", "-", "-"},
                           {"15m", "-", "-", "-", "-"},
                           {"10m", "-", "-", "-", "-"}}};
  EXPECT_EQ(t.callInfoRows, rows);
}

TEST_F(EngineTest, UnusualContestDates) {
  ResetArgs args;
  args.start.status = DateStatus::kNull;
  args.end.status = DateStatus::kInvalid;
  contest->ResetStats(args);
  EXPECT_EQ(contest->Tables().startDayMonth, "");
  EXPECT_EQ(contest->Tables().startYear, "");
  EXPECT_EQ(contest->Tables().endDate, "Invalid DateTime");
  EXPECT_EQ(ReadBytes(dir.Slash() + "BadQSO_StatsKRVN_Invalid DateTime.txt"),
            "KORVANE Contest UBN file\r\n");

  args.end.status = DateStatus::kNull;
  contest->ResetStats(args);
  EXPECT_EQ(contest->Tables().endDate, "");
  EXPECT_EQ(ReadBytes(dir.Slash() + "BadQSO_StatsKRVN_.txt"), "KORVANE Contest UBN file\r\n");
}

struct RussianCase {
  const char* name;
  const char* prefix;
  int expected;
};
void PrintTo(const RussianCase& row, std::ostream* os) { *os << row.name; }

class RussianTextsTest : public EngineTest, public ::testing::WithParamInterface<RussianCase> {};

TEST_P(RussianTextsTest, FollowsOwnPrefixAndStays) {
  StartSession(GetParam().prefix);
  EXPECT_EQ(contest->Tables().russianTexts, GetParam().expected);
  StartSession("DL");
  EXPECT_EQ(contest->Tables().russianTexts, GetParam().expected) << "never set back";
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, RussianTextsTest,
    ::testing::Values(RussianCase{"UA", "UA", 1}, RussianCase{"UA2", "UA2", 1},
                      RussianCase{"UA2f", "UA2/f", 1}, RussianCase{"UA9", "UA9", 1},
                      RussianCase{"UN", "UN", 1}, RussianCase{"UR", "UR", 1},
                      RussianCase{"EU", "EU", 1}, RussianCase{"SmallLetters", "ua", 0},
                      RussianCase{"UA3", "UA3", 0}, RussianCase{"DL", "DL", 0},
                      RussianCase{"Empty", "", 0}),
    CaseName<RussianCase>);

}  // namespace
}  // namespace korvane::testing
