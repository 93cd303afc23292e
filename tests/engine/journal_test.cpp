#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine_support.h"

namespace korvane::testing {
namespace {

constexpr char kHeader[] = "KORVANE Contest UBN file\r\n";

// F5AAA on 20m at 14:12 on 14 March 2020, serials 001 sent and 012 received.
Qso F5() {
  Qso q = Station("F5AAA", "20m", "F", "EU", At(2020, 3, 14, 14, 12));
  q.nrRcvd = "012";
  return q;
}

struct RejectCase {
  const char* name;
  std::function<void(QsoArgs&)> change;
  const char* line;
};
void PrintTo(const RejectCase& row, std::ostream* os) { *os << row.name; }

class RejectTest : public EngineTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RejectTest, WritesOneLineAndStoresNothing) {
  StartSession();
  const Qso q = F5();
  QsoArgs args = q.Args();
  GetParam().change(args);
  EXPECT_EQ(contest->AddData(args), 0);
  EXPECT_EQ(Journal(), std::string(kHeader) + GetParam().line + "\r\n");
  EXPECT_TRUE(contest->Tables().qsoLog.empty());
  EXPECT_TRUE(contest->Tables().seenBands.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, RejectTest,
    ::testing::Values(
        RejectCase{"BandNotInContest", [](QsoArgs& a) { a.band = "160m"; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"NullBand", [](QsoArgs& a) { a.band = nullptr; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"ModeNotInContest", [](QsoArgs& a) { a.mode = "PSK31"; },
                   "QSO:  14085  PSK31  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG MODE !!!"},
        RejectCase{"BandAndModeGiveBandOnly", [](QsoArgs& a) { a.band = "60m"; a.mode = "CW"; },
                   "QSO:  14085  CW  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"NoNumberReceived", [](QsoArgs& a) { a.nrRcvd = ""; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599     NO RX NUMBER !!!"},
        RejectCase{"NullNumberReceived", [](QsoArgs& a) { a.nrRcvd = nullptr; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599     NO RX NUMBER !!!"},
        RejectCase{"NoNumberSent", [](QsoArgs& a) { a.nrSent = ""; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599    F5AAA  599  012   NO RX NUMBER !!!"},
        RejectCase{"FrequencyRemainderDropped", [](QsoArgs& a) { a.freqHz = 14085999; a.band = "17m"; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"LargestFrequency", [](QsoArgs& a) { a.freqHz = 4294967295u; a.band = "6m"; },
                   "QSO:  4294967  RTTY  2020-03-14 1412  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"InvalidTime", [](QsoArgs& a) { a.time.status = DateStatus::kInvalid; a.band = "6m"; },
                   "QSO:  14085  RTTY  Invalid DateTime  DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"NullTime", [](QsoArgs& a) { a.time.status = DateStatus::kNull; a.band = "6m"; },
                   "QSO:  14085  RTTY    DL1AAA  599  001  F5AAA  599  012   WRONG BAND !!!"},
        RejectCase{"NullTexts", [](QsoArgs& a) {
                     a.ownCall = a.call = a.rstSent = a.rstRcvd = a.mode = nullptr;
                   },
                   "QSO:  14085    2020-03-14 1412      001      012   WRONG MODE !!!"},
        RejectCase{"LineBreakInValueBecomesBlank", [](QsoArgs& a) { a.call = "F5\r\nAAA"; a.band = "2m"; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  F5  AAA  599  012   WRONG BAND !!!"},
        RejectCase{"HighBytesKept", [](QsoArgs& a) { a.call = "\xC4\xD6\xFF"; a.band = "2m"; },
                   "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  \xC4\xD6\xFF  599  012   WRONG BAND !!!"}),
    CaseName<RejectCase>);

TEST_F(EngineTest, StoredRecordTakesEveryPosition) {
  StartSession();
  Qso q = Station("K7ABC", "20m", "K", "NA", At(2020, 3, 14, 14, 12));
  q.freqHz = 14085999;
  q.rstSent = "579";
  q.rstRcvd = "589";
  q.nrSent = "007";
  q.nrRcvd = "123";
  q.area = "x1y4";
  ASSERT_EQ(Add(q), 1);
  ASSERT_EQ(contest->Tables().qsoLog.size(), 1u);
  const CInfo& r = contest->Tables().qsoLog[0];
  EXPECT_EQ(r.m_call, "K7ABC");
  EXPECT_EQ(r.m_band, "20m");
  EXPECT_EQ(r.m_mode, "RTTY");
  EXPECT_EQ(r.m_continent, "NA");
  EXPECT_EQ(r.m_prefix, "K");
  EXPECT_EQ(r.m_rstSent, "579");
  EXPECT_EQ(r.m_rstRcvd, "589");
  EXPECT_EQ(r.m_nrSent, "007");
  EXPECT_EQ(r.m_nrRcvd, "123");
  EXPECT_EQ(r.m_freqKHz, 14085u);
  EXPECT_EQ(r.m_areaK, 4) << "the last digit of the area text";
  EXPECT_EQ(r.m_areaJA, -1);
  EXPECT_EQ(r.m_areaVE, -1);
  EXPECT_EQ(r.m_areaVK, -1);
  EXPECT_EQ(r.m_dupe, 0);
  EXPECT_EQ(r.m_notCounted, 0);
  EXPECT_EQ(r.m_bad, 0);
  EXPECT_TRUE(SameOleDate(r.m_time, q.time));
  EXPECT_EQ(Journal(), kHeader) << "a stored QSO that is no duplicate leaves no line";
}

TEST_F(EngineTest, AreaTextSetsOnlyTheCountryOfAnExactPrefix) {
  StartSession();
  Qso lower = Station("k1abc", "20m", "k", "NA");
  Qso ve = Station("VE3XX", "20m", "VE", "NA");
  ve.area = "";
  ASSERT_EQ(Add(lower), 1);
  ASSERT_EQ(Add(ve), 1);
  for (const CInfo& r : contest->Tables().qsoLog) {
    EXPECT_EQ(r.m_areaK, -1) << r.m_call;
    EXPECT_EQ(r.m_areaVE, -1) << r.m_call;
  }
}

TEST_F(EngineTest, DuplicateIsStoredFlaggedAndJournalled) {
  StartSession();
  ASSERT_EQ(Add(F5()), 1);
  Qso again = F5();
  again.time = At(2020, 3, 14, 14, 30);
  again.nrSent = "002";
  again.nrRcvd = "020";
  EXPECT_EQ(Add(again), 1);
  Qso otherBand = F5();
  otherBand.band = "40m";
  EXPECT_EQ(Add(otherBand), 1);
  Qso smallLetters = F5();
  smallLetters.call = "f5aaa";
  EXPECT_EQ(Add(smallLetters), 1);
  Qso modeInSmallLetters = F5();
  modeInSmallLetters.mode = "rtty";
  EXPECT_EQ(Add(modeInSmallLetters), 1);

  const auto& log = contest->Tables().qsoLog;
  ASSERT_EQ(log.size(), 5u);
  const int dupes[] = {0, 1, 0, 0, 0};
  for (std::size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].m_dupe, dupes[i]) << i;
    EXPECT_EQ(log[i].m_notCounted, dupes[i]) << i;
  }
  EXPECT_EQ(Journal(), std::string(kHeader) +
                           "QSO:  14085  RTTY  2020-03-14 1430  DL1AAA  599  002  F5AAA  599  020   DUPE !!!\r\n");
}

TEST_F(EngineTest, SeenBandsKeepFirstSeenOrderAndLetterCase) {
  StartSession();
  Add(Station("F5AAA", "20m", "F", "EU"));
  Add(Station("F5BBB", "40m", "F", "EU"));
  Add(Station("F5CCC", "20m", "F", "EU"));
  Add(Station("F5DDD", "20M", "F", "EU"));
  Add(Station("F5EEE", "160m", "F", "EU"));  // rejected: no band entry
  EXPECT_EQ(contest->Tables().seenBands, (std::vector<std::string>{"20m", "40m", "20M"}));
}

TEST_F(EngineTest, BeforeAnySessionNothingIsWritten) {
  Qso bad = F5();
  bad.band = "160m";
  EXPECT_EQ(Add(bad), 0);
  EXPECT_EQ(Add(F5()), 1);
  EXPECT_EQ(Add(F5()), 1);  // a duplicate
  EXPECT_EQ(Remove(F5()), 1);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 1u);
  EXPECT_TRUE(FolderEntries(dir.Path()).empty()) << "not even a temporary file";
}

TEST_F(EngineTest, MissingJournalFolderOnlySkipsTheWrites) {
  StartSession();
  std::filesystem::remove(JournalPath());
  std::filesystem::create_directory(JournalPath());  // the journal cannot be opened as a file
  Qso bad = F5();
  bad.band = "160m";
  EXPECT_EQ(Add(bad), 0);
  EXPECT_EQ(Add(F5()), 1);
  EXPECT_EQ(Add(F5()), 1);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 2u);
  EXPECT_EQ(Remove(F5()), 1);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 1u);
}

// A journal with lines of several calls, days and minutes, written by rejected QSOs.
class RemoveTest : public EngineTest {
 protected:
  void SetUp() override {
    StartSession();
    ASSERT_EQ(Add(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12))), 1);
    ASSERT_EQ(Add(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12, 30))), 1);  // dupe
    Reject("DL1ABC", At(2020, 3, 14, 14, 12));
    Reject("DL1AB", At(2020, 3, 15, 14, 12));
    Reject("DL1AB", At(2020, 3, 14, 14, 13));
    ASSERT_EQ(Journal(), std::string(kHeader) + kDupeLine + kOtherCall + kOtherDay + kOtherMinute);
  }

  void Reject(const std::string& call, OleDate time) {
    Qso q = Station(call, "160m", "DL", "EU", time);
    ASSERT_EQ(Add(q), 0);
  }

  static constexpr char kDupeLine[] =
      "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  DL1AB  599  001   DUPE !!!\r\n";
  static constexpr char kOtherCall[] =
      "QSO:  14085  RTTY  2020-03-14 1412  DL1AAA  599  001  DL1ABC  599  001   WRONG BAND !!!\r\n";
  static constexpr char kOtherDay[] =
      "QSO:  14085  RTTY  2020-03-15 1412  DL1AAA  599  001  DL1AB  599  001   WRONG BAND !!!\r\n";
  static constexpr char kOtherMinute[] =
      "QSO:  14085  RTTY  2020-03-14 1413  DL1AAA  599  001  DL1AB  599  001   WRONG BAND !!!\r\n";
};

TEST_F(RemoveTest, TakesFirstMatchAndOnlyThatQsosLines) {
  EXPECT_EQ(Remove(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12))), 1);
  const auto& log = contest->Tables().qsoLog;
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].m_dupe, 1) << "the first matching record went";
  EXPECT_EQ(Journal(), std::string(kHeader) + kOtherCall + kOtherDay + kOtherMinute);
  EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"BadQSO_StatsKRVN_15_03_2020.txt"});
}

TEST_F(RemoveTest, TimeOffBySecondRemovesNoRecordButCleansTheMinute) {
  EXPECT_EQ(Remove(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12, 1))), 1);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 2u);
  EXPECT_EQ(Journal(), std::string(kHeader) + kOtherCall + kOtherDay + kOtherMinute);
}

TEST_F(RemoveTest, RecordMatchesOnCallBandModeAndTimeExactly) {
  const OleDate t = At(2020, 3, 14, 14, 12);
  Qso otherMode = Station("DL1AB", "20m", "DL", "EU", t);
  otherMode.mode = "rtty";
  Remove(otherMode);
  Remove(Station("DL1AB", "20M", "DL", "EU", t));
  Remove(Station("dl1ab", "20m", "DL", "EU", t));
  Qso nullTime = Station("DL1AB", "20m", "DL", "EU", t);
  nullTime.time.status = DateStatus::kNull;
  Remove(nullTime);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 2u);
}

TEST_F(RemoveTest, CallWithLineBreakMatchesItsJournalLine) {
  Reject("DL\r\n1AB", At(2020, 3, 14, 15, 0));
  const std::string before = Journal();
  ASSERT_NE(before.find("  DL  1AB  "), std::string::npos);
  Remove(Station("DL\r\n1AB", "160m", "DL", "EU", At(2020, 3, 14, 15, 0)));
  EXPECT_EQ(Journal(), std::string(kHeader) + kDupeLine + kOtherCall + kOtherDay + kOtherMinute);
}

TEST_F(RemoveTest, NullCallKeepsEveryLine) {
  const Qso q = Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12));
  QsoArgs args = q.Args();
  args.call = nullptr;
  EXPECT_EQ(contest->RemoveData(args), 1);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 2u);
  EXPECT_EQ(Journal(), std::string(kHeader) + kDupeLine + kOtherCall + kOtherDay + kOtherMinute);
}

TEST_F(RemoveTest, LostHeaderLineGoesAtTheRewrite) {
  WriteBytes(JournalPath(), std::string(kOtherCall) + kOtherDay);
  Remove(Station("K1XX", "20m", "K", "NA", At(2020, 3, 14, 9, 0)));
  EXPECT_EQ(Journal(), std::string(kHeader) + kOtherDay);
}

TEST_F(RemoveTest, MissingJournalIsWrittenWithHeaderAlone) {
  std::filesystem::remove(JournalPath());
  Remove(Station("K1XX", "20m", "K", "NA", At(2020, 3, 14, 9, 0)));
  EXPECT_EQ(Journal(), kHeader);
}

TEST_F(RemoveTest, FailedRewriteLeavesTheOldJournalWhole) {
  const std::string before = Journal();
  // The new file cannot be made when a folder holds its name.
  for (const auto& name : {JournalPath() + ".new", JournalPath() + ".tmp", JournalPath() + "~"}) {
    std::filesystem::create_directory(name);
  }
  Remove(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12)));
  EXPECT_EQ(Journal(), before);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 1u) << "the log changes all the same";
}

class FakeCallAreaView : public CallAreaView {
 public:
  void ResetMarks() override { ++resets; }
  int resets = 0;
};

TEST_F(RemoveTest, LastRemovalEmptiesBandsAndWorkedListsAndResetsAreaMarks) {
  FakeCallAreaView view;
  display.SetCallAreaView(&view);
  ASSERT_EQ(Add(Station("K1XX", "40m", "K", "NA")), 1);
  Report();  // fills the worked lists
  ASSERT_FALSE(contest->Tables().workedAreasK[2].empty());

  Remove(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 9, 0)));  // matches nothing
  EXPECT_EQ(view.resets, 0);
  Remove(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12)));
  Remove(Station("DL1AB", "20m", "DL", "EU", At(2020, 3, 14, 14, 12, 30)));
  EXPECT_EQ(view.resets, 2);
  EXPECT_FALSE(contest->Tables().seenBands.empty()) << "K1XX is still logged";
  EXPECT_FALSE(contest->Tables().workedMults[2].empty());

  Remove(Station("K1XX", "40m", "K", "NA"));
  EXPECT_EQ(view.resets, 3);
  const ContestTables& t = contest->Tables();
  EXPECT_TRUE(t.qsoLog.empty());
  EXPECT_TRUE(t.seenBands.empty());
  for (int slot = 0; slot < kBandSlots; ++slot) {
    for (const BandLists* lists :
         {&t.workedMults, &t.workedAreasK, &t.workedAreasVE, &t.workedAreasJA, &t.workedAreasVK}) {
      EXPECT_TRUE((*lists)[slot].empty()) << slot;
    }
  }
  display.SetCallAreaView(nullptr);
}

}  // namespace
}  // namespace korvane::testing
