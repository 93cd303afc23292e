#ifndef KORVANE_DISPLAY_INDICATOR_PAINTER_H
#define KORVANE_DISPLAY_INDICATOR_PAINTER_H

// The faces of the drawn indicators: a rectangle or an ellipse in the face colour with the
// control's text centred on it. Every operation takes the rectangle by value, so the shrinking
// inside one never moves the caller's.

#include <string>

#include "display/canvas.h"
#include "display/indicator.h"

namespace korvane {

// Owner-draw item state bits as the window system hands them over.
constexpr unsigned kItemSelected = 0x0001;
constexpr unsigned kItemDisabled = 0x0004;
constexpr unsigned kItemFocus = 0x0010;

// Centred, vertically centred, single line.
constexpr unsigned kLabelFormat = kTextCenter | kTextVCenter | kTextSingleLine;

// Windows keeps button texts to this many characters when it reads them for drawing.
constexpr std::size_t kMaxLabelLength = 511;

class DrawnObject {
 public:
  virtual ~DrawnObject() = default;
  virtual void Draw(Canvas& canvas, Rect rect, unsigned state, Color face) = 0;
  // The label in its colour on a transparent background; the old text colour is put back, the
  // background mode stays transparent.
  virtual void DrawLabel(Canvas& canvas, Rect rect, const std::string& text, Color color);
  // depth > 0 raised, < 0 sunken, 0 nothing.
  virtual void DrawBorder(Canvas& canvas, Rect rect, int depth) = 0;
  virtual void Fill(Canvas& canvas, Rect rect, Color color) = 0;
  virtual void DrawFocus(Canvas& canvas, Rect rect, Color color) = 0;
};

class DrawnRect : public DrawnObject {
 public:
  void Draw(Canvas& canvas, Rect rect, unsigned state, Color face) override;
  void DrawBorder(Canvas& canvas, Rect rect, int depth) override;
  void Fill(Canvas& canvas, Rect rect, Color color) override;
  void DrawFocus(Canvas& canvas, Rect rect, Color color) override;
};

class DrawnEllipse : public DrawnObject {
 public:
  void Draw(Canvas& canvas, Rect rect, unsigned state, Color face) override;
  void DrawBorder(Canvas& canvas, Rect rect, int depth) override;
  void Fill(Canvas& canvas, Rect rect, Color color) override;
  void DrawFocus(Canvas& canvas, Rect rect, Color color) override;
};

// Ring c (1-based) of a border `rings` deep: light and dark colour for a raised edge.
struct RingColors {
  Color light;
  Color dark;
};
RingColors BorderRingColors(int ring, int rings);

// One owner-draw request: the indicator's shape in its face colour, then `text` (cut to
// kMaxLabelLength) in the label colour, the disabled one when the state says so.
void PaintIndicator(Canvas& canvas, const Rect& item, unsigned state, const Indicator& indicator,
                    const std::string& text);

}  // namespace korvane

#endif  // KORVANE_DISPLAY_INDICATOR_PAINTER_H
