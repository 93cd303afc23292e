#include <gtest/gtest.h>

#include "display/headless_display.h"
#include "display/indicator_painter.h"
#include "display/recording_canvas.h"

namespace korvane {
namespace {

TEST(CallAreaKey, FlagOrderIsKVeJaVkWithDigitsOneToZero) {
  struct Case {
    int index;
    const char* key;
  };
  const Case cases[] = {{0, "K1"},  {8, "K9"},  {9, "K0"},   {10, "VE1"}, {19, "VE0"},
                        {20, "JA1"}, {29, "JA0"}, {30, "VK1"}, {39, "VK0"}, {40, ""}};
  for (const Case& c : cases) EXPECT_EQ(CallAreaKey(c.index), c.key) << c.index;
}

class CallAreaMarksTest : public ::testing::Test {
 protected:
  PlainCallAreaWindow window{false};
  CallAreaMarks& marks = window.Marks();
};

// A new window's indicators are green ellipses with near-black digits, grey while disabled.
TEST_F(CallAreaMarksTest, NewWindowBindsGreenEllipses) {
  const std::vector<std::string> ellipse = {
      "ellipse 1,1,16,9 pen solid 2 0x808080", "ellipse 3,3,14,7 pen solid 3 0x00FF00",
      "ellipse 4,4,13,6 pen solid 3 0x00FF00", "ellipse 5,5,12,5 pen solid 3 0x00FF00"};
  struct Case {
    const char* name;
    unsigned state;
    const char* label;
  };
  const Case cases[] = {{"enabled", 0, "textcolor 0x010101"},
                        {"disabled", kItemDisabled, "textcolor 0x808080"}};
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    PaintIndicator(canvas, {0, 0, 17, 10}, c.state, window.indicators[39], "0");
    std::vector<std::string> expected = ellipse;
    expected.insert(expected.end(), {c.label, "bkmode transparent",
                                     "textrect 0,0,17,10 0x25 \"0\"", "textcolor 0x000000"});
    EXPECT_EQ(canvas.Lines(), expected) << c.name;
  }
}

TEST_F(CallAreaMarksTest, EachLabelMarksItsOwnIndicatorOnly) {
  for (int target = 0; target < kCallAreaCount; ++target) {
    PlainCallAreaWindow fresh(false);
    AreaLists lists;
    lists[target / 10] = {"K", CallAreaKey(target) + "0", CallAreaKey(target)};
    fresh.Marks().MarkWorked(lists);
    for (int i = 0; i < kCallAreaCount; ++i) {
      const bool mine = i == target;
      SCOPED_TRACE(CallAreaKey(target) + " looking at " + CallAreaKey(i));
      EXPECT_EQ(fresh.Marks().Flag(i), mine ? 1 : 0);
      EXPECT_EQ(fresh.indicators[i].FaceColor(), mine ? kAreaFaceWorked : kAreaFaceOpen);
      EXPECT_EQ(fresh.indicators[i].TextColor(), mine ? kAreaTextWorked : kAreaTextOpen);
      EXPECT_EQ(fresh.indicators[i].redraws, mine ? 2 : 0);
    }
  }
}

TEST_F(CallAreaMarksTest, LabelsOfAnotherCountrysListMarkNothing) {
  AreaLists lists;
  lists[1] = {"K1", "JA1"};  // the VE list
  lists[0] = {"VE1", "k1", "K1 "};
  marks.MarkWorked(lists);
  for (int i = 0; i < kCallAreaCount; ++i) EXPECT_EQ(marks.Flag(i), 0) << CallAreaKey(i);
}

TEST_F(CallAreaMarksTest, ASecondMatchIsSkipped) {
  AreaLists lists;
  lists[0] = {"K1", "K1"};
  marks.MarkWorked(lists);
  marks.MarkWorked(lists);
  EXPECT_EQ(window.indicators[0].redraws, 2);
}

TEST_F(CallAreaMarksTest, ResetTurnsEveryIndicatorGreen) {
  AreaLists lists;
  lists[2] = {"JA1"};
  marks.MarkWorked(lists);
  marks.Reset();
  for (int i = 0; i < kCallAreaCount; ++i) {
    EXPECT_EQ(marks.Flag(i), 0);
    EXPECT_EQ(window.indicators[i].FaceColor(), kAreaFaceOpen);
    EXPECT_EQ(window.indicators[i].TextColor(), kAreaTextOpen);
    EXPECT_EQ(window.indicators[i].redraws, i == 20 ? 4 : 2);
  }
}

}  // namespace
}  // namespace korvane
