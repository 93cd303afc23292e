#ifndef KORVANE_DISPLAY_INDICATOR_H
#define KORVANE_DISPLAY_INDICATOR_H

// A coloured indicator: a face colour and a label colour that another part may change at any
// time; the indicator repaints at once.

#include <cstdint>

namespace korvane {

// A Windows colour value, 0x00BBGGRR.
using Color = std::uint32_t;

// What a freshly bound indicator draws is a rectangle; the call-area window asks for ellipses.
enum class IndicatorShape { kRect = 0, kEllipse = 1 };

class Indicator {
 public:
  virtual ~Indicator() = default;
  bool SetTextColor(Color color) {
    textColor_ = color;
    Redraw();
    return true;
  }
  bool SetFaceColor(Color color) {
    faceColor_ = color;
    Redraw();
    return true;
  }
  Color FaceColor() const { return faceColor_; }
  Color TextColor() const { return textColor_; }
  // Repaints the control now; nothing to do where no control is shown.
  virtual void Redraw() {}

  // What binding to a control sets: the three colours and the rectangle shape, without a
  // repaint (the control is not shown owner-drawn yet).
  void SetBoundColors(Color face, Color text, Color disabledText) {
    faceColor_ = face;
    textColor_ = text;
    disabledTextColor_ = disabledText;
    shape_ = IndicatorShape::kRect;
  }
  // The owner calls Redraw after changing the shape.
  void SetShape(IndicatorShape shape) { shape_ = shape; }
  IndicatorShape Shape() const { return shape_; }
  // The label colour while the control is disabled.
  Color DisabledTextColor() const { return disabledTextColor_; }

 private:
  Color faceColor_ = 0;
  Color textColor_ = 0;
  Color disabledTextColor_ = 0;
  IndicatorShape shape_ = IndicatorShape::kRect;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_INDICATOR_H
