#ifndef KORVANE_DISPLAY_RECORDING_CANVAS_H
#define KORVANE_DISPLAY_RECORDING_CANVAS_H

// A canvas that keeps every command as a value and prints them as text lines, one per command.
// The tests compare the lines; the headless display prints the texts drawn.

#include <string>
#include <vector>

#include "display/canvas.h"

namespace korvane {

struct CanvasCommand {
  enum class Kind {
    kFillRect,
    kDraw3dRect,
    kDrawFocusRect,
    kEllipse,
    kTextAt,
    kTextInRect,
    kSetTextColor,
    kSetBkMode,
    kSetBkColor,
  };
  Kind kind = Kind::kFillRect;
  Rect rect;
  Color color = 0;   // fill, text or background colour; top-left colour of a 3-D frame
  Color color2 = 0;  // bottom-right colour of a 3-D frame
  Pen pen;
  int x = 0;
  int y = 0;
  std::string text;
  unsigned format = 0;
  BkMode mode = BkMode::kOpaque;
};

// One line per command:
//   fill L,T,R,B 0xC6FAFF
//   frame3d L,T,R,B 0x02FFFFFF 0x027F7F7F        (top-left colour, then bottom-right)
//   focusrect L,T,R,B
//   ellipse L,T,R,B pen solid 2 0x808080           (style solid or dot, width, colour)
//   text X,Y "DL"
//   textrect L,T,R,B 0x25 "1"
//   textcolor 0x00FFFF
//   bkmode transparent                             (or opaque)
//   bkcolor 0xFF00FF
// Colours print as six hex digits, eight when palette-relative; texts print their bytes unchanged between quotes.
std::string CommandLine(const CanvasCommand& command);

class RecordingCanvas : public Canvas {
 public:
  void FillRect(const Rect& rect, Color color) override;
  void Draw3dRect(const Rect& rect, Color topLeft, Color bottomRight) override;
  void DrawFocusRect(const Rect& rect) override;
  void Ellipse(const Rect& rect, const Pen& pen) override;
  void TextAt(int x, int y, const std::string& text) override;
  void TextInRect(const Rect& rect, const std::string& text, unsigned format) override;
  Color SetTextColor(Color color) override;
  void SetBkMode(BkMode mode) override;
  void SetBkColor(Color color) override;

  const std::vector<CanvasCommand>& Commands() const { return commands_; }
  std::vector<std::string> Lines() const;
  // The texts drawn, in drawing order.
  std::vector<std::string> Texts() const;
  void Clear() { commands_.clear(); }

 private:
  std::vector<CanvasCommand> commands_;
  Color textColor_ = 0x000000;  // a fresh surface draws black text
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_RECORDING_CANVAS_H
