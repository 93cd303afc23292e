#ifndef KORVANE_DISPLAY_CHECKLISTS_H
#define KORVANE_DISPLAY_CHECKLISTS_H

// The tabbed DXCC window's six continent pages as data: every box in row order with its caption
// and the worked-list strings that tick it.

#include <array>
#include <string>
#include <vector>

#include "display/canvas.h"

namespace korvane {

constexpr int kChecklistPageCount = 6;

struct ChecklistBox {
  std::string caption;
  // The box shows worked when the band's worked list holds one of these, byte for byte.
  std::vector<std::string> keys;
  // A hidden, disabled box: its flag is never set nor cleared.
  bool hidden = false;
};

struct ChecklistPage {
  std::string continent;  // "EU"
  std::string tabText;    // "   EU "
  int templateId = 0;
  std::vector<ChecklistBox> boxes;  // rows from the top, each row from left to right
};

// The pages in tab order: EU, AF, AS, NA, SA, OC.
const std::array<ChecklistPage, kChecklistPageCount>& ChecklistPages();

// One worked flag per box (0 or 1), per page in tab order, boxes in the pages' order.
using ChecklistFlags = std::array<std::vector<int>, kChecklistPageCount>;
ChecklistFlags EmptyChecklistFlags();

// Clears every flag but the hidden box's, then sets the flags of the boxes that one of the band's
// worked multipliers names.
void SetWorkedFlags(const std::vector<std::string>& workedMults, ChecklistFlags* flags);

// Where the visible page stands in the tabbed window's client area, from the tab control's
// window size in pixels: at (13, 44), 7 pixels narrower and 38 lower than the tab control.
Rect ChecklistPageRect(int tabWidth, int tabHeight);

// Which page the tabbed window shows, and so which tab is selected.
class ChecklistPager {
 public:
  // Shows page `index` and selects its tab; an index outside 0 to 5 (the -1 that the tab control
  // reports when no tab has the focus) changes nothing. False when nothing changed for that reason.
  bool ShowPage(int index);
  // The window is shown: every show starts again on the Europe page.
  void OnShown() { ShowPage(0); }
  // -1 before the first ShowPage.
  int Visible() const { return visible_; }

 private:
  int visible_ = -1;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_CHECKLISTS_H
