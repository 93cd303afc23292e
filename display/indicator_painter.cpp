#include "display/indicator_painter.h"

#include <cstdlib>

namespace korvane {

namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kGrey = 0x808080;
// Near-black rather than black: the sunken ring and the focus dots.
constexpr Color kNearBlack = 0x010101;

// A palette-relative grey: the device picks the closest palette entry.
Color PaletteGrey(int level) {
  const Color g = static_cast<Color>(level);
  return 0x02000000u | (g << 16) | (g << 8) | g;
}

}  // namespace

RingColors BorderRingColors(int ring, int rings) {
  if (rings == 1) return {kWhite, kGrey};
  return {PaletteGrey(63 / ring + 192), PaletteGrey(255 / (ring + 1))};
}

void DrawnObject::DrawLabel(Canvas& canvas, Rect rect, const std::string& text, Color color) {
  const Color old = canvas.SetTextColor(color);
  canvas.SetBkMode(BkMode::kTransparent);
  canvas.TextInRect(rect, text, kLabelFormat);
  canvas.SetTextColor(old);
}

void DrawnRect::Fill(Canvas& canvas, Rect rect, Color color) { canvas.FillRect(rect, color); }

void DrawnRect::DrawBorder(Canvas& canvas, Rect rect, int depth) {
  const int rings = std::abs(depth);
  for (int c = 1; c <= rings; ++c) {
    const RingColors colors = BorderRingColors(c, rings);
    if (depth > 0) {
      canvas.Draw3dRect(rect, colors.light, colors.dark);
    } else {
      canvas.Draw3dRect(rect, colors.dark, colors.light);
    }
    rect = rect.Shrunk(1);
  }
}

void DrawnRect::DrawFocus(Canvas& canvas, Rect rect, Color) { canvas.DrawFocusRect(rect); }

void DrawnRect::Draw(Canvas& canvas, Rect rect, unsigned state, Color face) {
  Fill(canvas, rect, face);
  DrawBorder(canvas, rect, 2);
  if (state & kItemFocus) {
    // Pressed without focus draws as released: only a focused press sinks the ring.
    if (state & kItemSelected) DrawBorder(canvas, rect, -1);
    DrawFocus(canvas, rect.Shrunk(2), face);
  }
}

void DrawnEllipse::DrawBorder(Canvas& canvas, Rect rect, int depth) {
  canvas.Ellipse(rect, Pen{PenStyle::kSolid, 2, depth < 0 ? kNearBlack : kGrey});
}

void DrawnEllipse::Fill(Canvas& canvas, Rect rect, Color color) {
  // Overlapping rings three pixels wide cover the whole ellipse.
  const Pen pen{PenStyle::kSolid, 3, color};
  while (!rect.IsEmpty()) {
    rect = rect.Shrunk(1);
    canvas.Ellipse(rect, pen);
  }
}

void DrawnEllipse::DrawFocus(Canvas& canvas, Rect rect, Color color) {
  // The gaps of the dotted line take the background colour: the face.
  canvas.SetBkMode(BkMode::kOpaque);
  canvas.SetBkColor(color);
  canvas.Ellipse(rect, Pen{PenStyle::kDot, 1, kNearBlack});
}

void DrawnEllipse::Draw(Canvas& canvas, Rect rect, unsigned state, Color face) {
  Rect r = rect.Shrunk(1);
  DrawBorder(canvas, r, 2);
  r = r.Shrunk(1);
  Fill(canvas, r, face);
  if (state & kItemFocus) {
    if (state & kItemSelected) {
      DrawBorder(canvas, r.Grown(1), -1);
      DrawBorder(canvas, r, -1);
    }
    Fill(canvas, r, face);
    r = r.Shrunk(2);
    DrawFocus(canvas, r, face);
    // The focus ellipse filled its inside with the surface's brush; paint the face back.
    r = r.Shrunk(1);
    Fill(canvas, r, face);
  }
}

void PaintIndicator(Canvas& canvas, const Rect& item, unsigned state, const Indicator& indicator,
                    const std::string& text) {
  DrawnRect rectShape;
  DrawnEllipse ellipseShape;
  DrawnObject& shape = indicator.Shape() == IndicatorShape::kEllipse
                           ? static_cast<DrawnObject&>(ellipseShape)
                           : static_cast<DrawnObject&>(rectShape);
  shape.Draw(canvas, item, state, indicator.FaceColor());
  const Color label = (state & kItemDisabled) ? indicator.DisabledTextColor() : indicator.TextColor();
  shape.DrawLabel(canvas, item, text.substr(0, kMaxLabelLength), label);
}

}  // namespace korvane
