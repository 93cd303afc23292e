#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "display/checklists.h"

namespace korvane {
namespace {

using Ticks = std::set<std::string>;  // "EU UA2"

Ticks Checked(const ChecklistFlags& flags) {
  Ticks out;
  const auto& pages = ChecklistPages();
  for (int p = 0; p < kChecklistPageCount; ++p) {
    for (size_t b = 0; b < pages[p].boxes.size(); ++b) {
      if (flags[p][b] != 0) out.insert(pages[p].continent + " " + pages[p].boxes[b].caption);
    }
  }
  return out;
}

TEST(ChecklistPages, TabsTemplatesAndRows) {
  struct Page {
    const char* tab;
    int templateId;
    size_t boxes;
    const char* first;
    const char* last;
  };
  const Page expected[kChecklistPageCount] = {
      {"   EU ", 118, 70, "1A0", "ZB"}, {"   AF ", 119, 73, "3B6", "ZS8"},
      {"   AS ", 120, 56, "1S", "YK"},  {"   NA ", 121, 50, "4U1U", "YV0"},
      {"   SA ", 123, 31, "8R", "3Y/p"}, {"   OC ", 122, 54, "3D2", "ZL9"},
  };
  for (int p = 0; p < kChecklistPageCount; ++p) {
    const ChecklistPage& page = ChecklistPages()[p];
    SCOPED_TRACE(page.continent);
    EXPECT_EQ(page.tabText, expected[p].tab);
    EXPECT_EQ(page.templateId, expected[p].templateId);
    ASSERT_EQ(page.boxes.size(), expected[p].boxes);
    EXPECT_EQ(page.boxes.front().caption, expected[p].first);
    EXPECT_EQ(page.boxes.back().caption, expected[p].last);
  }
}

TEST(ChecklistPages, BoxesThatAreNotTheirOwnKey) {
  struct Box {
    int page;
    size_t index;
    const char* caption;
    std::vector<std::string> keys;
    bool hidden;
  };
  const Box boxes[] = {
      {0, 61, "UA2", {"UA2", "UA2/f"}, false},
      {1, 8, "3W", {}, true},
      {1, 9, "3Y/b", {"3Y"}, false},
      {1, 63, " TZ           ", {"TZ"}, false},
      {0, 66, "Z6", {"Z6"}, false},
      {2, 10, "9M2", {"9M2"}, false},
  };
  for (const Box& box : boxes) {
    const ChecklistBox& actual = ChecklistPages()[box.page].boxes[box.index];
    EXPECT_EQ(actual.caption, box.caption);
    EXPECT_EQ(actual.keys, box.keys) << box.caption;
    EXPECT_EQ(actual.hidden, box.hidden) << box.caption;
  }
}

TEST(SetWorkedFlags, MatchKeys) {
  struct Case {
    const char* name;
    std::vector<std::string> worked;
    Ticks checked;
  };
  const Case cases[] = {
      {"empty list", {}, {}},
      {"UA2/f ticks UA2", {"UA2/f"}, {"EU UA2"}},
      {"UA2 itself", {"UA2"}, {"EU UA2"}},
      {"3Y ticks the Africa box only", {"3Y"}, {"AF 3Y/b"}},
      {"captions with a suffix are no keys", {"3Y/b", "3Y/p"}, {"SA 3Y/p"}},
      {"TZ without its blanks", {"TZ"}, {"AF  TZ           "}},
      {"A9 is not AP", {"A9"}, {"AS A9"}},
      {"call-area labels tick nothing", {"K1", "VE3", "JA0", "VK9"}, {}},
      {"3W is the Asia box", {"3W"}, {"AS 3W"}},
      {"case counts", {"dl", "Ua2"}, {}},
      {"one prefix on two pages", {"E4", "SU"}, {"AF E4", "AS E4", "AF SU", "AS SU"}},
      {"boxes left without keys before", {"4O", "E7", "HB0", "3C", "5U", "9N", "AP", "FW", "H4", "H40", "JD/m"},
       {"EU 4O", "EU E7", "EU HB0", "AF 3C", "AF 5U", "AS 9N", "AS AP", "OC FW", "OC H4", "OC H40",
        "OC JD/m"}},
  };
  for (const Case& c : cases) {
    ChecklistFlags flags = EmptyChecklistFlags();
    SetWorkedFlags(c.worked, &flags);
    EXPECT_EQ(Checked(flags), c.checked) << c.name;
  }
}

TEST(SetWorkedFlags, ClearsEveryFlagButTheHiddenBox) {
  ChecklistFlags flags = EmptyChecklistFlags();
  for (auto& page : flags) page.assign(page.size(), 1);
  SetWorkedFlags({"DL"}, &flags);
  EXPECT_EQ(Checked(flags), (Ticks{"EU DL", "AF 3W"}));
}

TEST(ChecklistPager, EveryShowOfTheWindowStartsOnEurope) {
  ChecklistPager pager;
  pager.OnShown();
  EXPECT_EQ(pager.Visible(), 0);
  pager.ShowPage(4);
  pager.OnShown();
  EXPECT_EQ(pager.Visible(), 0);
}

TEST(ChecklistPageRect, InsideTheTabControl) {
  const Rect page = ChecklistPageRect(415, 197);
  EXPECT_EQ(page, (Rect{13, 44, 421, 203}));
}

TEST(ChecklistPager, ShowsOnlyPagesZeroToFive) {
  ChecklistPager pager;
  EXPECT_EQ(pager.Visible(), -1);
  EXPECT_TRUE(pager.ShowPage(0));
  EXPECT_TRUE(pager.ShowPage(5));
  EXPECT_EQ(pager.Visible(), 5);
  EXPECT_FALSE(pager.ShowPage(-1));
  EXPECT_FALSE(pager.ShowPage(6));
  EXPECT_EQ(pager.Visible(), 5);
}

}  // namespace
}  // namespace korvane
