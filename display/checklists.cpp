#include "display/checklists.h"

#include <sstream>

namespace korvane {
namespace {

struct PageRows {
  const char* continent;
  int templateId;
  std::vector<const char*> rows;
};

// Captions as the pages show them, one string per row; the Africa page's hidden "3W" stands at
// the place of "3X".
const PageRows kPageRows[kChecklistPageCount] = {
    {"EU", 118,
     {"1A0 3A 4O 4U1I 4U1V 9A 9H C3 CT CU", "DL E7 EA EA6 EI ER ES EU F G",
      "GD GI GJ GM GU GW HA HB HB0 HV", "I IS IT JW JX LA LX LY LZ OE",
      "OH OH0 OJ0 OK OM ON OY OZ PA R1FJ", "S5 SM SP SV SV5 SV9 T7 TA1 TF TK",
      "UA UA2 UR YL YO YU Z6 Z3 ZA ZB"}},
    {"AF", 119,
     {"3B6 3B8 3B9 3C 3C0 3DA 3V 3X 3W 3Y/b", "5A 5H 5N 5R 5T 5U 5V 5X 5Z",
      "6W 7P 7Q 7X 9J 9L 9Q 9U 9X", "A2 C5 C9 CN D2 D4 D6 E3 E4",
      "EA8 EA9 EL ET FH FR FT/j FT/t FT/w", "FT/x FT/z J2 J5 S0 S7 S9 ST SU",
      "T5 TJ TL TN TR TT TU TY TZ", "VK0H XT Z2 Z8 ZD7 ZD8 ZD9 ZS ZS8"}},
    {"AS", 120,
     {"1S 3W 4J 4L 4S 4X 5B 7O 8Q", "9K 9M2 9N 9V A4 A5 A6 A7 A9", "AP BS7 BV BV9P BY E4 EK EP EX",
      "EY EZ HL HS HZ JA JD/o JT JY", "OD P5 S2 SU TA UA9 UK UN VR", "VU VU4 VU7 XU XW XX9 XZ YA YI",
      "ZC4 YK"}},
    {"NA", 121,
     {"4U1U 6Y 8P C6 CM CY0 CY9 FG", "FJ FM FO/c FP FS HH HI HK0/a", "HP HR J7 J8 K KG4 KL KP1",
      "J3 J6 KP2 KP4 KP5 OX PJ5 PJ7", "TG TI TI9 V2 V3 V4 VE VP2E",
      "VP2M VP2V VP5 VP9 XE XF4 YN YS", "ZF YV0"}},
    {"SA", 123,
     {"8R 9Y CE CE0X CE0Y CE0Z CP CX", "FY HC HC8 HK HK0 LU OA P4",
      "PJ2 PJ4 PY0P PY0T PZ VP8 VP8/g VP8/h", "VP8/o PY PY0F VP8/s YV ZP 3Y/p"}},
    {"OC", 122,
     {"3D2 4W 5W 9M6 A3 C2 DU E5", "E6 FK FO FO0 FW H4 H40 JD/m",
      "KH0 KH1 KH2 KH3 KH4 KH5 KH5K KH6", "KH7K KH8 KH8/s KH9 P2 T2 T30 T31",
      "T32 T33 T8 V6 V7 V8 VK VK0", "VK9C VK9L VK9M VK9N VK9W VK9X VP6 YB",
      "YJ ZK3 ZL ZL7 ZL8 ZL9"}},
};

// Boxes whose caption is not their only key. Every other box is ticked by its caption.
struct BoxException {
  const char* continent;
  const char* word;  // the caption as written in the rows above
  const char* caption;
  std::vector<const char*> keys;
  bool hidden;
};

const BoxException kExceptions[] = {
    {"EU", "UA2", "UA2", {"UA2", "UA2/f"}, false},
    {"AF", "3Y/b", "3Y/b", {"3Y"}, false},
    {"AF", "TZ", " TZ           ", {"TZ"}, false},
    // Drawn nowhere and never ticked: the Asia page carries the 3W box that counts.
    {"AF", "3W", "3W", {}, true},
};

std::array<ChecklistPage, kChecklistPageCount> BuildPages() {
  std::array<ChecklistPage, kChecklistPageCount> pages;
  for (int p = 0; p < kChecklistPageCount; ++p) {
    const PageRows& source = kPageRows[p];
    ChecklistPage& page = pages[p];
    page.continent = source.continent;
    page.tabText = std::string("   ") + source.continent + " ";
    page.templateId = source.templateId;
    for (const char* row : source.rows) {
      std::istringstream words(row);
      std::string word;
      while (words >> word) {
        ChecklistBox box{word, {word}, false};
        for (const BoxException& exception : kExceptions) {
          if (page.continent == exception.continent && word == exception.word) {
            box.caption = exception.caption;
            box.keys.assign(exception.keys.begin(), exception.keys.end());
            box.hidden = exception.hidden;
          }
        }
        page.boxes.push_back(std::move(box));
      }
    }
  }
  return pages;
}

}  // namespace

const std::array<ChecklistPage, kChecklistPageCount>& ChecklistPages() {
  static const std::array<ChecklistPage, kChecklistPageCount> pages = BuildPages();
  return pages;
}

ChecklistFlags EmptyChecklistFlags() {
  ChecklistFlags flags;
  for (int p = 0; p < kChecklistPageCount; ++p) {
    flags[p].assign(ChecklistPages()[p].boxes.size(), 0);
  }
  return flags;
}

void SetWorkedFlags(const std::vector<std::string>& workedMults, ChecklistFlags* flags) {
  const auto& pages = ChecklistPages();
  for (int p = 0; p < kChecklistPageCount; ++p) {
    std::vector<int>& pageFlags = (*flags)[p];
    pageFlags.resize(pages[p].boxes.size(), 0);
    for (size_t b = 0; b < pages[p].boxes.size(); ++b) {
      const ChecklistBox& box = pages[p].boxes[b];
      if (box.hidden) continue;
      pageFlags[b] = 0;
      for (const std::string& entry : workedMults) {
        for (const std::string& key : box.keys) {
          if (entry == key) pageFlags[b] = 1;
        }
      }
    }
  }
}

Rect ChecklistPageRect(int tabWidth, int tabHeight) {
  return Rect{13, 44, 13 + tabWidth - 7, 44 + tabHeight - 38};
}

bool ChecklistPager::ShowPage(int index) {
  if (index < 0 || index >= kChecklistPageCount) return false;
  visible_ = index;
  return true;
}

}  // namespace korvane
