#include "display/recording_canvas.h"

#include "engine/format.h"

namespace korvane {

namespace {

std::string RectText(const Rect& r) { return Format("%d,%d,%d,%d", r.left, r.top, r.right, r.bottom); }

// Six hex digits, eight for palette-relative colours (top byte 0x02).
std::string ColorText(Color c) {
  return Format(c > 0xFFFFFF ? "0x%08X" : "0x%06X", static_cast<unsigned>(c));
}

}  // namespace

std::string CommandLine(const CanvasCommand& c) {
  using Kind = CanvasCommand::Kind;
  switch (c.kind) {
    case Kind::kFillRect:
      return "fill " + RectText(c.rect) + " " + ColorText(c.color);
    case Kind::kDraw3dRect:
      return "frame3d " + RectText(c.rect) + " " + ColorText(c.color) + " " + ColorText(c.color2);
    case Kind::kDrawFocusRect:
      return "focusrect " + RectText(c.rect);
    case Kind::kEllipse:
      return "ellipse " + RectText(c.rect) + " pen " +
             (c.pen.style == PenStyle::kDot ? "dot " : "solid ") + std::to_string(c.pen.width) + " " +
             ColorText(c.pen.color);
    case Kind::kTextAt:
      return Format("text %d,%d \"", c.x, c.y) + c.text + "\"";
    case Kind::kTextInRect:
      return "textrect " + RectText(c.rect) + Format(" 0x%X \"", c.format) + c.text + "\"";
    case Kind::kSetTextColor:
      return "textcolor " + ColorText(c.color);
    case Kind::kSetBkMode:
      return c.mode == BkMode::kTransparent ? "bkmode transparent" : "bkmode opaque";
    case Kind::kSetBkColor:
      return "bkcolor " + ColorText(c.color);
  }
  return "?";
}

void RecordingCanvas::FillRect(const Rect& rect, Color color) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kFillRect;
  c.rect = rect;
  c.color = color;
  commands_.push_back(std::move(c));
}

void RecordingCanvas::Draw3dRect(const Rect& rect, Color topLeft, Color bottomRight) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kDraw3dRect;
  c.rect = rect;
  c.color = topLeft;
  c.color2 = bottomRight;
  commands_.push_back(std::move(c));
}

void RecordingCanvas::DrawFocusRect(const Rect& rect) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kDrawFocusRect;
  c.rect = rect;
  commands_.push_back(std::move(c));
}

void RecordingCanvas::Ellipse(const Rect& rect, const Pen& pen) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kEllipse;
  c.rect = rect;
  c.pen = pen;
  commands_.push_back(std::move(c));
}

void RecordingCanvas::TextAt(int x, int y, const std::string& text) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kTextAt;
  c.x = x;
  c.y = y;
  c.text = text;
  commands_.push_back(std::move(c));
}

void RecordingCanvas::TextInRect(const Rect& rect, const std::string& text, unsigned format) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kTextInRect;
  c.rect = rect;
  c.text = text;
  c.format = format;
  commands_.push_back(std::move(c));
}

Color RecordingCanvas::SetTextColor(Color color) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kSetTextColor;
  c.color = color;
  commands_.push_back(std::move(c));
  Color previous = textColor_;
  textColor_ = color;
  return previous;
}

void RecordingCanvas::SetBkMode(BkMode mode) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kSetBkMode;
  c.mode = mode;
  commands_.push_back(std::move(c));
}

void RecordingCanvas::SetBkColor(Color color) {
  CanvasCommand c;
  c.kind = CanvasCommand::Kind::kSetBkColor;
  c.color = color;
  commands_.push_back(std::move(c));
}

std::vector<std::string> RecordingCanvas::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(commands_.size());
  for (const CanvasCommand& c : commands_) lines.push_back(CommandLine(c));
  return lines;
}

std::vector<std::string> RecordingCanvas::Texts() const {
  std::vector<std::string> texts;
  for (const CanvasCommand& c : commands_) {
    if (c.kind == CanvasCommand::Kind::kTextAt || c.kind == CanvasCommand::Kind::kTextInRect) {
      texts.push_back(c.text);
    }
  }
  return texts;
}

}  // namespace korvane
