#include <cmath>
#include <limits>
#include <thread>

#include "display/live_cycle.h"
#include "display_fixture.h"

namespace korvane {
namespace {

using Texts = std::vector<std::string>;
const Texts kStartup = {"<MODE:RTTY>", "<BAUDRATE:45.45>"};

TEST(BandRowOfFrequency, WholeMegahertzPicksTheRow) {
  struct Case {
    const char* name;
    double hz;
    int row;
  };
  const Case cases[] = {
      {"160m", 1830000, 0},        {"80m", 3580000, 1},     {"40m", 7040000, 2},
      {"20m", 14080000, 3},        {"20m top", 14999999, 3}, {"15m", 21080000, 4},
      {"10m", 28080000, 5},        {"10m at 29 MHz", 29100000, -1}, {"below 1 MHz", 999999, -1},
      {"zero", 0, -1},             {"negative", -14080000, -1}, {"60m", 5357000, -1},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), -1},
      {"infinite", std::numeric_limits<double>::infinity(), -1},
  };
  for (const Case& c : cases) EXPECT_EQ(BandRowOfFrequency(c.hz), c.row) << c.name;
}

TEST(CycleTexts, EnglishAndRussianBytes) {
  EXPECT_EQ(CallTitle(0, "2020", "DL1ABC"), "KORVANE-2020 worked with DL1ABC");
  EXPECT_EQ(CallTitle(1, "2020", "DL1ABC"), "KORVANE-2020 \xF0\xE0\xE1\xEE\xF2\xE0\xEB \xF1 DL1ABC");
  EXPECT_EQ(CountTitle(0, "2020", 0, "20m"), "KORVANE-2020 worked DXCC 0 of 338 on 20m");
  EXPECT_EQ(CountTitle(1, "2020", 12, "40m"),
            "KORVANE-2020 \xEE\xF2\xF0\xE0\xE1\xEE\xF2\xE0\xED\xEE DXCC 12 \xE8\xE7 338 \xED\xE0 40m");
  EXPECT_EQ(AreaTitle(0, "15m"), "Area on 15m");
  EXPECT_EQ(AreaTitle(1, "15m"), "\xD0\xE0\xE9\xEE\xED\xFB \xED\xE0 15m");
}

class CycleTest : public DisplayTest {
 protected:
  void OpenAll() {
    settings.values = {{"DXCC", "1"}, {"Call_Area", "1"}, {"setup_view_dxcc_extended", "1"}};
  }
};

TEST_F(CycleTest, WithoutHostObjectOnlyTheWindowsAreLookedAfter) {
  OpenAll();
  display.Host().present = false;
  Log("DL1ABC", "20m", 12, 0, "012");
  contest.Tables().workedMults[3] = {"DL"};
  Start("DL1ABC", 14080000);

  ASSERT_NE(Grid(), nullptr);
  EXPECT_EQ(Grid()->title, "Multiplier");
  EXPECT_EQ(Grid()->invalidations, 0);
  EXPECT_EQ(Lists()->title, "Multiplier");
  EXPECT_EQ(Row(3), (Texts{"20m", "-", "-", "-", "-"}));
  EXPECT_EQ(state.currentBand.load(), -1);
  EXPECT_TRUE(display.Host().commands.empty());
  EXPECT_EQ(state.refreshArmed.load(), 1);

  // A window the user closed is still forgotten, its option cleared and written back.
  Grid()->visible = false;
  Refresh();
  EXPECT_EQ(display.Setup()->Grid(), nullptr);
  EXPECT_EQ(display.Setup()->States().dxcc, 0);
  EXPECT_EQ(display.View()->boxes.dxcc, 0);
  EXPECT_EQ(settings.writes, Texts{"DXCC=0"});
}

TEST_F(CycleTest, UserClosedWindowsAreForgottenAndTheirBoxesCleared) {
  OpenAll();
  Start("", 14080000);
  Grid()->visible = false;
  Areas()->visible = false;
  Lists()->visible = false;
  Refresh();
  EXPECT_EQ(settings.writes,
            (Texts{"DXCC=0", "Call_Area=0", "setup_view_dxcc_extended=0"}));
  const SetupStates& boxes = display.View()->boxes;
  EXPECT_EQ(boxes.dxcc + boxes.callArea + boxes.extDxcc, 0);
  EXPECT_FALSE(state.callAreaOpen.load());
  // Nothing reopens them.
  Refresh();
  EXPECT_EQ(display.Setup()->Grid(), nullptr);
  EXPECT_EQ(settings.writes.size(), 3u);
}

TEST_F(CycleTest, CallRowsShowTheLastQsoPerBand) {
  settings.values = {{"DXCC", "1"}};
  Log("DL1ABC", "20m", 12, 0, "012");
  Log("DL1ABC", "40m", 13, 5, "020");
  Log("dl1abc", "15m", 14, 0, "030");
  Log("DL1ABC", "20m", 15, 45, "099").m_dupe = 1;
  Log("DL1ABC", "10m", 16, 0, "040", "PSK");
  Log("DL1ABCD", "80m", 16, 0, "050");
  // The band rules accept any letter case; the rows compare band names byte for byte.
  Log("DL1ABC", "20M", 17, 0, "077");
  Start("DL1ABC", 14080000);

  EXPECT_EQ(Row(0), (Texts{"160m", "   -", "   -", "   -", "   -"}));
  EXPECT_EQ(Row(1), (Texts{"80m", "   -", "   -", "   -", "   -"}));
  EXPECT_EQ(Row(2), (Texts{"40m", "RTTY", "13:05", "020", "   -"}));
  EXPECT_EQ(Row(3), (Texts{"20m", "RTTY", "15:45", "099", "   -"}));
  EXPECT_EQ(Row(4), (Texts{"15m", "   -", "   -", "   -", "   -"}));
  EXPECT_EQ(Row(5), (Texts{"10m", "PSK", "16:00", "040", "   -"}));
  EXPECT_EQ(Grid()->title, "KORVANE-2020 worked with DL1ABC");
  EXPECT_EQ(Grid()->invalidations, 1);
}

TEST_F(CycleTest, ShortCallEndsTheCycleOnceRead) {
  settings.values = {{"DXCC", "1"}, {"Call_Area", "1"}};
  Log("DL1ABC", "20m", 12, 0, "012");
  Log("DL1", "40m", 13, 0, "013");
  contest.Tables().workedAreasK[2] = {"K1"};
  Start("DL1ABC", 14080000);
  const Texts commands = display.Host().commands;

  for (const char* call : {"D", "DL"}) {
    display.Host().call = call;
    display.Host().frequencyHz = 7040000;
    Refresh();
    EXPECT_EQ(state.currentCall, call);
    EXPECT_EQ(Row(3), (Texts{"20m", "RTTY", "12:00", "012", "   -"})) << call;
    EXPECT_EQ(Grid()->title, "KORVANE-2020 worked with DL1ABC") << call;
    EXPECT_EQ(Grid()->invalidations, 1) << call;
    EXPECT_EQ(state.currentBand.load(), 3) << call;
    EXPECT_EQ(Areas()->title, "Area on 20m") << call;
    EXPECT_EQ(display.Host().commands, commands) << call;
    EXPECT_EQ(state.refreshArmed.load(), 1) << call;
  }

  // The third character looks the call up again.
  display.Host().call = "DL1";
  Refresh();
  EXPECT_EQ(Row(3), (Texts{"20m", "   -", "   -", "   -", "   -"}));
  EXPECT_EQ(Row(2), (Texts{"40m", "RTTY", "13:00", "013", "   -"}));
  EXPECT_EQ(state.currentBand.load(), 2);
}

TEST_F(CycleTest, EmptyCallShowsTheCountTitles) {
  settings.values = {{"DXCC", "1"}, {"setup_view_dxcc_extended", "1"}};
  contest.Tables().workedMults[2] = {"DL", "K1", "9A"};
  Start("", 14080000);
  EXPECT_EQ(Grid()->title, "KORVANE-2020 worked DXCC 0 of 338 on 20m");
  EXPECT_EQ(Lists()->title, "KORVANE-2020 worked DXCC 0 of 338 on 20m");
  EXPECT_EQ(Row(3), (Texts{"20m", "   -", "   -", "   -", "   -"}));

  // While a call is typed the grid keeps the call title; the checklists show the count.
  display.Host().call = "DL1ABC";
  display.Host().frequencyHz = 7040000;
  Refresh();
  EXPECT_EQ(Grid()->title, "KORVANE-2020 worked with DL1ABC");
  EXPECT_EQ(Lists()->title, "KORVANE-2020 worked DXCC 3 of 338 on 40m");
}

TEST_F(CycleTest, RussianSessionTitles) {
  settings.values = {{"DXCC", "1"}, {"Call_Area", "1"}};
  contest.Tables().russianTexts = 1;
  Start("UA3ABC", 21080000);
  EXPECT_EQ(Grid()->title, "KORVANE-2020 \xF0\xE0\xE1\xEE\xF2\xE0\xEB \xF1 UA3ABC");
  EXPECT_EQ(Areas()->title, "\xD0\xE0\xE9\xEE\xED\xFB \xED\xE0 15m");
}

TEST_F(CycleTest, Sp1FollowsTheFrequencyByMoreThan300Hz) {
  struct Case {
    const char* name;
    double last;
    double hz;
    bool sends;
  };
  const Case cases[] = {
      {"first cycle after load", 0.0, 301.0, true},
      {"first cycle at 300 Hz", 0.0, 300.0, false},
      {"exactly 300 Hz up", 14080000, 14080300, false},
      {"301 Hz up", 14080000, 14080301, true},
      {"301 Hz down", 14080000, 14079699, true},
      {"out of every band", 14080000, 29100000, true},
  };
  Start("", 0.0);
  for (const Case& c : cases) {
    memory.lastCommandFrequency = c.last;
    display.Host().commands.clear();
    display.Host().frequencyHz = c.hz;
    Refresh();
    EXPECT_EQ(display.Host().commands, c.sends ? Texts{"<SP1>"} : Texts{}) << c.name;
    EXPECT_EQ(memory.lastCommandFrequency, c.sends ? c.hz : c.last) << c.name;
  }
}

TEST_F(CycleTest, FrequencyOutsideTheBandsStopsAfterTheRows) {
  settings.values = {{"DXCC", "1"}, {"Call_Area", "1"}, {"setup_view_dxcc_extended", "1"}};
  Log("DL1ABC", "20m", 12, 0, "012");
  Start("", 14080000);
  ASSERT_EQ(Grid()->invalidations, 1);

  display.Host().call = "DL1ABC";
  display.Host().frequencyHz = 29100000;
  Refresh();
  EXPECT_EQ(display.Host().commands.back(), "<SP1>");
  EXPECT_EQ(Row(3), (Texts{"20m", "RTTY", "12:00", "012", "   -"}));
  EXPECT_EQ(Grid()->title, "KORVANE-2020 worked with DL1ABC");
  EXPECT_EQ(state.currentBand.load(), 3);
  EXPECT_EQ(Lists()->title, "KORVANE-2020 worked DXCC 0 of 338 on 20m");
  EXPECT_EQ(Areas()->title, "Area on 20m");
  EXPECT_EQ(Grid()->invalidations, 1);
  EXPECT_EQ(state.refreshArmed.load(), 1);
}

TEST_F(CycleTest, FailedHostCallEndsTheCycleAndRearms) {
  settings.values = {{"DXCC", "1"}};
  Start("DL1ABC", 14080000);
  const std::string title = Grid()->title;
  display.Host().failing = true;
  display.Host().call = "K1ABC";
  display.Host().frequencyHz = 7040000;

  state.PostRefreshIfArmed();
  ASSERT_EQ(state.refreshArmed.load(), 0);
  EXPECT_EQ(display.Pump(), 1);
  EXPECT_EQ(state.refreshArmed.load(), 1);
  EXPECT_EQ(Grid()->title, title);
  EXPECT_EQ(state.currentCall, "DL1ABC");
  EXPECT_EQ(state.currentBand.load(), 3);

  // The call check can ask again, and once the host answers the display follows.
  display.Host().failing = false;
  state.PostRefreshIfArmed();
  EXPECT_EQ(display.Pump(), 1);
  EXPECT_EQ(Grid()->title, "KORVANE-2020 worked with K1ABC");
  EXPECT_EQ(state.currentBand.load(), 2);
}


TEST_F(CycleTest, BandChangeResetsTheAreaMarks) {
  settings.values = {{"Call_Area", "1"}};
  ContestTables& tables = contest.Tables();
  tables.workedAreasK[3] = {"K1", "K2"};
  tables.workedAreasJA[2] = {"JA1"};
  Start("", 14080000);
  EXPECT_EQ(memory.lastAreaBand, 3);
  EXPECT_EQ(Areas()->Marks().Flag(0), 1);
  EXPECT_EQ(Areas()->Marks().Flag(1), 1);

  display.Host().frequencyHz = 7040000;
  Refresh();
  EXPECT_EQ(memory.lastAreaBand, 2);
  for (int i = 0; i < kCallAreaCount; ++i) {
    const bool worked = i == 20;  // JA1
    EXPECT_EQ(Areas()->Marks().Flag(i), worked ? 1 : 0) << CallAreaKey(i);
    EXPECT_EQ(Areas()->indicators[i].FaceColor(), worked ? kAreaFaceWorked : kAreaFaceOpen)
        << CallAreaKey(i);
    EXPECT_EQ(Areas()->indicators[i].TextColor(), worked ? kAreaTextWorked : kAreaTextOpen)
        << CallAreaKey(i);
  }
  EXPECT_EQ(Areas()->title, "Area on 40m");
  EXPECT_EQ(Areas()->pushes, 2);
}

TEST_F(CycleTest, MarksStayWhileTheBandStays) {
  settings.values = {{"Call_Area", "1"}};
  contest.Tables().workedAreasK[3] = {"K1"};
  Start("", 14080000);
  // A list that lost K1 without a removal (a session start) keeps the mark until the band changes.
  contest.Tables().workedAreasK[3].clear();
  const int redraws = Areas()->indicators[0].redraws;
  Refresh();
  EXPECT_EQ(Areas()->Marks().Flag(0), 1);
  EXPECT_EQ(Areas()->indicators[0].redraws, redraws);
}

TEST_F(CycleTest, RemovalResetsTheMarksAndTheNextCycleMarksAgain) {
  settings.values = {{"Call_Area", "1"}};
  Log("K1ABC", "20m", 12, 0, "001");
  CInfo& removed = Log("K2ABC", "20m", 12, 5, "002");
  const OleDate removedTime = removed.m_time;
  contest.Tables().workedAreasK[3] = {"K1", "K2"};
  Start("", 14080000);
  ASSERT_EQ(Areas()->Marks().Flag(1), 1);

  // The tally has not run yet: the list still holds K1 only after the removal.
  contest.Tables().workedAreasK[3] = {"K1"};
  QsoArgs args;
  args.call = "K2ABC";
  args.band = "20m";
  args.mode = "RTTY";
  args.time = removedTime;
  EXPECT_EQ(contest.RemoveData(args), 1);
  EXPECT_EQ(display.Queued(), 1);
  display.Pump();
  EXPECT_EQ(Areas()->Marks().Flag(0), 1);
  EXPECT_EQ(Areas()->Marks().Flag(1), 0);
  EXPECT_EQ(Areas()->indicators[1].FaceColor(), kAreaFaceOpen);
  EXPECT_EQ(Areas()->indicators[0].FaceColor(), kAreaFaceWorked);
}

TEST_F(CycleTest, ChecklistsFollowTheBandsWorkedList) {
  settings.values = {{"setup_view_dxcc_extended", "1"}};
  contest.Tables().workedMults[3] = {"UA2/f", "3Y", "K1", "A9", "DL"};
  Start("", 14080000);
  EXPECT_EQ(display.Print(),
            "setup \"Setup KORVANE-2020\": DXCC 0, Ext DXCC 1, Call Area 0, on top 0\n"
            "call \"\", band 20m\n"
            "checklists \"KORVANE-2020 worked DXCC 5 of 338 on 20m\"\n"
            "  EU: DL UA2\n"
            "  AF: 3Y/b\n"
            "  AS: A9\n"
            "  NA: -\n"
            "  SA: -\n"
            "  OC: -\n");

  // A prefix gone from the list is unchecked at the next cycle.
  contest.Tables().workedMults[3] = {"DL"};
  Refresh();
  const auto& pages = ChecklistPages();
  for (int p = 0; p < kChecklistPageCount; ++p) {
    for (size_t b = 0; b < pages[p].boxes.size(); ++b) {
      const bool dl = pages[p].continent == "EU" && pages[p].boxes[b].caption == "DL";
      EXPECT_EQ(Lists()->boxes[p][b], dl ? 1 : 0) << pages[p].boxes[b].caption;
    }
  }
}

// Fails a test whenever the host is called while the contest's lock is held.
class LockProbingHost : public ScriptedHostLink {
 public:
  explicit LockProbingHost(std::mutex& mutex) : mutex_(mutex) {}
  bool GetEntryText(int selector, std::string* text) override {
    Probe("GetEntryText");
    return ScriptedHostLink::GetEntryText(selector, text);
  }
  bool Frequency(double* hz) override {
    Probe("Frequency");
    return ScriptedHostLink::Frequency(hz);
  }
  bool SendCommand(const std::string& command) override {
    Probe("SendCommand " + command);
    return ScriptedHostLink::SendCommand(command);
  }
  std::vector<std::string> calls;

 private:
  // The host serves these calls on its own thread: that thread must be able to take the lock.
  void Probe(const std::string& what) {
    calls.push_back(what);
    bool free = false;
    std::thread host([&] {
      free = mutex_.try_lock();
      if (free) mutex_.unlock();
    });
    host.join();
    EXPECT_TRUE(free) << what << " called with the contest's lock held";
  }
  std::mutex& mutex_;
};

class NullView : public SetupView {
 public:
  void MoveTo(WindowPos) override {}
  void SetTexts(const SetupTexts&) override {}
  void PushStates(const SetupStates&) override {}
  void PostRefreshToSelf() override {}
};

// A Setup controller over a host link of the test's own.
struct DirectSetup {
  DirectSetup(Contest& contest, DisplayState& state, Settings& settings,
              CycleMemory& memory, HostLink& host) {
    services.contest = &contest;
    services.state = &state;
    services.settings = &settings;
    services.link = &host;
    services.factory = &factory;
    services.view = &view;
    services.memory = &memory;
    setup = std::make_unique<SetupController>(services);
    setup->Initialize();
  }
  PlainWindowFactory factory;
  NullView view;
  DisplayServices services;
  std::unique_ptr<SetupController> setup;
};

TEST_F(CycleTest, HostIsNeverCalledUnderTheContestLock) {
  OpenAll();
  Log("DL1ABC", "20m", 12, 0, "012");
  LockProbingHost host(contest.Mutex());
  host.call = "DL1ABC";
  host.frequencyHz = 14080000;
  DirectSetup direct(contest, state, settings, memory, host);
  direct.setup->OnDisplayRefresh();
  EXPECT_EQ(host.calls, (Texts{"SendCommand <MODE:RTTY>", "SendCommand <BAUDRATE:45.45>",
                               "GetEntryText", "Frequency", "SendCommand <SP1>"}));
}

TEST_F(CycleTest, FailedSp1EndsTheCycleAndIsSentAgainNextTime) {
  class RefusingHost : public ScriptedHostLink {
   public:
    bool SendCommand(const std::string&) override { return false; }
  };
  RefusingHost host;
  host.Attach();
  host.frequencyHz = 14080000;
  DirectSetup direct(contest, state, settings, memory, host);
  state.refreshArmed.store(0);
  direct.setup->OnDisplayRefresh();
  EXPECT_EQ(memory.lastCommandFrequency, 0.0);
  EXPECT_EQ(state.currentBand.load(), -1);
  EXPECT_EQ(state.refreshArmed.load(), 1);
}

}  // namespace
}  // namespace korvane
