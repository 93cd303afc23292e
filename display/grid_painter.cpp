#include "display/grid_painter.h"

#include <algorithm>
#include <iterator>

namespace korvane {

namespace {

bool IsBandRow(int band) { return band >= 0 && band < kBandSlots; }

struct HeaderText {
  int x;
  int y;
  const char* text;  // null: the call being typed
};

constexpr HeaderText kHeader[] = {
    {20, 18, "Band"}, {100, 18, "Mode"}, {140, 0, nullptr}, {178, 18, "Time"}, {265, 18, "NR"},
};

// Band name, mode, time and received serial number; a row's fifth text is not drawn.
constexpr int kColumnX[] = {20, 100, 180, 260};

void PaintInfo(Canvas& canvas, const Rect& item, const std::string& currentCall, int currentBand,
               const BandTexts& callInfoRows) {
  canvas.FillRect(item, kInfoBackground);
  const int h = GridRowHeight(item);
  const Rect highlight = GridHighlight(item, currentBand);
  if (!highlight.IsEmpty()) canvas.FillRect(highlight, kBandHighlight);
  canvas.SetBkMode(BkMode::kTransparent);
  for (const HeaderText& t : kHeader) canvas.TextAt(t.x, t.y, t.text ? t.text : currentCall);
  for (int r = 1; r <= kBandSlots; ++r) {
    const std::vector<std::string>& row = callInfoRows[r - 1];
    for (std::size_t col = 0; col < std::size(kColumnX) && col < row.size(); ++col) {
      canvas.TextAt(kColumnX[col], h * r, row[col]);
    }
  }
}

void PaintList(Canvas& canvas, const Rect& item, int currentBand, BandTexts& workedMults) {
  canvas.FillRect(item, kListBackground);
  if (!IsBandRow(currentBand)) return;
  canvas.SetBkMode(BkMode::kTransparent);
  for (const GridLabel& label : ListModeLabels(workedMults[currentBand], item.right)) {
    canvas.TextAt(label.x, label.y, label.text);
  }
}

}  // namespace

Rect GridButtonRect(const Rect& client) {
  const int left = client.left + 1;
  const int top = client.top + 1;
  return Rect{left, top, left + client.right - 4, top + client.bottom - 4};
}

int GridRowHeight(const Rect& item) { return item.bottom / 7; }

Rect GridHighlight(const Rect& item, int band) {
  if (!IsBandRow(band)) return Rect{};
  const int h = GridRowHeight(item);
  const Rect row{0, h * (band + 1), item.right, h * (band + 2) - 10};
  return row.IsEmpty() ? Rect{} : row;
}

std::vector<GridLabel> ListModeLabels(std::vector<std::string>& mults, int right) {
  // std::string compares as unsigned bytes, like the C library's strcmp.
  std::sort(mults.begin(), mults.end());
  std::vector<GridLabel> labels;
  labels.reserve(mults.size());
  int x = 5;
  int y = 0;
  for (const std::string& text : mults) {
    labels.push_back(GridLabel{x, y, text});
    x += 40;
    if (x > right - 40) {
      y += 15;
      x = 5;
    }
  }
  return labels;
}

void PaintGrid(Canvas& canvas, const Rect& item, const std::string& currentCall, int currentBand,
               const BandTexts& callInfoRows, BandTexts& workedMults) {
  if (!currentCall.empty()) {
    PaintInfo(canvas, item, currentCall, currentBand, callInfoRows);
  } else {
    PaintList(canvas, item, currentBand, workedMults);
  }
}

}  // namespace korvane
