#ifndef KORVANE_DISPLAY_CANVAS_H
#define KORVANE_DISPLAY_CANVAS_H

// The drawing surface the grid and the indicators paint on: GDI executes the commands on
// Windows, the recording canvas keeps them as values. Plain types only, so that the painting
// logic builds and is tested without Windows.

#include <string>

#include "display/indicator.h"

namespace korvane {

// Pixels; right and bottom are exclusive, as in GDI.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  // Moves all four edges k pixels inwards (a negative k moves them outwards).
  Rect Shrunk(int k) const { return Rect{left + k, top + k, right - k, bottom - k}; }
  Rect Grown(int k) const { return Shrunk(-k); }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

// The values are GDI's, so the Windows canvas passes them on unchanged.
enum class BkMode { kTransparent = 1, kOpaque = 2 };
enum class PenStyle { kSolid = 0, kDot = 2 };

struct Pen {
  PenStyle style = PenStyle::kSolid;
  int width = 1;
  Color color = 0;
};

// Format bits of TextInRect, GDI's DrawText flags.
constexpr unsigned kTextCenter = 0x01;
constexpr unsigned kTextVCenter = 0x04;
constexpr unsigned kTextSingleLine = 0x20;

// Names avoid the ones <windows.h> turns into macros (TextOut, DrawText), so that the GDI
// canvas can include it.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // A solid fill of the rectangle; the surface's colours and modes stay as they are.
  virtual void FillRect(const Rect& rect, Color color) = 0;
  // A one-pixel frame on the rectangle's edge: the top row and left column, each less its last
  // pixel, in `topLeft`; the right column and bottom row, whole, in `bottomRight` (so the
  // top-right and bottom-left corners take `bottomRight`).
  virtual void Draw3dRect(const Rect& rect, Color topLeft, Color bottomRight) = 0;
  // The system's dotted XOR frame.
  virtual void DrawFocusRect(const Rect& rect) = 0;
  // Outline with the pen, interior with the surface's current brush (the default one: nothing
  // here selects a brush). The previous pen is back when the call returns.
  virtual void Ellipse(const Rect& rect, const Pen& pen) = 0;
  // Text with its top-left corner at (x, y), in the current text colour and background mode.
  virtual void TextAt(int x, int y, const std::string& text) = 0;
  virtual void TextInRect(const Rect& rect, const std::string& text, unsigned format) = 0;
  // Returns the previous text colour.
  virtual Color SetTextColor(Color color) = 0;
  virtual void SetBkMode(BkMode mode) = 0;
  virtual void SetBkColor(Color color) = 0;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_CANVAS_H
