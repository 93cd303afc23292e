#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/journal.h"
#include "engine/tally.h"
#include "engine_support.h"

namespace korvane::testing {
namespace {

using Lines = std::vector<std::string>;

struct PointsCase {
  const char* name;
  const char* ownPrefix;
  const char* ownContinent;
  const char* prefix;
  const char* continent;
  int points;
};
void PrintTo(const PointsCase& row, std::ostream* os) { *os << row.name; }

class PointsTest : public EngineTest, public ::testing::WithParamInterface<PointsCase> {};

// The per-QSO rule and the band total, which sums it whenever a DL station is in EU.
TEST_P(PointsTest, ScoresOneQso) {
  const PointsCase& c = GetParam();
  StartSession(c.ownPrefix, c.ownContinent);
  ASSERT_EQ(Add(Station("X1X", "20m", c.prefix, c.continent)), 1);
  EXPECT_EQ(QsoPoints(contest->Tables().qsoLog[0], c.ownPrefix, c.ownContinent), c.points);
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  ASSERT_EQ(tally.rows.size(), 1u);
  EXPECT_EQ(tally.rows[0].points, c.points);
  EXPECT_EQ(tally.lastQsoPoints, c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PointsTest,
    ::testing::Values(PointsCase{"OwnEntity", "F", "EU", "F", "EU", 5},
                      PointsCase{"OwnContinent", "F", "EU", "OK", "EU", 10},
                      PointsCase{"OtherContinent", "F", "EU", "K", "NA", 15},
                      PointsCase{"DlFromDl", "DL", "EU", "DL", "EU", 8},
                      PointsCase{"DlFromEurope", "F", "EU", "DL", "EU", 13},
                      PointsCase{"DlFromAsia", "JA", "AS", "DL", "EU", 20},
                      PointsCase{"OwnEntityOutsideEurope", "K", "NA", "K", "NA", 5},
                      PointsCase{"EmptyPrefixAgainstEmptyOwn", "", "EU", "", "AF", 5},
                      PointsCase{"ContinentComparedExactly", "F", "EU", "OK", "eu", 15}),
    CaseName<PointsCase>);

// A log over three bands: every multiplier kind, a duplicate and a call-less record.
class TallyTest : public EngineTest {
 protected:
  void SetUp() override {
    StartSession("DL", "EU");
    Add(Station("K1ABC", "20m", "K", "NA"));
    Add(Station("JA1ZZ", "20m", "JA", "AS"));
    Add(Station("K1DEF", "20m", "K", "NA"));      // K and K1 known on 20m
    Add(Station("K2XX", "20m", "K", "NA"));       // new area only
    Add(Station("JA1ZZ", "20m", "JA", "AS"));     // duplicate
    Add(Station("VE3AA", "40m", "VE", "NA"));
    Add(Station("VK2AB", "40m", "VK", "OC"));
    Add(Station("K1ABC", "40m", "K", "NA"));      // the same prefix counts again on 40m
    Add(Station("", "40m", "F", "EU"));           // no call: ignored entirely
    Add(Station("", "40m", "F", "EU"));           // ... even as a duplicate
    Add(Station("KNOAREA", "15m", "K", "NA"));    // prefix K without a digit
  }
};

TEST_F(TallyTest, CountsRowsTotalsAndScore) {
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  EXPECT_EQ(contest->Tables().seenBands, (Lines{"40m", "20m", "15m"}));
  ASSERT_EQ(tally.rows.size(), 3u);
  struct Expected {
    const char* band;
    int qsos, points, dxcc, k, ja, ve, vk;
  };
  const Expected rows[] = {{"40m", 3, 45, 3, 1, 0, 1, 1},
                           {"20m", 4, 60, 2, 2, 1, 0, 0},
                           {"15m", 1, 15, 1, 0, 0, 0, 0}};
  for (std::size_t i = 0; i < 3; ++i) {
    const BandTally& r = tally.rows[i];
    SCOPED_TRACE(rows[i].band);
    EXPECT_EQ(r.band, rows[i].band);
    EXPECT_EQ(r.qsos, rows[i].qsos);
    EXPECT_EQ(r.points, rows[i].points);
    EXPECT_EQ(r.dxcc, rows[i].dxcc);
    EXPECT_EQ(r.k, rows[i].k);
    EXPECT_EQ(r.ja, rows[i].ja);
    EXPECT_EQ(r.ve, rows[i].ve);
    EXPECT_EQ(r.vk, rows[i].vk);
  }
  EXPECT_EQ(tally.total.qsos, 8);
  EXPECT_EQ(tally.total.points, 120);
  EXPECT_EQ(tally.total.dxcc, 6);
  EXPECT_EQ(tally.total.k, 3);
  EXPECT_EQ(tally.total.ja, 1);
  EXPECT_EQ(tally.total.ve, 1);
  EXPECT_EQ(tally.total.vk, 1);
  EXPECT_EQ(tally.dupes, 1) << "the call-less duplicate is not counted";
  EXPECT_EQ(tally.score, 120 * 12);
}

TEST_F(TallyTest, RebuildsWorkedListsInLogOrder) {
  ContestTables& t = contest->Tables();
  t.workedMults[5] = {"stale"};  // a slot of a band not in the log keeps its contents
  t.workedMults[3] = {"stale"};
  TallyScore(t, nullptr);
  EXPECT_EQ(t.workedMults[3], (Lines{"K", "K1", "JA", "JA1", "K2"}));
  EXPECT_EQ(t.workedAreasK[3], (Lines{"K1", "K2"}));
  EXPECT_EQ(t.workedAreasJA[3], (Lines{"JA1"}));
  EXPECT_EQ(t.workedMults[2], (Lines{"VE", "VE3", "VK", "VK2", "K", "K1"}));
  EXPECT_EQ(t.workedAreasVE[2], (Lines{"VE3"}));
  EXPECT_EQ(t.workedAreasVK[2], (Lines{"VK2"}));
  EXPECT_EQ(t.workedAreasK[2], (Lines{"K1"}));
  EXPECT_EQ(t.workedMults[4], (Lines{"K"}));
  EXPECT_TRUE(t.workedAreasK[4].empty());
  EXPECT_EQ(t.workedMults[5], (Lines{"stale"}));
  EXPECT_TRUE(t.workedMults[0].empty());
}

TEST_F(EngineTest, BandInOtherLetterCaseTakesItsOwnSlot) {
  StartSession();
  Add(Station("DL2AA", "40m", "DL", "EU"));
  Add(Station("K5AA", "20M", "K", "NA"));
  Add(Station("OK1AA", "20m", "OK", "EU"));
  Add(Station("K5BB", "20m", "K", "NA"));
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  EXPECT_EQ(contest->Tables().seenBands, (Lines{"40m", "20m", "20M"}));
  ASSERT_EQ(tally.rows.size(), 3u);
  EXPECT_EQ(tally.rows[2].band, "20M");
  EXPECT_EQ(tally.rows[2].k, 1);
  EXPECT_EQ(contest->Tables().workedMults[2], (Lines{"DL"})) << "40m keeps its own list";
  EXPECT_EQ(contest->Tables().workedMults[3], (Lines{"OK", "K", "K5"}))
      << "20m and 20M share the 20m slot";
  EXPECT_EQ(contest->Tables().workedAreasK[3], (Lines{"K5"}));
}

TEST(BandOrderTest, SortsByZeroPaddedNameDescending) {
  Lines bands = {"10m", "160m", "20m", "80m", "15m", "40m"};
  SortBandsLowestFirst(bands);
  EXPECT_EQ(bands, (Lines{"160m", "80m", "40m", "20m", "15m", "10m"}));

  Lines cases = {"20M", "20m", "2m", std::string(21, 'a'), "15m"};
  SortBandsLowestFirst(cases);
  // A name of 20 characters or more is compared unpadded, so it sorts above every padded one.
  EXPECT_EQ(cases, (Lines{std::string(21, 'a'), "20m", "20M", "15m", "2m"}));
}

TEST_F(EngineTest, RowStaysForBandWhoseQsosWereRemoved) {
  StartSession();
  Add(Station("K1AA", "20m", "K", "NA"));
  Add(Station("VE3AA", "40m", "VE", "NA"));
  Remove(Station("VE3AA", "40m", "VE", "NA"));
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  ASSERT_EQ(tally.rows.size(), 2u);
  EXPECT_EQ(tally.rows[0].band, "40m");
  EXPECT_EQ(tally.rows[0].qsos, 0);
  EXPECT_EQ(tally.rows[0].points, 0);
  EXPECT_EQ(tally.rows[0].dxcc, 0);
  EXPECT_TRUE(contest->Tables().workedMults[2].empty());
}

TEST_F(EngineTest, LastQsoPointsComeFromTheLastCountedQsoOnTheLastBand) {
  StartSession("DL", "EU");
  Add(Station("JA1AA", "20m", "JA", "AS", At(2020, 3, 14, 12, 0)));  // 15
  Add(Station("F5AA", "20m", "F", "EU", At(2020, 3, 14, 12, 1)));    // 10
  Add(Station("K1AA", "40m", "K", "NA", At(2020, 3, 14, 12, 2)));    // 15
  Add(Station("F5AA", "20m", "F", "EU", At(2020, 3, 14, 12, 3)));    // duplicate, last record
  EXPECT_EQ(TallyScore(contest->Tables(), nullptr).lastQsoPoints, 10);
}

TEST_F(EngineTest, EmptyLogCountsNothing) {
  StartSession();
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  EXPECT_TRUE(tally.rows.empty());
  EXPECT_EQ(tally.score, 0);
  EXPECT_EQ(tally.qsos60 + tally.qsos10 + tally.points60 + tally.points10, 0);
  EXPECT_EQ(tally.lastQsoPoints, 0);
}

struct RateCase {
  const char* name;
  double secondsBefore;  // how long before the last QSO (the reference) the first one was logged
  bool in60;
  bool in10;
};
void PrintTo(const RateCase& row, std::ostream* os) { *os << row.name; }

class RateTest : public EngineTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(RateTest, WindowsRoundToTheSecond) {
  StartSession("DL", "EU");
  const OleDate reference = At(2020, 3, 14, 14, 12);
  Qso first = Station("K1AA", "20m", "K", "NA");  // 15 points
  first.time = OleDate{reference.value - GetParam().secondsBefore / 86400.0, DateStatus::kValid};
  Add(first);
  Add(Station("F5AA", "40m", "F", "EU", reference));  // 10 points, in both windows
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  EXPECT_EQ(tally.qsos60, 1 + (GetParam().in60 ? 1 : 0));
  EXPECT_EQ(tally.points60, 10 + (GetParam().in60 ? 15 : 0));
  EXPECT_EQ(tally.qsos10, 1 + (GetParam().in10 ? 1 : 0));
  EXPECT_EQ(tally.points10, 10 + (GetParam().in10 ? 15 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, RateTest,
    ::testing::Values(RateCase{"SameMinute", 30, true, true},
                      RateCase{"NineMinutes59Point4", 599.4, true, true},
                      RateCase{"NineMinutes59Point6", 599.6, true, false},
                      RateCase{"TenMinutes", 600, true, false},
                      RateCase{"FiftyNineMinutes59Point4", 3599.4, true, false},
                      RateCase{"FiftyNineMinutes59Point6", 3599.6, false, false},
                      RateCase{"TwoHours", 7200, false, false},
                      RateCase{"LaterThanReference", -7200, true, true}),
    CaseName<RateCase>);

TEST_F(EngineTest, SingleQsoFallsInBothWindows) {
  StartSession("DL", "EU");
  Add(Station("K1AA", "20m", "K", "NA", At(2020, 3, 14, 14, 12)));
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  EXPECT_EQ(tally.qsos60, 1);
  EXPECT_EQ(tally.qsos10, 1);
  EXPECT_EQ(tally.points10, 15);
}

TEST_F(EngineTest, ExportSessionCountsNoRates) {
  StartSession("DL", "EU", 1);
  Add(Station("K1AA", "20m", "K", "NA", At(2020, 3, 14, 14, 10)));
  Add(Station("K2AA", "20m", "K", "NA", At(2020, 3, 14, 14, 12)));
  const ScoreTally tally = TallyScore(contest->Tables(), nullptr);
  EXPECT_EQ(tally.qsos60 + tally.qsos10 + tally.points60 + tally.points10, 0);
  EXPECT_EQ(tally.total.qsos, 2);
  EXPECT_EQ(tally.score, 30 * 3);
  EXPECT_EQ(tally.lastQsoPoints, 15);
}

struct BadLinesCase {
  const char* name;
  Lines lines;
  int count;
};
void PrintTo(const BadLinesCase& row, std::ostream* os) { *os << row.name; }

class BadLinesTest : public ::testing::TestWithParam<BadLinesCase> {};

TEST_P(BadLinesTest, SkipsHeaderAndDuplicates) {
  EXPECT_EQ(CountBadQsoLines(GetParam().lines), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Journal, BadLinesTest,
    ::testing::Values(
        BadLinesCase{"JournalOfEveryKind",
                     {"KORVANE Contest UBN file",
                      "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!",
                      "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   DUPE !!!",
                      "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599     NO RX NUMBER !!!"},
                     2},
        BadLinesCase{"WordsAtTheStartStillCount", {"DUPE", "UBN file", "xUBN", "xDUPE"}, 2},
        BadLinesCase{"EmptyLineCounts", {""}, 1},
        BadLinesCase{"NoLines", {}, 0}),
    CaseName<BadLinesCase>);

}  // namespace
}  // namespace korvane::testing
