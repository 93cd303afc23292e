#include "display/recording_canvas.h"

#include <functional>

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct LineCase {
  const char* name;
  std::function<void(Canvas&)> draw;
  const char* line;
};

TEST(RecordingCanvas, PrintsEachCommandAsOneLine) {
  const LineCase cases[] = {
      {"fill", [](Canvas& c) { c.FillRect({0, 0, 400, 126}, 0xC6FAFF); }, "fill 0,0,400,126 0xC6FAFF"},
      {"fill_black", [](Canvas& c) { c.FillRect({-1, 2, 3, 4}, 0); }, "fill -1,2,3,4 0x000000"},
      {"frame_palette_greys",
       [](Canvas& c) { c.Draw3dRect({0, 0, 10, 10}, 0x02FFFFFF, 0x027F7F7F); },
       "frame3d 0,0,10,10 0x02FFFFFF 0x027F7F7F"},
      {"focus", [](Canvas& c) { c.DrawFocusRect({2, 2, 8, 8}); }, "focusrect 2,2,8,8"},
      {"ellipse_solid",
       [](Canvas& c) { c.Ellipse({1, 1, 9, 9}, Pen{PenStyle::kSolid, 2, 0x808080}); },
       "ellipse 1,1,9,9 pen solid 2 0x808080"},
      {"ellipse_dot",
       [](Canvas& c) { c.Ellipse({4, 4, 6, 6}, Pen{PenStyle::kDot, 1, 0x010101}); },
       "ellipse 4,4,6,6 pen dot 1 0x010101"},
      {"text", [](Canvas& c) { c.TextAt(5, 15, "VK0"); }, "text 5,15 \"VK0\""},
      {"text_raw_bytes", [](Canvas& c) { c.TextAt(0, 0, "\xC4\xE8\xE0\xEF"); },
       "text 0,0 \"\xC4\xE8\xE0\xEF\""},
      {"text_in_rect", [](Canvas& c) { c.TextInRect({0, 0, 17, 10}, "1", 0x25); },
       "textrect 0,0,17,10 0x25 \"1\""},
      {"text_color", [](Canvas& c) { c.SetTextColor(0x00FFFF); }, "textcolor 0x00FFFF"},
      {"bk_transparent", [](Canvas& c) { c.SetBkMode(BkMode::kTransparent); }, "bkmode transparent"},
      {"bk_opaque", [](Canvas& c) { c.SetBkMode(BkMode::kOpaque); }, "bkmode opaque"},
      {"bk_color", [](Canvas& c) { c.SetBkColor(0xFF00FF); }, "bkcolor 0xFF00FF"},
  };
  for (const LineCase& row : cases) {
    SCOPED_TRACE(row.name);
    RecordingCanvas canvas;
    row.draw(canvas);
    EXPECT_EQ(canvas.Lines(), std::vector<std::string>{row.line});
  }
}

TEST(RecordingCanvas, TextColorReturnsThePreviousOneStartingBlack) {
  RecordingCanvas canvas;
  EXPECT_EQ(canvas.SetTextColor(0x00FFFF), 0x000000u);
  EXPECT_EQ(canvas.SetTextColor(0x010101), 0x00FFFFu);
}

TEST(RecordingCanvas, TextsListsDrawnTextsInOrder) {
  RecordingCanvas canvas;
  canvas.FillRect({0, 0, 1, 1}, 0);
  canvas.TextAt(5, 0, "9A");
  canvas.SetBkMode(BkMode::kTransparent);
  canvas.TextInRect({0, 0, 1, 1}, "1", 0x25);
  canvas.TextAt(45, 0, "DL");
  EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{"9A", "1", "DL"}));
  canvas.Clear();
  EXPECT_TRUE(canvas.Lines().empty());
}

}  // namespace
}  // namespace korvane
