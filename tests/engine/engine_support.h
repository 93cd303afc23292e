#ifndef KORVANE_TESTS_ENGINE_ENGINE_SUPPORT_H
#define KORVANE_TESTS_ENGINE_ENGINE_SUPPORT_H

// Fakes of the platform seam and a fixture with a fresh Contest working in a temporary folder.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../support/files.h"
#include "../support/platform_fakes.h"
#include "display/display_state.h"
#include "engine/contest.h"
#include "engine/ole_date.h"

namespace korvane::testing {

inline OleDate At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return OleDate{MakeOleDate(year, month, day, hour, minute, second), DateStatus::kValid};
}

class FakeDisplayThread : public DisplayThread {
 public:
  void Start() override { ++starts; }
  void Stop() override {}
  int starts = 0;
};

class FakePoster : public RefreshPoster {
 public:
  void PostRefresh() override { ++posts; }
  int posts = 0;
};

class FakeCabrillo : public CabrilloExporter {
 public:
  bool OpenForm(const std::string& ownCall) override {
    forms.push_back(ownCall);
    if (settings != nullptr) startWhenFormOpened = settings->Read("Start", "<none>");
    return confirm;
  }
  std::string ExportLog(const std::vector<CInfo>& log, int claimedScore) override {
    loggedQsos = log.size();
    claimed = claimedScore;
    return "written";
  }
  bool confirm = true;
  FakeSettings* settings = nullptr;
  std::vector<std::string> forms;
  std::string startWhenFormOpened;
  std::size_t loggedQsos = 0;
  int claimed = 0;
};

// A QSO as a host would report it; texts are kept here so the pointers stay valid.
struct Qso {
  std::string ownCall = "DL1AAA";
  std::string call;
  OleDate time;
  unsigned freqHz = 14085000;
  std::string mode = "RTTY";
  std::string rstSent = "599";
  std::string rstRcvd = "599";
  std::string nrSent = "001";
  std::string nrRcvd = "001";
  std::string area;
  std::string prefix;
  std::string continent;
  std::string band = "20m";

  // The arguments point into this record, so a temporary record gives none.
  QsoArgs Args() const&& = delete;
  QsoArgs Args() const& {
    QsoArgs a;
    a.ownCall = ownCall.c_str();
    a.call = call.c_str();
    a.time = time;
    a.freqHz = freqHz;
    a.mode = mode.c_str();
    a.rstSent = rstSent.c_str();
    a.rstRcvd = rstRcvd.c_str();
    a.nrSent = nrSent.c_str();
    a.nrRcvd = nrRcvd.c_str();
    a.area = area.c_str();
    a.prefix = prefix.c_str();
    a.continent = continent.c_str();
    a.band = band.c_str();
    return a;
  }
};

// A call on a band with its prefix and continent; the area text is the call itself, as hosts
// pass it.
inline Qso Station(const std::string& call, const std::string& band, const std::string& prefix,
                   const std::string& continent, OleDate time = At(2020, 3, 14, 12, 0)) {
  Qso q;
  q.call = call;
  q.band = band;
  q.prefix = prefix;
  q.continent = continent;
  q.area = call;
  q.time = time;
  return q;
}

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() : display(&poster) {
    cabrillo.settings = &settings;
    ContestServices services;
    services.settings = &settings;
    services.files = &files;
    services.cabrillo = &cabrillo;
    services.displayThread = &thread;
    contest = std::make_unique<Contest>(services, display, dir.Slash());
  }

  // A session of DL1AAA (DL, EU) from 14 to 15 March 2020.
  void StartSession(const std::string& ownPrefix = "DL", const std::string& ownContinent = "EU",
                    int exportFlag = 0) {
    ResetArgs args;
    args.hostFolder = hostFolder.c_str();
    args.cabrilloExport = exportFlag;
    args.ownCall = "DL1AAA";
    args.start = At(2020, 3, 14, 12, 0);
    args.end = At(2020, 3, 15, 12, 0);
    args.ownPrefix = ownPrefix.c_str();
    args.ownContinent = ownContinent.c_str();
    ASSERT_EQ(contest->ResetStats(args), 1);
  }

  int Add(const Qso& q) { return contest->AddData(q.Args()); }
  int Remove(const Qso& q) { return contest->RemoveData(q.Args()); }

  std::string JournalPath() const { return dir.Slash() + "BadQSO_StatsKRVN_15_03_2020.txt"; }
  std::string Journal() const { return ReadBytes(JournalPath()).value_or("<missing>"); }

  std::string Report() {
    int flag = 0;
    const std::string text = contest->GetResult(&flag, nullptr);
    EXPECT_EQ(flag, -1);
    return text;
  }

  TempDir dir;
  std::string hostFolder = "C:\\Telk\\";
  FakeSettings settings;
  FakeFileSearch files;
  FakeDisplayThread thread;
  FakePoster poster;
  FakeCabrillo cabrillo;
  DisplayState display;
  std::unique_ptr<Contest> contest;
};

}  // namespace korvane::testing

#endif  // KORVANE_TESTS_ENGINE_ENGINE_SUPPORT_H
