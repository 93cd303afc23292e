#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/ole_date.h"
#include "engine_support.h"

namespace korvane::testing {
namespace {

// 14 March 2020 is day 43904.
constexpr double kDay = 43904.0;

struct DateCase {
  const char* name;
  OleDate date;
  const char* format;
  const char* expected;
};
void PrintTo(const DateCase& row, std::ostream* os) { *os << row.name; }

class FormatDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(FormatDateTest, FormatsAsTheHostsDateClass) {
  EXPECT_EQ(FormatOleDate(GetParam().date, GetParam().format), GetParam().expected);
}

OleDate Valid(double value) { return OleDate{value, DateStatus::kValid}; }

INSTANTIATE_TEST_SUITE_P(
    Dates, FormatDateTest,
    ::testing::Values(
        DateCase{"JournalForm", Valid(kDay + (14 * 60 + 12) / 1440.0), "%Y-%m-%d %H%M", "2020-03-14 1412"},
        // 14:12 a hair below its exact value must not print 1411.
        DateCase{"BelowMinuteByRoundingError",
                 Valid(std::nextafter(kDay + 852.0 / 1440.0, 0.0)), "%H%M", "1412"},
        DateCase{"SumOfMinutes", Valid(kDay + 0.5 + 132 * (1.0 / 1440.0)), "%H%M", "1412"},
        DateCase{"HalfSecondRoundsUp", Valid(kDay + (51119.5 + 1e-4) / 86400.0), "%H:%M:%S", "14:12:00"},
        DateCase{"BelowHalfSecondRoundsDown", Valid(kDay + 51119.4 / 86400.0), "%H:%M:%S", "14:11:59"},
        DateCase{"LastSecondRoundsIntoNextDay", Valid(kDay + 86399.7 / 86400.0), "%Y-%m-%d %H%M", "2020-03-15 0000"},
        DateCase{"DayMonth", Valid(kDay), "%d.%m", "14.03"},
        DateCase{"Year", Valid(kDay), "%Y", "2020"},
        DateCase{"EndDate", Valid(kDay + 1), "%d.%m.%Y", "15.03.2020"},
        DateCase{"JournalNameDate", Valid(kDay + 1), "%d_%m_%Y", "15_03_2020"},
        DateCase{"LeapDay", Valid(MakeOleDate(2020, 2, 29, 23, 59)), "%Y-%m-%d %H%M", "2020-02-29 2359"},
        DateCase{"DayZero", Valid(0.0), "%Y-%m-%d %H%M", "1899-12-30 0000"},
        DateCase{"BeforeDayZeroTimeIsTheFraction", Valid(-1.25), "%Y-%m-%d %H%M", "1899-12-29 0600"},
        DateCase{"FirstDayOfRange", Valid(-657434.0), "%d.%m", "01.01"},
        DateCase{"LastDayOfRange", Valid(2958465.5), "%Y-%m-%d %H%M", "9999-12-31 1200"},
        DateCase{"BeforeRange", Valid(-657435.0), "%Y", "Invalid DateTime"},
        DateCase{"AfterRange", Valid(2958466.0), "%Y", "Invalid DateTime"},
        DateCase{"RoundsPastRange", Valid(2958465.0 + 86399.8 / 86400.0), "%Y", "Invalid DateTime"},
        DateCase{"NotANumber", Valid(std::numeric_limits<double>::quiet_NaN()), "%Y", "Invalid DateTime"},
        DateCase{"Infinite", Valid(std::numeric_limits<double>::infinity()), "%Y", "Invalid DateTime"},
        DateCase{"InvalidStatus", OleDate{kDay, DateStatus::kInvalid}, "%Y", "Invalid DateTime"},
        DateCase{"UnknownStatus", OleDate{kDay, static_cast<DateStatus>(7)}, "%Y", "Invalid DateTime"},
        DateCase{"NullStatus", OleDate{kDay, DateStatus::kNull}, "%Y", ""},
        DateCase{"Weekday", Valid(kDay), "%a %j", "Sat 074"}),
    CaseName<DateCase>);

TEST(OleDateTest, MakeAndSplitAreInverse) {
  DateFields f;
  ASSERT_TRUE(SplitOleDate(MakeOleDate(1999, 12, 31, 23, 59, 59), &f));
  EXPECT_EQ(f.year, 1999);
  EXPECT_EQ(f.month, 12);
  EXPECT_EQ(f.day, 31);
  EXPECT_EQ(f.hour, 23);
  EXPECT_EQ(f.minute, 59);
  EXPECT_EQ(f.second, 59);
  EXPECT_DOUBLE_EQ(MakeOleDate(2020, 3, 14), kDay);
}

struct SameCase {
  const char* name;
  OleDate a;
  OleDate b;
  bool same;
};
void PrintTo(const SameCase& row, std::ostream* os) { *os << row.name; }

class SameDateTest : public ::testing::TestWithParam<SameCase> {};

TEST_P(SameDateTest, ComparesStatusAndValue) {
  EXPECT_EQ(SameOleDate(GetParam().a, GetParam().b), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, SameDateTest,
    ::testing::Values(SameCase{"EqualValid", Valid(kDay), Valid(kDay), true},
                      SameCase{"OneSecondApart", Valid(kDay), Valid(kDay + 1 / 86400.0), false},
                      SameCase{"NullsWhateverValue", OleDate{1, DateStatus::kNull}, OleDate{2, DateStatus::kNull}, true},
                      SameCase{"InvalidsNever", OleDate{kDay, DateStatus::kInvalid}, OleDate{kDay, DateStatus::kInvalid}, false},
                      SameCase{"StatusDiffers", Valid(kDay), OleDate{kDay, DateStatus::kNull}, false}),
    CaseName<SameCase>);

}  // namespace
}  // namespace korvane::testing
