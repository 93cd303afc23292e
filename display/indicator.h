#ifndef KORVANE_DISPLAY_INDICATOR_H
#define KORVANE_DISPLAY_INDICATOR_H

// A coloured indicator: a face colour and a label colour that another part may change at any
// time; the indicator repaints at once.

#include <cstdint>

namespace korvane {

// A Windows colour value, 0x00BBGGRR.
using Color = std::uint32_t;

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

 private:
  Color faceColor_ = 0;
  Color textColor_ = 0;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_INDICATOR_H
