#ifndef KORVANE_DISPLAY_GRID_PAINTER_H
#define KORVANE_DISPLAY_GRID_PAINTER_H

// The worked-bands grid. Info mode, while a call is being typed: a header and one row per band
// telling where that call was worked, the tuned band's row highlighted. List mode otherwise:
// the multipliers worked on the tuned band, sorted, as a flowing grid of short labels.

#include <array>
#include <string>
#include <vector>

#include "display/canvas.h"
#include "engine/info.h"

namespace korvane {

// One list of texts per band row, "160m" to "10m": the grid rows and the worked lists.
using BandTexts = std::array<std::vector<std::string>, kBandSlots>;

constexpr Color kListBackground = 0xC6FAFF;
constexpr Color kInfoBackground = 0xC6FFFF;
constexpr Color kBandHighlight = 0xFFFFC6;

// Where the grid control goes when the window is resized: one pixel in from the client area's
// top-left corner, as wide as right - 4 and as high as bottom - 4.
Rect GridButtonRect(const Rect& client);

// Seven rows share the control's height: the header and the six bands.
int GridRowHeight(const Rect& item);
// The tuned band's row less its lowest 10 pixels; empty when there is no band row or no room.
Rect GridHighlight(const Rect& item, int band);

struct GridLabel {
  int x = 0;
  int y = 0;
  std::string text;
  bool operator==(const GridLabel& o) const { return x == o.x && y == o.y && text == o.text; }
};

// Sorts `mults` in place, ascending by bytes, and places the labels: 40 pixels apart from
// x = 5, a new line 15 pixels lower once x would pass right - 40 (nine on a 400-pixel line).
std::vector<GridLabel> ListModeLabels(std::vector<std::string>& mults, int right);

// Paints the grid in `item` (top-left at 0, 0). `workedMults` is the engine's own table: list
// mode sorts the tuned band's list in place, so the caller holds the engine's lock. A band
// outside 0 to 5 counts as none. Rows with fewer than four texts draw the texts they have.
void PaintGrid(Canvas& canvas, const Rect& item, const std::string& currentCall, int currentBand,
               const BandTexts& callInfoRows, BandTexts& workedMults);

}  // namespace korvane

#endif  // KORVANE_DISPLAY_GRID_PAINTER_H
