#include "display/grid_painter.h"

#include <gtest/gtest.h>

#include "display/recording_canvas.h"

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

const Rect kItem{0, 0, 400, 126};

// The rows as the live cycle leaves them for a call worked on 20 m only.
BandTexts RowsWorkedOn20m() {
  BandTexts rows;
  const char* const names[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  for (int i = 0; i < kBandSlots; ++i) rows[i] = {names[i], "   -", "   -", "   -", "   -"};
  rows[3] = {"20m", "RTTY", "12:34", "005", "   -"};
  return rows;
}

TEST(GridGeometry, RowHeightAndHighlight) {
  struct Case {
    const char* name;
    Rect item;
    int band;
    int rowHeight;
    Rect highlight;
  };
  const Case cases[] = {
      {"band_20m", {0, 0, 400, 126}, 3, 18, {0, 72, 400, 80}},
      {"band_160m", {0, 0, 400, 126}, 0, 18, {0, 18, 400, 26}},
      {"band_10m", {0, 0, 400, 126}, 5, 18, {0, 108, 400, 116}},
      {"height_not_a_multiple_of_seven", {0, 0, 296, 196}, 1, 28, {0, 56, 296, 74}},
      {"no_band_yet", {0, 0, 400, 126}, -1, 18, {}},
      {"band_past_10m", {0, 0, 400, 126}, 6, 18, {}},
      {"rows_too_low_for_a_highlight", {0, 0, 400, 70}, 2, 10, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GridRowHeight(c.item), c.rowHeight);
    EXPECT_EQ(GridHighlight(c.item, c.band), c.highlight);
  }
}

TEST(GridGeometry, ButtonFillsTheResizedClientAreaLessItsMargin) {
  struct Case {
    const char* name;
    Rect client;
    Rect button;
  };
  const Case cases[] = {
      {"client_300_by_200", {0, 0, 300, 200}, {1, 1, 297, 197}},
      {"client_404_by_212", {0, 0, 404, 212}, {1, 1, 401, 209}},
  };
  for (const Case& c : cases) EXPECT_EQ(GridButtonRect(c.client), c.button) << c.name;
}

TEST(GridInfoMode, CallWorkedOn20mOnly) {
  RecordingCanvas canvas;
  BandTexts mults;
  mults[3] = {"K1", "DL"};
  PaintGrid(canvas, kItem, "DL1ABC", 3, RowsWorkedOn20m(), mults);
  const Lines expected = {
      "fill 0,0,400,126 0xC6FFFF",
      "fill 0,72,400,80 0xFFFFC6",
      "bkmode transparent",
      "text 20,18 \"Band\"",
      "text 100,18 \"Mode\"",
      "text 140,0 \"DL1ABC\"",
      "text 178,18 \"Time\"",
      "text 265,18 \"NR\"",
      "text 20,18 \"160m\"",
      "text 100,18 \"   -\"",
      "text 180,18 \"   -\"",
      "text 260,18 \"   -\"",
      "text 20,36 \"80m\"",
      "text 100,36 \"   -\"",
      "text 180,36 \"   -\"",
      "text 260,36 \"   -\"",
      "text 20,54 \"40m\"",
      "text 100,54 \"   -\"",
      "text 180,54 \"   -\"",
      "text 260,54 \"   -\"",
      "text 20,72 \"20m\"",
      "text 100,72 \"RTTY\"",
      "text 180,72 \"12:34\"",
      "text 260,72 \"005\"",
      "text 20,90 \"15m\"",
      "text 100,90 \"   -\"",
      "text 180,90 \"   -\"",
      "text 260,90 \"   -\"",
      "text 20,108 \"10m\"",
      "text 100,108 \"   -\"",
      "text 180,108 \"   -\"",
      "text 260,108 \"   -\"",
  };
  EXPECT_EQ(canvas.Lines(), expected);
  // Info mode leaves the worked list alone.
  EXPECT_EQ(mults[3], (std::vector<std::string>{"K1", "DL"}));
}

TEST(GridInfoMode, NoBandDrawsNoHighlight) {
  RecordingCanvas canvas;
  BandTexts mults;
  PaintGrid(canvas, kItem, "DL1ABC", -1, RowsWorkedOn20m(), mults);
  const Lines lines = canvas.Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "fill 0,0,400,126 0xC6FFFF");
  EXPECT_EQ(lines[1], "bkmode transparent");
}

// Rows are empty before the first session starts; a short row draws the texts it has.
TEST(GridInfoMode, ShortRowsDrawWhatTheyHold) {
  RecordingCanvas canvas;
  BandTexts rows;
  rows[0] = {"160m", "RTTY"};
  BandTexts mults;
  PaintGrid(canvas, kItem, "K1AA", 0, rows, mults);
  const Lines expected = {
      "fill 0,0,400,126 0xC6FFFF",
      "fill 0,18,400,26 0xFFFFC6",
      "bkmode transparent",
      "text 20,18 \"Band\"",
      "text 100,18 \"Mode\"",
      "text 140,0 \"K1AA\"",
      "text 178,18 \"Time\"",
      "text 265,18 \"NR\"",
      "text 20,18 \"160m\"",
      "text 100,18 \"RTTY\"",
  };
  EXPECT_EQ(canvas.Lines(), expected);
}

TEST(GridListMode, OnlyTheBackgroundWithoutLabels) {
  struct Case {
    const char* name;
    int band;
    std::vector<std::string> list;  // the list of band row 3
  };
  const Case cases[] = {
      {"no_band_yet", -1, {"DL"}},
      {"band_past_10m", 6, {"DL"}},
      {"nothing_worked_on_the_band", 3, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    BandTexts mults;
    mults[3] = c.list;
    PaintGrid(canvas, kItem, "", c.band, BandTexts{}, mults);
    Lines expected = {"fill 0,0,400,126 0xC6FAFF"};
    if (c.band == 3) expected.push_back("bkmode transparent");
    EXPECT_EQ(canvas.Lines(), expected);
  }
}

TEST(GridListMode, SortsTheSharedListInPlaceAndDrawsItInOrder) {
  RecordingCanvas canvas;
  BandTexts mults;
  mults[3] = {"K1", "DL", "9A"};
  mults[2] = {"VE3", "DL"};
  PaintGrid(canvas, kItem, "", 3, BandTexts{}, mults);
  const Lines expected = {
      "fill 0,0,400,126 0xC6FAFF",
      "bkmode transparent",
      "text 5,0 \"9A\"",
      "text 45,0 \"DL\"",
      "text 85,0 \"K1\"",
  };
  EXPECT_EQ(canvas.Lines(), expected);
  EXPECT_EQ(mults[3], (std::vector<std::string>{"9A", "DL", "K1"}));
  EXPECT_EQ(mults[2], (std::vector<std::string>{"VE3", "DL"}));
}

TEST(GridListMode, SortComparesBytes) {
  std::vector<std::string> list = {"dl", "\xC4L", "DL", "D", "9A", "DL"};
  ListModeLabels(list, 400);
  EXPECT_EQ(list, (std::vector<std::string>{"9A", "D", "DL", "DL", "dl", "\xC4L"}));
}

TEST(GridListMode, WrapsWhenTheNextLabelWouldPassRightLess40) {
  struct Case {
    const char* name;
    int right;
    int perLine;
  };
  const Case cases[] = {
      {"width_400", 400, 9},
      {"width_399", 399, 9},
      {"width_405", 405, 10},
      {"width_364", 364, 8},
      {"narrower_than_one_label", 30, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> list;
    for (int i = 0; i < 2 * c.perLine + 1; ++i) list.push_back(std::string(1, 'A' + i));
    const std::vector<GridLabel> labels = ListModeLabels(list, c.right);
    ASSERT_EQ(labels.size(), list.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const int column = static_cast<int>(i) % c.perLine;
      const int line = static_cast<int>(i) / c.perLine;
      EXPECT_EQ(labels[i], (GridLabel{5 + 40 * column, 15 * line, list[i]})) << "label " << i;
    }
  }
}

TEST(GridListMode, TenthLabelOpensTheSecondLine) {
  RecordingCanvas canvas;
  BandTexts mults;
  mults[1] = {"F", "G", "HA", "I", "JA1", "K1", "LA", "OK", "SP", "UA"};
  PaintGrid(canvas, kItem, "", 1, BandTexts{}, mults);
  const Lines expected = {
      "fill 0,0,400,126 0xC6FAFF",
      "bkmode transparent",
      "text 5,0 \"F\"",
      "text 45,0 \"G\"",
      "text 85,0 \"HA\"",
      "text 125,0 \"I\"",
      "text 165,0 \"JA1\"",
      "text 205,0 \"K1\"",
      "text 245,0 \"LA\"",
      "text 285,0 \"OK\"",
      "text 325,0 \"SP\"",
      "text 5,15 \"UA\"",
  };
  EXPECT_EQ(canvas.Lines(), expected);
}

}  // namespace
}  // namespace korvane
