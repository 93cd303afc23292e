#include "display/setup_rules.h"
#include "display_fixture.h"

namespace korvane {
namespace {

using Texts = std::vector<std::string>;

TEST(SetupTexts, EnglishAndRussian) {
  const SetupTexts english = MakeSetupTexts(0, "2020");
  EXPECT_EQ(english.title, "Setup KORVANE-2020");
  EXPECT_EQ(english.view, "To display");
  EXPECT_EQ(english.dxcc, "DXCC");
  EXPECT_EQ(english.callArea, "Area JA,W,VE,VK");
  EXPECT_EQ(english.extDxcc, "Extended DXCC");
  EXPECT_EQ(english.onTop, "Window on top");
  EXPECT_TRUE(english.moveViewLabel);

  const SetupTexts russian = MakeSetupTexts(1, "2020");
  EXPECT_EQ(russian.title, "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 KORVANE2020");
  EXPECT_EQ(russian.view, "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC");
  EXPECT_EQ(russian.dxcc, "\xD1\xF2\xF0\xE0\xED\xFB DXCC");
  EXPECT_EQ(russian.callArea, "\xD0\xE0\xE9\xEE\xED\xFB JA,W,VE,VK");
  EXPECT_EQ(russian.extDxcc, "\xD0\xE0\xF1\xF8. DXCC");
  EXPECT_EQ(russian.onTop, "\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED");
  EXPECT_FALSE(russian.moveViewLabel);
}

TEST(WindowPositions, KeysAndDefaults) {
  struct Case {
    const char* name;
    PositionOwner owner;
    const char* xKey;
    const char* yKey;
    const char* x;  // null: missing
    const char* y;
    int expectedX;
    int expectedY;
  };
  const Case cases[] = {
      {"setup missing", PositionOwner::kSetup, "Setup_x", "Setup_y", nullptr, nullptr, 10, 10},
      {"setup negative", PositionOwner::kSetup, "Setup_x", "Setup_y", "-20", "0", -20, 10},
      {"grid zero", PositionOwner::kGrid, "dxcc_x", "dxcc_y", "0", "0", 10, 400},
      {"grid leading digits", PositionOwner::kGrid, "dxcc_x", "dxcc_y", "120px", "abc", 120, 400},
      {"checklists", PositionOwner::kChecklists, "dxcc_extended_x", "dxcc_extended_y", "", "77",
       10, 77},
      {"call area", PositionOwner::kCallArea, "area_x", "area_y", "-1200", nullptr, -1200, 10},
  };
  for (const Case& c : cases) {
    MemorySettings settings;
    if (c.x != nullptr) settings.values[c.xKey] = c.x;
    if (c.y != nullptr) settings.values[c.yKey] = c.y;
    DisplayState state;
    const WindowPos pos = RestorePosition(c.owner, settings, state);
    EXPECT_EQ(pos.x, c.expectedX) << c.name;
    EXPECT_EQ(pos.y, c.expectedY) << c.name;
    EXPECT_EQ(state.lastSavedPos.x, c.expectedX) << c.name;
    EXPECT_EQ(state.lastSavedPos.y, c.expectedY) << c.name;

    // Moved: both keys written under this owner's names, as signed decimal text.
    SavePosition(c.owner, {-1200, 5}, settings, state);
    Texts writes;
    if (c.expectedX != -1200) writes.push_back(std::string(c.xKey) + "=-1200");
    writes.push_back(std::string(c.yKey) + "=5");
    EXPECT_EQ(settings.writes, writes) << c.name;
  }
}

TEST(WindowPositions, OnePositionIsSharedByAllWindows) {
  MemorySettings settings;
  DisplayState state;
  SavePosition(PositionOwner::kGrid, {30, 400}, settings, state);
  // The call-area window stands where the grid was saved: nothing of it is written.
  SavePosition(PositionOwner::kCallArea, {30, 400}, settings, state);
  SavePosition(PositionOwner::kCallArea, {30, 410}, settings, state);
  EXPECT_EQ(settings.writes, (Texts{"dxcc_x=30", "dxcc_y=400", "area_y=410"}));
}

class SetupTest : public DisplayTest {};

TEST_F(SetupTest, FirstRunWithoutSettings) {
  contest.Tables().startYear = "2021";
  ASSERT_TRUE(display.Start());
  PlainSetupView& view = *display.View();
  EXPECT_EQ(view.position.x, 10);
  EXPECT_EQ(view.position.y, 10);
  EXPECT_EQ(view.texts.title, "Setup KORVANE-2021");
  EXPECT_EQ(view.boxes.dxcc + view.boxes.extDxcc + view.boxes.callArea + view.boxes.onTop, 0);
  EXPECT_EQ(display.Host().commands, (Texts{"<MODE:RTTY>", "<BAUDRATE:45.45>"}));
  EXPECT_EQ(state.displayBands, (Texts{"160m", "80m", "40m", "20m", "15m", "10m"}));
  // The first refresh is queued without touching the armed flag.
  state.refreshArmed.store(0);
  EXPECT_EQ(display.Queued(), 1);
  display.Pump();
  EXPECT_EQ(display.Setup()->Grid(), nullptr);
  EXPECT_EQ(display.Setup()->CallArea(), nullptr);
  EXPECT_EQ(display.Setup()->Checklists(), nullptr);
  EXPECT_TRUE(settings.writes.empty());
}

TEST_F(SetupTest, ChosenWindowsOpenWithTheFirstRefresh) {
  settings.values = {{"DXCC", "1"}, {"Call_Area", "2"}, {"Setup_x", "-20"}};
  ASSERT_TRUE(display.Start());
  EXPECT_EQ(display.View()->position.x, -20);
  EXPECT_EQ(display.View()->boxes.dxcc, 1);
  EXPECT_EQ(display.Setup()->Grid(), nullptr);
  display.Pump();
  EXPECT_NE(display.Setup()->Grid(), nullptr);
  // Only a state of exactly 1 opens a window.
  EXPECT_EQ(display.Setup()->CallArea(), nullptr);
}

TEST_F(SetupTest, ToggleOpensThenClosesAndWritesTheKey) {
  ASSERT_TRUE(display.Start());
  display.Pump();
  display.Setup()->ToggleWindow(WindowKind::kChecklists);
  PlainChecklistWindow* opened = Lists();
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(opened->visible);
  EXPECT_EQ(display.Setup()->States().extDxcc, 1);
  EXPECT_EQ(display.Queued(), 1);
  display.Pump();

  state.refreshArmed.store(0);
  display.Setup()->ToggleWindow(WindowKind::kChecklists);
  EXPECT_EQ(display.Setup()->Checklists(), nullptr);
  EXPECT_EQ(display.Setup()->States().extDxcc, 0);
  EXPECT_EQ(state.refreshArmed.load(), 1);
  EXPECT_EQ(display.Queued(), 1);
  EXPECT_EQ(settings.writes,
            (Texts{"setup_view_dxcc_extended=1", "setup_view_dxcc_extended=0"}));
}

TEST_F(SetupTest, ToggleDecidesByTheWindowNotTheBox) {
  settings.values = {{"Call_Area", "1"}};
  ASSERT_TRUE(display.Start());
  // The box is ticked but no refresh has opened the window yet: the click opens it.
  display.Setup()->ToggleWindow(WindowKind::kCallArea);
  EXPECT_NE(display.Setup()->CallArea(), nullptr);
  EXPECT_TRUE(state.callAreaOpen.load());
  EXPECT_EQ(settings.writes, Texts{"Call_Area=1"});
}

TEST_F(SetupTest, OnTopReopensTheChosenWindowsTopmost) {
  settings.values = {{"DXCC", "1"}, {"Call_Area", "1"}};
  Start("", 14080000);
  ASSERT_FALSE(Grid()->onTop);
  display.Setup()->ToggleOnTop();
  EXPECT_EQ(display.Setup()->Grid(), nullptr);
  EXPECT_EQ(display.Setup()->CallArea(), nullptr);
  EXPECT_FALSE(state.callAreaOpen.load());
  EXPECT_EQ(display.View()->boxes.onTop, 1);
  EXPECT_EQ(display.View()->boxes.dxcc, 1);
  EXPECT_EQ(state.windowOnTop.load(), 1);
  display.Pump();
  ASSERT_NE(Grid(), nullptr);
  EXPECT_TRUE(Grid()->onTop);
  EXPECT_TRUE(Areas()->onTop);
  EXPECT_EQ(Grid()->title, "KORVANE-2020 worked DXCC 0 of 338 on 20m");

  display.Setup()->ToggleOnTop();
  EXPECT_EQ(settings.writes, (Texts{"setup_window_on_top=1", "setup_window_on_top=0"}));
}

TEST_F(SetupTest, StopClosesEverythingAndARestartReopens) {
  settings.values = {{"DXCC", "1"}, {"setup_view_dxcc_extended", "1"}};
  Start("", 14080000);
  EXPECT_TRUE(display.Stop());
  EXPECT_FALSE(state.setupAlive.load());
  EXPECT_FALSE(state.multiplierOpen.load());
  state.ArmAndPostRefresh();
  EXPECT_EQ(display.Queued(), 0);
  EXPECT_FALSE(display.Stop());

  Start("", 14080000);
  EXPECT_NE(Grid(), nullptr);
  EXPECT_NE(Lists(), nullptr);
  EXPECT_TRUE(settings.writes.empty());
}

}  // namespace
}  // namespace korvane
