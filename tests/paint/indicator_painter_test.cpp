#include "display/indicator_painter.h"

#include <gtest/gtest.h>

#include "display/recording_canvas.h"

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

constexpr Color kGreen = 0x00FF00;
constexpr Color kMagenta = 0xFF00FF;

TEST(BorderRings, LightAndDarkPerRing) {
  struct Case {
    const char* name;
    int ring;
    int rings;
    Color light;
    Color dark;
  };
  const Case cases[] = {
      {"single_ring_white_over_grey", 1, 1, 0xFFFFFF, 0x808080},
      {"ring_1_of_2", 1, 2, 0x02FFFFFF, 0x027F7F7F},
      {"ring_2_of_2", 2, 2, 0x02DFDFDF, 0x02555555},
      {"ring_3_of_3", 3, 3, 0x02D5D5D5, 0x023F3F3F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RingColors colors = BorderRingColors(c.ring, c.rings);
    EXPECT_EQ(colors.light, c.light);
    EXPECT_EQ(colors.dark, c.dark);
  }
}

TEST(DrawnRect, BorderRingsShrinkInwards) {
  struct Case {
    const char* name;
    int depth;
    Lines lines;
  };
  const Case cases[] = {
      {"flat", 0, {}},
      {"raised_1", 1, {"frame3d 0,0,10,10 0xFFFFFF 0x808080"}},
      {"sunken_1", -1, {"frame3d 0,0,10,10 0x808080 0xFFFFFF"}},
      {"raised_2", 2,
       {"frame3d 0,0,10,10 0x02FFFFFF 0x027F7F7F", "frame3d 1,1,9,9 0x02DFDFDF 0x02555555"}},
      {"sunken_2", -2,
       {"frame3d 0,0,10,10 0x027F7F7F 0x02FFFFFF", "frame3d 1,1,9,9 0x02555555 0x02DFDFDF"}},
      {"raised_3", 3,
       {"frame3d 0,0,10,10 0x02FFFFFF 0x027F7F7F", "frame3d 1,1,9,9 0x02DFDFDF 0x02555555",
        "frame3d 2,2,8,8 0x02D5D5D5 0x023F3F3F"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    DrawnRect().DrawBorder(canvas, {0, 0, 10, 10}, c.depth);
    EXPECT_EQ(canvas.Lines(), c.lines);
  }
}

TEST(DrawnRect, DrawByItemState) {
  const Lines released = {
      "fill 0,0,20,12 0x00FF00",
      "frame3d 0,0,20,12 0x02FFFFFF 0x027F7F7F",
      "frame3d 1,1,19,11 0x02DFDFDF 0x02555555",
  };
  Lines focused = released;
  focused.push_back("focusrect 2,2,18,10");
  Lines pressed = released;
  pressed.push_back("frame3d 0,0,20,12 0x808080 0xFFFFFF");
  pressed.push_back("focusrect 2,2,18,10");
  struct Case {
    const char* name;
    unsigned state;
    Lines lines;
  };
  const Case cases[] = {
      {"released", 0, released},
      {"disabled_draws_the_same_face", kItemDisabled, released},
      {"selected_without_focus_looks_released", kItemSelected, released},
      {"focus", kItemFocus, focused},
      {"focus_and_selected_sinks_the_outer_ring", kItemFocus | kItemSelected, pressed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    DrawnRect().Draw(canvas, {0, 0, 20, 12}, c.state, kGreen);
    EXPECT_EQ(canvas.Lines(), c.lines);
  }
}

TEST(DrawnEllipse, FillDrawsShrinkingRingsUntilTheRectIsEmpty) {
  RecordingCanvas canvas;
  DrawnEllipse().Fill(canvas, {0, 0, 10, 10}, kMagenta);
  const Lines expected = {
      "ellipse 1,1,9,9 pen solid 3 0xFF00FF",
      "ellipse 2,2,8,8 pen solid 3 0xFF00FF",
      "ellipse 3,3,7,7 pen solid 3 0xFF00FF",
      "ellipse 4,4,6,6 pen solid 3 0xFF00FF",
      "ellipse 5,5,5,5 pen solid 3 0xFF00FF",
  };
  EXPECT_EQ(canvas.Lines(), expected);

  RecordingCanvas empty;
  DrawnEllipse().Fill(empty, {4, 4, 4, 9}, kMagenta);
  EXPECT_TRUE(empty.Lines().empty());
}

TEST(DrawnEllipse, BorderAndFocusPens) {
  struct Case {
    const char* name;
    void (*draw)(Canvas&);
    Lines lines;
  };
  const Case cases[] = {
      {"raised_border_grey", [](Canvas& c) { DrawnEllipse().DrawBorder(c, {1, 1, 9, 9}, 2); },
       {"ellipse 1,1,9,9 pen solid 2 0x808080"}},
      {"flat_border_grey", [](Canvas& c) { DrawnEllipse().DrawBorder(c, {1, 1, 9, 9}, 0); },
       {"ellipse 1,1,9,9 pen solid 2 0x808080"}},
      {"sunken_border_near_black", [](Canvas& c) { DrawnEllipse().DrawBorder(c, {1, 1, 9, 9}, -1); },
       {"ellipse 1,1,9,9 pen solid 2 0x010101"}},
      {"focus_dots_over_the_face",
       [](Canvas& c) { DrawnEllipse().DrawFocus(c, {4, 4, 8, 8}, kGreen); },
       {"bkmode opaque", "bkcolor 0x00FF00", "ellipse 4,4,8,8 pen dot 1 0x010101"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    c.draw(canvas);
    EXPECT_EQ(canvas.Lines(), c.lines);
  }
}

TEST(DrawnEllipse, DrawByItemState) {
  const Lines border = {"ellipse 1,1,11,11 pen solid 2 0x808080"};
  const Lines fill = {
      "ellipse 3,3,9,9 pen solid 3 0x00FF00",
      "ellipse 4,4,8,8 pen solid 3 0x00FF00",
      "ellipse 5,5,7,7 pen solid 3 0x00FF00",
      "ellipse 6,6,6,6 pen solid 3 0x00FF00",
  };
  const Lines focus = {
      "bkmode opaque",
      "bkcolor 0x00FF00",
      "ellipse 4,4,8,8 pen dot 1 0x010101",
      "ellipse 6,6,6,6 pen solid 3 0x00FF00",
  };
  const Lines sunken = {
      "ellipse 1,1,11,11 pen solid 2 0x010101",
      "ellipse 2,2,10,10 pen solid 2 0x010101",
  };
  auto join = [](std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  struct Case {
    const char* name;
    unsigned state;
    Lines lines;
  };
  const Case cases[] = {
      {"released", 0, join({border, fill})},
      {"selected_without_focus_looks_released", kItemSelected, join({border, fill})},
      {"focus", kItemFocus, join({border, fill, fill, focus})},
      {"focus_and_selected", kItemFocus | kItemSelected, join({border, fill, sunken, fill, focus})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingCanvas canvas;
    DrawnEllipse().Draw(canvas, {0, 0, 12, 12}, c.state, kGreen);
    EXPECT_EQ(canvas.Lines(), c.lines);
  }
}

TEST(DrawnObject, LabelIsCentredAndPutsTheTextColourBack) {
  RecordingCanvas canvas;
  canvas.SetTextColor(0x123456);
  canvas.Clear();
  DrawnRect().DrawLabel(canvas, {0, 0, 17, 10}, "5", 0x00FFFF);
  const Lines expected = {
      "textcolor 0x00FFFF",
      "bkmode transparent",
      "textrect 0,0,17,10 0x25 \"5\"",
      "textcolor 0x123456",
  };
  EXPECT_EQ(canvas.Lines(), expected);
}

// An indicator that paints itself into a recording canvas on every Redraw.
class PaintedIndicator : public Indicator {
 public:
  void Redraw() override {
    ++repaints;
    canvas.Clear();
    PaintIndicator(canvas, {0, 0, 20, 12}, state, *this, text);
  }
  RecordingCanvas canvas;
  int repaints = 0;
  unsigned state = 0;
  std::string text = "7";
};

TEST(PaintIndicator, ShapeAndLabelColourByState) {
  struct Case {
    const char* name;
    IndicatorShape shape;
    unsigned state;
    Lines lines;
  };
  const Lines rectFace = {
      "fill 0,0,20,12 0x00FF00",
      "frame3d 0,0,20,12 0x02FFFFFF 0x027F7F7F",
      "frame3d 1,1,19,11 0x02DFDFDF 0x02555555",
  };
  auto withLabel = [](Lines lines, const char* color) {
    lines.push_back(std::string("textcolor ") + color);
    lines.push_back("bkmode transparent");
    lines.push_back("textrect 0,0,20,12 0x25 \"7\"");
    lines.push_back("textcolor 0x000000");
    return lines;
  };
  const Case cases[] = {
      {"rectangle", IndicatorShape::kRect, 0, withLabel(rectFace, "0x010101")},
      {"rectangle_disabled", IndicatorShape::kRect, kItemDisabled, withLabel(rectFace, "0x808080")},
      {"ellipse_disabled", IndicatorShape::kEllipse, kItemDisabled,
       withLabel({"ellipse 1,1,19,11 pen solid 2 0x808080",
                  "ellipse 3,3,17,9 pen solid 3 0x00FF00", "ellipse 4,4,16,8 pen solid 3 0x00FF00",
                  "ellipse 5,5,15,7 pen solid 3 0x00FF00", "ellipse 6,6,14,6 pen solid 3 0x00FF00"},
                 "0x808080")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PaintedIndicator indicator;
    indicator.SetBoundColors(kGreen, 0x010101, 0x808080);
    indicator.SetShape(c.shape);
    indicator.state = c.state;
    indicator.Redraw();
    EXPECT_EQ(indicator.canvas.Lines(), c.lines);
  }
}

TEST(PaintIndicator, RecolouringRepaintsAtOnce) {
  PaintedIndicator indicator;
  indicator.SetShape(IndicatorShape::kEllipse);
  indicator.SetBoundColors(kGreen, 0x010101, 0x808080);
  EXPECT_EQ(indicator.repaints, 0);
  EXPECT_EQ(indicator.Shape(), IndicatorShape::kRect);  // binding starts over as a rectangle
  indicator.SetShape(IndicatorShape::kEllipse);
  indicator.Redraw();
  EXPECT_TRUE(indicator.SetFaceColor(kMagenta));
  EXPECT_TRUE(indicator.SetTextColor(0x00FFFF));
  EXPECT_EQ(indicator.repaints, 3);
  const Lines expected = {
      "ellipse 1,1,19,11 pen solid 2 0x808080",
      "ellipse 3,3,17,9 pen solid 3 0xFF00FF",
      "ellipse 4,4,16,8 pen solid 3 0xFF00FF",
      "ellipse 5,5,15,7 pen solid 3 0xFF00FF",
      "ellipse 6,6,14,6 pen solid 3 0xFF00FF",
      "textcolor 0x00FFFF",
      "bkmode transparent",
      "textrect 0,0,20,12 0x25 \"7\"",
      "textcolor 0x000000",
  };
  EXPECT_EQ(indicator.canvas.Lines(), expected);
}

TEST(PaintIndicator, LongTextIsCutTo511Characters) {
  PaintedIndicator indicator;
  indicator.text = std::string(600, 'x');
  indicator.Redraw();
  EXPECT_EQ(indicator.canvas.Texts(), std::vector<std::string>{std::string(511, 'x')});
}

}  // namespace
}  // namespace korvane
