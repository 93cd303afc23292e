#include "tools/replay/country_file.h"

#include <gtest/gtest.h>

#include "tools/replay/contest_log.h"

namespace korvane::replay {
namespace {

CountryFile Load(bool withStarred = false) {
  std::string text, error;
  EXPECT_TRUE(ReadLogFile(KORVANE_SOURCE_DIR "/tests/replay/data/cty-excerpt.dat", &text, &error))
      << error;
  CountryFile countries;
  EXPECT_TRUE(countries.Parse(text, withStarred, &error)) << error;
  return countries;
}

struct CallCase {
  const char* name;
  const char* call;
  bool found;
  const char* prefix;
  const char* continent;
  const char* area;
};
void PrintTo(const CallCase& row, std::ostream* out) { *out << row.name; }

class ResolveTest : public testing::TestWithParam<CallCase> {};

TEST_P(ResolveTest, GivesPrefixContinentAndArea) {
  static const CountryFile countries = Load();
  const CallCase& c = GetParam();
  const Resolution r = countries.Resolve(c.call);
  EXPECT_EQ(r.found, c.found);
  EXPECT_EQ(r.prefix, c.prefix);
  EXPECT_EQ(r.continent, c.continent);
  EXPECT_EQ(r.area, c.area);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ResolveTest,
    testing::Values(
        CallCase{"Plain", "DL1ABC", true, "DL", "EU", "DL1ABC"},
        CallCase{"SmallLetters", "dl1abc", true, "DL", "EU", "DL1ABC"},
        CallCase{"LongestPrefixWins", "KH6ABC", true, "KH6", "OC", "KH6ABC"},
        CallCase{"ShorterPrefixOfSameLetters", "K6ABC", true, "K", "NA", "K6ABC"},
        CallCase{"AsiaticRussia", "UA9ABC", true, "UA9", "AS", "UA9ABC"},
        CallCase{"EuropeanRussia", "UA1ABC", true, "UA", "EU", "UA1ABC"},
        CallCase{"ExactCallBeforePrefix", "K7XX", true, "KL", "NA", "K7XX"},
        CallCase{"ExactCallOnlyWhole", "K7XXA", true, "K", "NA", "K7XXA"},
        CallCase{"ExactCallWithSlash", "9M2/PG5M", true, "1S", "AS", "9M2/PG5M"},
        CallCase{"ContinentOverrideOnPrefix", "UA9FAB", true, "UA9", "EU", "UA9FAB"},
        CallCase{"ContinentOverrideOnExactCall", "RK9XX", true, "UA9", "EU", "RK9XX"},
        CallCase{"OperatingSuffixIgnored", "K1ABC/P", true, "K", "NA", "K1ABC/P"},
        CallCase{"QrpSuffixIgnored", "JA1ABC/QRP", true, "JA", "AS", "JA1ABC/QRP"},
        CallCase{"ExactCallWithOperatingSuffix", "K7XX/P", true, "KL", "NA", "K7XX/P"},
        CallCase{"PortablePrefixFirst", "VE3/DL1ABC", true, "VE", "NA", "VE3"},
        CallCase{"PortablePrefixLast", "DL1ABC/VE3", true, "VE", "NA", "VE3"},
        CallCase{"PortablePrefixWithoutDigit", "F/DL1ABC", true, "F", "EU", "F"},
        CallCase{"PortablePrefixAndSuffix", "VE3/DL1ABC/P", true, "VE", "NA", "VE3"},
        CallCase{"PortableHawaii", "KH6/K1ABC", true, "KH6", "OC", "KH6"},
        CallCase{"AreaDigitSuffix", "K1ABC/4", true, "K", "NA", "K4ABC"},
        CallCase{"AreaDigitMovesEntity", "UA1ABC/9", true, "UA9", "AS", "UA9ABC"},
        CallCase{"PartNamingNoEntity", "DL1ABC/X", true, "DL", "EU", "DL1ABC/X"},
        CallCase{"MaritimeMobile", "K1ABC/MM", false, "", "", "K1ABC/MM"},
        CallCase{"AeronauticalMobile", "DL1ABC/AM", false, "", "", "DL1ABC/AM"},
        CallCase{"NoMatch", "Q1ABC", false, "", "", "Q1ABC"},
        CallCase{"StarredEntitySkipped", "IT9ABC", true, "I", "EU", "IT9ABC"},
        CallCase{"Empty", "", false, "", "", ""}),
    [](const testing::TestParamInfo<CallCase>& row) { return row.param.name; });

TEST(CountryFileTest, StarredEntitiesCountWhenAsked) {
  const CountryFile countries = Load(true);
  const Resolution r = countries.Resolve("IT9ABC");
  EXPECT_EQ(r.prefix, "IT9");
  EXPECT_EQ(r.continent, "EU");
  EXPECT_EQ(countries.Resolve("IB9T").prefix, "IT9");
  EXPECT_EQ(countries.Resolve("I1ABC").prefix, "I");
}

struct BrokenCase {
  const char* name;
  const char* text;
  const char* error;
};
void PrintTo(const BrokenCase& row, std::ostream* out) { *out << row.name; }

class BrokenCountryFileTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenCountryFileTest, IsRefusedWithLineAndReason) {
  CountryFile countries;
  std::string error;
  EXPECT_FALSE(countries.Parse(GetParam().text, false, &error));
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenCountryFileTest,
    testing::Values(
        BrokenCase{"NoSemicolonAtEnd", "Japan: 25: 45: AS: 36.40: -138.38: -9.0: JA:\n    JA,JE,\n",
                   "the entity JA has no ';' at the end of the file"},
        BrokenCase{"HeaderInsideEntity",
                   "Japan: 25: 45: AS: 36.40: -138.38: -9.0: JA:\n    JA,\n"
                   "Canada: 05: 09: NA: 44.35: 78.75: 5.0: VE:\n    VE;\n",
                   "line 3: entity header before the ';' that ends the entity JA"},
        BrokenCase{"ShortHeader", "Japan: 25: 45: AS:\n    JA;\n",
                   "line 1: entity header with fewer than 8 fields"},
        BrokenCase{"PrefixesFirst", "    JA;\n", "line 1: prefixes outside an entity"},
        BrokenCase{"NotACountryFile", "\n\n", "no entities"}),
    [](const testing::TestParamInfo<BrokenCase>& row) { return row.param.name; });

}  // namespace
}  // namespace korvane::replay
