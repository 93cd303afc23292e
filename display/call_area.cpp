#include "display/call_area.h"

namespace korvane {

const char* const kAreaCountryPrefixes[kAreaCountries] = {"K", "VE", "JA", "VK"};

namespace {
// Each group's captions run 1 to 9, then 0.
char DigitOf(int slot) { return slot == 9 ? '0' : static_cast<char>('1' + slot); }
}  // namespace

void BindCallAreaIndicator(Indicator& indicator) {
  indicator.SetBoundColors(kAreaFaceOpen, kAreaTextOpen, kAreaTextDisabled);
  indicator.SetShape(IndicatorShape::kEllipse);
  indicator.Redraw();
}

std::string CallAreaKey(int index) {
  if (index < 0 || index >= kCallAreaCount) return std::string();
  return std::string(kAreaCountryPrefixes[index / 10]) + DigitOf(index % 10);
}

void CallAreaMarks::Reset() {
  flags_.fill(0);
  for (Indicator* indicator : indicators_) {
    indicator->SetFaceColor(kAreaFaceOpen);
    indicator->SetTextColor(kAreaTextOpen);
  }
}

void CallAreaMarks::MarkWorked(const AreaLists& lists) {
  for (int country = 0; country < kAreaCountries; ++country) {
    for (const std::string& entry : lists[country]) {
      for (int slot = 0; slot < 10; ++slot) {
        const int index = country * 10 + slot;
        if (flags_[index] != 0 || entry != CallAreaKey(index)) continue;
        flags_[index] = 1;
        indicators_[index]->SetFaceColor(kAreaFaceWorked);
        indicators_[index]->SetTextColor(kAreaTextWorked);
      }
    }
  }
}

}  // namespace korvane
