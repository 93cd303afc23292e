#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine_support.h"

namespace korvane::testing {
namespace {

struct ExchangeCase {
  const char* name;
  const char* text;
  int expected;
};
void PrintTo(const ExchangeCase& row, std::ostream* os) { *os << row.name; }

class ExchangeTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeTest, JudgesSerialNumber) {
  EXPECT_EQ(Contest::IsValidExchange(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, ExchangeTest,
    ::testing::Values(ExchangeCase{"OneDigit", "1", 1}, ExchangeCase{"LeadingZeros", "0001", 1},
                      ExchangeCase{"FourDigits", "9999", 1},
                      ExchangeCase{"FiveDigits", "12345", 0}, ExchangeCase{"Empty", "", 0},
                      ExchangeCase{"Null", nullptr, 0}, ExchangeCase{"Report599", "599", 0},
                      ExchangeCase{"Padded599", "0599", 1}, ExchangeCase{"TwoDigits", "59", 1},
                      ExchangeCase{"Letter", "12a", 0}, ExchangeCase{"LeadingBlank", " 12", 0},
                      ExchangeCase{"HighByte", "1\xB9", 0}, ExchangeCase{"HighByteOnly", "\xFF", 0},
                      ExchangeCase{"Sign", "+12", 0}),
    CaseName<ExchangeCase>);

// A call as CheckCallFunc0 receives it; nullopt stands for a null pointer.
struct Probe {
  std::optional<std::string> call;
  std::optional<std::string> band = std::string("20m");
  std::optional<std::string> prefix;
  std::optional<std::string> area;  // the call when not given
  std::optional<std::string> mode = std::string("RTTY");
  std::optional<std::string> band2;
  std::optional<std::string> continent = std::string("EU");

  CheckCallArgs Args() const {
    const auto ptr = [](const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; };
    CheckCallArgs a;
    a.call = ptr(call);
    a.mode = ptr(mode);
    a.area = area ? area->c_str() : ptr(call);
    a.prefix = ptr(prefix);
    a.continent = ptr(continent);
    a.band = ptr(band);
    a.band2 = ptr(band2);
    return a;
  }
};

struct CheckCase {
  const char* name;
  Probe probe;
  int expected;
};
void PrintTo(const CheckCase& row, std::ostream* os) { *os << row.name; }

// The log every check runs against: on 20m DL1XX, K1ABC (area 1), VE3AA (area 3) and JA1ZZ
// (area 1); on 15m VK2AB twice, the second a stored duplicate.
class CheckCallTest : public EngineTest, public ::testing::WithParamInterface<CheckCase> {
 protected:
  void SetUp() override {
    StartSession();
    ASSERT_EQ(Add(Station("DL1XX", "20m", "DL", "EU")), 1);
    ASSERT_EQ(Add(Station("K1ABC", "20m", "K", "NA")), 1);
    ASSERT_EQ(Add(Station("VE3AA", "20m", "VE", "NA")), 1);
    ASSERT_EQ(Add(Station("JA1ZZ", "20m", "JA", "AS")), 1);
    ASSERT_EQ(Add(Station("VK2AB", "15m", "VK", "OC")), 1);
    ASSERT_EQ(Add(Station("VK2AB", "15m", "VK", "OC")), 1);  // a stored duplicate
  }
};

TEST_P(CheckCallTest, GivesCode) {
  EXPECT_EQ(contest->CheckCall(GetParam().probe.Args()), GetParam().expected);
  EXPECT_EQ(contest->Tables().qsoLog.size(), 6u) << "a check changes nothing";
}

Probe P(const char* call, const char* band, const char* prefix) {
  Probe p;
  p.call = call;
  p.band = band;
  p.prefix = prefix;
  return p;
}

Probe With(Probe p, std::optional<std::string> Probe::*field, std::optional<std::string> value) {
  p.*field = std::move(value);
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CheckCallTest,
    ::testing::Values(
        CheckCase{"SameCallSameBandIsDupe", P("DL1XX", "20m", "DL"), 0},
        CheckCase{"DupeIgnoresMode", With(P("DL1XX", "20m", "DL"), &Probe::mode, "rtty"), 0},
        CheckCase{"DuplicateRecordStillCounts", P("VK2AB", "15m", "VK"), 0},
        CheckCase{"SameCallOtherBandNewDxcc", P("DL1XX", "40m", "DL"), 2},
        CheckCase{"OtherCallWorkedPrefix", P("DL2YY", "20m", "DL"), 1},
        CheckCase{"CallInSmallLettersNoDupe", P("dl1xx", "20m", "DL"), 1},
        CheckCase{"EmptyPrefixSkipsDupeTest", P("DL1XX", "20m", ""), 1},
        CheckCase{"NullPrefixSkipsDupeTest", With(P("DL1XX", "20m", ""), &Probe::prefix, std::nullopt), 1},
        CheckCase{"NewPrefixOnBand", P("F5AAA", "20m", "F"), 2},
        CheckCase{"BandInCapitalsMatchesNoRecord", P("DL1XX", "20M", "DL"), 2},
        CheckCase{"PrefixComparedExactly", P("DL3ZZ", "20m", "dl"), 2},
        CheckCase{"KnownCallArea", P("K1XYZ", "20m", "K"), 1},
        CheckCase{"NewCallArea", P("K2XYZ", "20m", "K"), 3},
        CheckCase{"LastDigitOfAreaText", With(P("K1XYZ", "20m", "K"), &Probe::area, "x1y2"), 3},
        CheckCase{"NoDigitInAreaText", With(P("KAXYZ", "20m", "K"), &Probe::area, "abc"), 3},
        CheckCase{"NullAreaText", With(P("KAXYZ", "20m", "K"), &Probe::area, std::string()), 3},
        CheckCase{"AreaCountryNewOnBand", P("K1XYZ", "40m", "K"), 2},
        CheckCase{"AreasComparedCountryByCountry", P("JA3AAA", "20m", "JA"), 3},
        CheckCase{"VeKnownArea", P("VE3ZZ", "20m", "VE"), 1},
        CheckCase{"NewVkAreaBesideDuplicate", P("VK9AA", "15m", "VK"), 3},
        CheckCase{"WrongBand", P("DL2YY", "160m", "DL"), 4},
        CheckCase{"EmptyBand", P("DL2YY", "", "DL"), 4},
        CheckCase{"NullBand", With(P("DL2YY", "", "DL"), &Probe::band, std::nullopt), 4},
        CheckCase{"WrongMode", With(P("DL2YY", "20m", "DL"), &Probe::mode, "PSK31"), 4},
        CheckCase{"NullMode", With(P("DL2YY", "20m", "DL"), &Probe::mode, std::nullopt), 4},
        CheckCase{"ModeInSmallLetters", With(P("DL2YY", "20m", "DL"), &Probe::mode, "rtty"), 1},
        CheckCase{"BandsDisagree", With(P("DL2YY", "20m", "DL"), &Probe::band2, "40m"), 4},
        CheckCase{"BandsAgreeIgnoringCase", With(P("DL2YY", "20m", "DL"), &Probe::band2, "20M"), 1},
        CheckCase{"EmptySecondBandDisagrees", With(P("DL2YY", "20m", "DL"), &Probe::band2, ""), 4},
        CheckCase{"NullCall", With(P("", "20m", "DL"), &Probe::call, std::nullopt), 1},
        CheckCase{"LongTexts", P(std::string(5000, 'K').c_str(), "20m", "K"), 3},
        CheckCase{"HighBytes", P("\xC4\xD6\xDC", "20m", "\xC4"), 2}),
    CaseName<CheckCase>);

struct VersionCase {
  const char* name;
  std::optional<std::string> telkLine;  // nullopt: no host settings file in the host folder
  int expected;
};
void PrintTo(const VersionCase& row, std::ostream* os) { *os << row.name; }

class RejectionCodeTest : public EngineTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(RejectionCodeTest, FollowsHostVersion) {
  if (GetParam().telkLine) {
    files.names = {"Telk2.ini"};
    WriteBytes(dir.Slash() + "Telk2.ini", "[Telk]\r\n" + *GetParam().telkLine + "\r\n");
  }
  StartSession();
  EXPECT_EQ(contest->CheckCall(P("DL2YY", "160m", "DL").Args()), GetParam().expected);
  EXPECT_EQ(contest->CheckCall(With(P("DL2YY", "20m", "DL"), &Probe::mode, "CW").Args()),
            GetParam().expected);
  EXPECT_EQ(contest->CheckCall(With(P("DL2YY", "20m", "DL"), &Probe::band2, "40m").Args()),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, RejectionCodeTest,
    ::testing::Values(VersionCase{"NoHostSettings", std::nullopt, 4},
                      VersionCase{"V219", std::string("Telk=2.19"), 1},
                      VersionCase{"V220", std::string("Telk=2.20"), 1},
                      VersionCase{"V221", std::string("Telk=2.21"), 4},
                      VersionCase{"V218", std::string("Telk=2.18"), 4},
                      VersionCase{"TrailingBlank", std::string("Telk=2.19 "), 4},
                      VersionCase{"KeyInOtherCase", std::string("telk=2.19"), 4}),
    CaseName<VersionCase>);

TEST_F(EngineTest, CheckBeforeAnySessionWorksOnEmptyTables) {
  EXPECT_EQ(contest->CheckCall(P("DL1XX", "20m", "DL").Args()), 2);
  EXPECT_EQ(contest->CheckCall(P("DL1XX", "160m", "DL").Args()), 4) << "no version known yet";
}

TEST_F(EngineTest, CheckPostsOneRefreshUntilTheCycleRearms) {
  StartSession();
  display.setupAlive = true;
  EXPECT_EQ(contest->CheckCall(P("DL1XX", "160m", "DL").Args()), 4);
  EXPECT_EQ(poster.posts, 1) << "posted before any check, whatever the result";
  EXPECT_EQ(display.refreshArmed.load(), 0);
  contest->CheckCall(P("DL1XX", "20m", "DL").Args());
  EXPECT_EQ(poster.posts, 1);
  display.refreshArmed = 1;  // the live cycle ended
  contest->CheckCall(P("DL1XX", "20m", "DL").Args());
  EXPECT_EQ(poster.posts, 2);
}

TEST_F(EngineTest, CheckWithoutSetupWindowPostsNothing) {
  StartSession();
  contest->CheckCall(P("DL1XX", "20m", "DL").Args());
  EXPECT_EQ(poster.posts, 0);
  EXPECT_EQ(display.refreshArmed.load(), 1);
}

TEST_F(EngineTest, RemovalRearmsAndPostsEvenWhilePending) {
  StartSession();
  display.setupAlive = true;
  contest->CheckCall(P("DL1XX", "20m", "DL").Args());
  ASSERT_EQ(display.refreshArmed.load(), 0);
  Remove(Station("DL1XX", "20m", "DL", "EU"));
  EXPECT_EQ(poster.posts, 2);
  EXPECT_EQ(display.refreshArmed.load(), 1);

  display.setupAlive = false;
  display.refreshArmed = 0;
  Remove(Station("DL1XX", "20m", "DL", "EU"));
  EXPECT_EQ(poster.posts, 2) << "no Setup window, no post";
  EXPECT_EQ(display.refreshArmed.load(), 1) << "but re-armed all the same";
}

}  // namespace
}  // namespace korvane::testing
