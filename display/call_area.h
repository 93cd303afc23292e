#ifndef KORVANE_DISPLAY_CALL_AREA_H
#define KORVANE_DISPLAY_CALL_AREA_H

// The call-area window's 40 marks: one flag and one indicator per country and digit, in the order
// K1..K9 K0, VE1..VE0, JA1..JA0, VK1..VK0.

#include <array>
#include <string>
#include <vector>

#include "display/indicator.h"

namespace korvane {

constexpr int kCallAreaCount = 40;
constexpr int kAreaCountries = 4;

constexpr Color kAreaFaceOpen = 0x00FF00;
constexpr Color kAreaTextOpen = 0x010101;
constexpr Color kAreaFaceWorked = 0xFF00FF;
constexpr Color kAreaTextWorked = 0x00FFFF;
constexpr Color kAreaTextDisabled = 0x808080;

// "K", "VE", "JA", "VK": the countries in flag order.
extern const char* const kAreaCountryPrefixes[kAreaCountries];

// What the window's initialisation does to each indicator: bind it with the not-worked colours,
// make it an ellipse and repaint it.
void BindCallAreaIndicator(Indicator& indicator);

// The label an index stands for: the country's prefix and the digit of its caption ("K1", "VE0").
std::string CallAreaKey(int index);

// A band's worked call areas, per country in flag order (K, VE, JA, VK).
using AreaLists = std::array<std::vector<std::string>, kAreaCountries>;

class CallAreaMarks {
 public:
  explicit CallAreaMarks(const std::array<Indicator*, kCallAreaCount>& indicators)
      : indicators_(indicators) {}

  // Every flag to 0, then every indicator, in index order, back to the not-worked colours.
  void Reset();
  // Marks are only added: a label whose flag is still 0 and that a list entry names exactly gets
  // flag 1 and the worked colours on its own indicator.
  void MarkWorked(const AreaLists& lists);
  int Flag(int index) const { return flags_[index]; }

 private:
  std::array<int, kCallAreaCount> flags_{};
  std::array<Indicator*, kCallAreaCount> indicators_;
};

}  // namespace korvane

#endif  // KORVANE_DISPLAY_CALL_AREA_H
