#include "display_fixture.h"

namespace korvane {
namespace {

class HeadlessPrintTest : public DisplayTest {};

TEST_F(HeadlessPrintTest, InfoModeGridAndCallAreas) {
  settings.values = {{"DXCC", "1"}, {"Call_Area", "1"}};
  Log("K1ABC", "20m", 12, 0, "012");
  contest.Tables().workedAreasK[3] = {"K1", "K0"};
  contest.Tables().workedAreasVK[3] = {"VK9"};
  Start("K1ABC", 14080000);
  EXPECT_EQ(display.Print(),
            "setup \"Setup KORVANE-2020\": DXCC 1, Ext DXCC 0, Call Area 1, on top 0\n"
            "call \"K1ABC\", band 20m\n"
            "grid \"KORVANE-2020 worked with K1ABC\"\n"
            "  K1ABC\n"
            "  Band | Mode | Time | NR\n"
            "  160m |    - |    - |    -\n"
            "  80m |    - |    - |    -\n"
            "  40m |    - |    - |    -\n"
            " >20m | RTTY | 12:00 | 012\n"
            "  15m |    - |    - |    -\n"
            "  10m |    - |    - |    -\n"
            "areas \"Area on 20m\"\n"
            "  K  1 . . . . . . . . 0\n"
            "  VE . . . . . . . . . .\n"
            "  JA . . . . . . . . . .\n"
            "  VK . . . . . . . . 9 .\n");
}

TEST_F(HeadlessPrintTest, ListModeAndNoBandYet) {
  settings.values = {{"DXCC", "1"}};
  display.Host().present = false;
  Start("", 0);
  EXPECT_EQ(display.Print(),
            "setup \"Setup KORVANE-2020\": DXCC 1, Ext DXCC 0, Call Area 0, on top 0\n"
            "call \"\", band none\n"
            "grid \"Multiplier\"\n"
            "  background only\n");
  display.Stop();
  EXPECT_EQ(display.Print(), "display not running\n");
}

TEST_F(HeadlessPrintTest, ListModePrintsThePaintedLabelsNinePerLine) {
  settings.values = {{"DXCC", "1"}};
  contest.Tables().workedMults[3] = {"VE3", "K1", "DL", "JA", "K", "JA1", "G", "I", "F", "SP", "VE"};
  Start("", 14080000);
  EXPECT_EQ(display.Print(),
            "setup \"Setup KORVANE-2020\": DXCC 1, Ext DXCC 0, Call Area 0, on top 0\n"
            "call \"\", band 20m\n"
            "grid \"KORVANE-2020 worked DXCC 11 of 338 on 20m\"\n"
            "  DL | F | G | I | JA | JA1 | K | K1 | SP\n"
            "  VE | VE3\n");
}

}  // namespace
}  // namespace korvane
