#include "tools/replay/session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace korvane::replay {
namespace {

TEST(SessionLineTest, VerbWordsFieldsQuotesEscapesAndNull) {
  SessionLine line;
  std::string error;
  ASSERT_TRUE(ParseSessionLine(
      "add call=K1ABC own=@null rsts=\"@null\" nrs= soapbox=\"a b\\r\\n\\\"c\\\"\\x41\\xC4\" word\r",
      7, &line, &error))
      << error;
  EXPECT_EQ(line.number, 7);
  EXPECT_EQ(line.verb, "add");
  EXPECT_EQ(line.words, std::vector<std::string>{"word"});
  EXPECT_EQ(line.Get("call"), "K1ABC");
  EXPECT_EQ(line.Get("own"), std::nullopt) << "@null is a null pointer";
  EXPECT_EQ(line.Get("rsts"), "@null") << "quoted, it is the text itself";
  EXPECT_EQ(line.Get("nrs"), "");
  EXPECT_EQ(line.Get("soapbox"), "a b\r\n\"c\"A\xC4");
  EXPECT_EQ(line.Get("absent", "dflt"), "dflt");
}

TEST(SessionLineTest, BlankAndCommentLinesHaveNoVerb) {
  for (const char* text : {"", "   ", "# reset call=X", "  # note"}) {
    SessionLine line;
    std::string error;
    ASSERT_TRUE(ParseSessionLine(text, 1, &line, &error)) << text;
    EXPECT_EQ(line.verb, "") << text;
  }
}

struct BadLine {
  const char* name;
  const char* text;
  const char* error;
};

void PrintTo(const BadLine& row, std::ostream* os) { *os << row.text; }

class BadSessionLineTest : public testing::TestWithParam<BadLine> {};

TEST_P(BadSessionLineTest, IsRefusedWithItsReason) {
  SessionLine line;
  std::string error;
  EXPECT_FALSE(ParseSessionLine(GetParam().text, 1, &line, &error));
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadSessionLineTest,
    testing::Values(BadLine{"UnterminatedQuote", "add call=\"K1ABC", "unterminated quote"},
                    BadLine{"BadHexEscape", "add call=\"\\xG1\"", "bad \\x escape"},
                    BadLine{"UnknownEscape", "add call=\"\\q\"", "unknown escape \\q"},
                    BadLine{"FieldTwice", "add call=A call=B", "field call given twice"}),
    [](const testing::TestParamInfo<BadLine>& row) { return std::string(row.param.name); });

struct DateRow {
  const char* name;
  const char* text;
  bool ok;
  double value;
  DateStatus status;
};

void PrintTo(const DateRow& row, std::ostream* os) { *os << row.text; }

class DateTest : public testing::TestWithParam<DateRow> {};

TEST_P(DateTest, ParsesOrRefuses) {
  OleDate date;
  const DateRow& row = GetParam();
  ASSERT_EQ(ParseDate(row.text, &date), row.ok) << row.text;
  if (!row.ok) return;
  EXPECT_EQ(date.status, row.status);
  EXPECT_NEAR(date.value, row.value, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DateTest,
    testing::Values(
        DateRow{"Day", "2020-03-14", true, 43904.0, DateStatus::kValid},
        DateRow{"Minute", "2020-03-14T14:12", true, 43904.0 + 852.0 / 1440.0, DateStatus::kValid},
        DateRow{"Second", "2020-03-14T14:12:30", true, 43904.0 + 51150.0 / 86400.0,
                DateStatus::kValid},
        DateRow{"LeapDay", "2020-02-29", true, 43890.0, DateStatus::kValid},
        DateRow{"Null", "null", true, 0.0, DateStatus::kNull},
        DateRow{"Invalid", "invalid", true, 0.0, DateStatus::kInvalid},
        DateRow{"RawValue", "ole:43904.5", true, 43904.5, DateStatus::kValid},
        DateRow{"NoLeapDay", "2021-02-29", false, 0, DateStatus::kValid},
        DateRow{"ThirtyFirstOfFebruary", "2020-02-31", false, 0, DateStatus::kValid},
        DateRow{"ThirtyFirstOfApril", "2020-04-31", false, 0, DateStatus::kValid},
        DateRow{"Hour24", "2020-03-14T24:00", false, 0, DateStatus::kValid},
        DateRow{"TrailingText", "2020-03-14T14:12x", false, 0, DateStatus::kValid},
        DateRow{"RawWithoutNumber", "ole:", false, 0, DateStatus::kValid},
        DateRow{"JournalForm", "2020-03-14 1412", false, 0, DateStatus::kValid}),
    [](const testing::TestParamInfo<DateRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace korvane::replay
