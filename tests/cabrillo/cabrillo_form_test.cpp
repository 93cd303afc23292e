#include "cabrillo/cabrillo_form.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_data.h"
#include "fakes.h"
#include "platform/posix/posix_platform.h"

namespace korvane {
namespace {

using testing::FakeForm;
using testing::FakeSettings;
using F = CabrilloFormFields;

// The boxes' texts in binding order, so a mismatch names the box.
std::map<std::string, std::string> Boxes(const CabrilloFormFields& fields) {
  std::map<std::string, std::string> out;
  for (const CabrilloBox& box : CabrilloBoxes()) out[box.fieldName] = fields.*box.field;
  return out;
}

struct Replacement {
  const char* name;
  std::string text, from, to, want;
};
void PrintTo(const Replacement& row, std::ostream* os) { *os << row.name; }

class ReplaceAllTest : public ::testing::TestWithParam<Replacement> {};

TEST_P(ReplaceAllTest, Replaces) {
  const Replacement& row = GetParam();
  EXPECT_EQ(ReplaceAll(row.text, row.from, row.to), row.want);
}

INSTANTIATE_TEST_SUITE_P(
    Cabrillo, ReplaceAllTest,
    ::testing::Values(Replacement{"EveryOccurrence", "a/b/c/", "/", "_", "a_b_c_"},
                      Replacement{"LeftToRightNotOverlapping", "aaaaa", "aa", "b", "bba"},
                      Replacement{"ReplacementNotSearchedAgain", "x<CR>y", "<CR>", "<CR><CR>",
                                  "x<CR><CR>y"},
                      Replacement{"OldEqualsNew", "a<LF>b", "<LF>", "<LF>", "a<LF>b"},
                      Replacement{"Removal", "a<LF>b<LF>", "<LF>", "", "ab"},
                      Replacement{"NoMatch", "abc", "\r", "<CR>", "abc"}),
    [](const auto& row) { return std::string(row.param.name); });

struct BaseName {
  const char* name;
  std::string call, want;
};
void PrintTo(const BaseName& row, std::ostream* os) { *os << row.name; }

class FileBaseNameTest : public ::testing::TestWithParam<BaseName> {};

TEST_P(FileBaseNameTest, Derives) {
  EXPECT_EQ(CabrilloFileBaseName(GetParam().call), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(
    Cabrillo, FileBaseNameTest,
    ::testing::Values(BaseName{"PrefixCallSuffix", "OH/DL1AAA/P", "OH_DL1AAA_P"},
                      BaseName{"Backslash", "DL1AAA\\P", "DL1AAA_P"},
                      BaseName{"WhiteSpaceAround", " \tDL1AAA \r\n", "DL1AAA"},
                      BaseName{"InnerBlankKept", "DL1AAA /P", "DL1AAA _P"},
                      BaseName{"Empty", "", "TMSK"}, BaseName{"AllBlank", "  \t ", "TMSK"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(OnOneLine, EachLineBreakBecomesOneBlank) {
  EXPECT_EQ(OnOneLine("Hauptstr. 1\r\nHinterhaus"), "Hauptstr. 1 Hinterhaus");
  EXPECT_EQ(OnOneLine("a\rb\nc\r\n\r\nd"), "a b c  d");
}

class CabrilloFormTest : public ::testing::Test {
 protected:
  int Open(const std::string& call = "DL1AAA/P") {
    return OpenCabrilloForm(data_, call, settings_, form_);
  }
  FakeSettings settings_;
  FakeForm form_;
  CCabrilloData data_;
};

TEST_F(CabrilloFormTest, ConfirmedFormReadsThenWritesTheKeysInOrder) {
  settings_.values = {{"Name", "Anna"}, {"Address", "Hauptstr. 1"}, {"Address-City", "Berlin"},
                      {"Address-PostalCode", "10115"}, {"Address-Country", "Germany"},
                      {"Claimed", "1234"}, {"Email", "anna@example.org"}, {"Club", "RC"},
                      {"Operators", "DL1AAA DL2BBB"}, {"SoapBox", "hi"}};
  ASSERT_EQ(Open(), 1);
  const std::vector<std::string> want = {
      "read Operators", "read Name", "read Address", "read Address-City",
      "read Address-PostalCode", "read Address-Country", "read Claimed", "read Email",
      "read Club", "read SoapBox",
      "write Operators=DL1AAA DL2BBB", "write Name=Anna", "write Address=Hauptstr. 1",
      "write Address-City=Berlin", "write Address-PostalCode=10115",
      "write Address-Country=Germany", "write Category=SINGLE-OP", "write Category_Overlay=",
      "write Contest=KORVANE", "write Email=anna@example.org", "write Club=RC",
      "write SoapBox=hi"};
  EXPECT_EQ(settings_.calls, want);

  ASSERT_EQ(form_.shown.size(), 1u);
  const std::map<std::string, std::string> shown = {
      {"CALLSIGN", "DL1AAA/P"}, {"CLAIMED", "1234"}, {"CLUB", "RC"},
      {"CATEGORY_OPERATOR", "SINGLE-OP"}, {"CONTEST", "KORVANE"},
      {"EMAIL", "anna@example.org"}, {"NAME", "Anna"}, {"OPERATORS", "DL1AAA DL2BBB"},
      {"SOAPBOX", "hi"}, {"ADDRESS", "Hauptstr. 1"}, {"CATEGORY_BAND", "UNLIMITED"},
      {"CATEGORY_MODE", "RTTY"}, {"CATEGORY_TIME", ""}, {"CATEGORY_TRANSMITTER", "ONE"},
      {"CATEGORY_OVERLAY", ""}, {"ADDRESS_CITY", "Berlin"}, {"ADDRESS_POSTALCODE", "10115"},
      {"ADDRESS_COUNTRY", "Germany"}};
  EXPECT_EQ(Boxes(form_.shown[0]), shown);
  EXPECT_EQ(data_.m_fileBaseName, "DL1AAA_P");
}

TEST_F(CabrilloFormTest, OperatorsDefaultToTheOwnCall) {
  ASSERT_EQ(Open("DL1AAA"), 1);
  EXPECT_EQ(form_.shown[0].operators, "DL1AAA");
  EXPECT_EQ(settings_.values["Operators"], "DL1AAA");
}

TEST_F(CabrilloFormTest, SoapboxIsStoredEscapedAndBecomesSoapboxLines) {
  settings_.values["SoapBox"] = "old one<CR><LF>old two";
  form_.typed = {{&F::soapbox, "First line\r\nSecond <CR>third"}};
  ASSERT_EQ(Open(), 1);
  EXPECT_EQ(form_.shown[0].soapbox, "old one\r\nold two");
  EXPECT_EQ(settings_.values["SoapBox"], "First line<CR><LF>Second <CR>third");
  // A typed "<CR>" cannot be told from a line break: it starts a SOAPBOX line too.
  EXPECT_EQ(data_.m_soapbox, "First line\r\nSOAPBOX: Second \r\nSOAPBOX: third");
}

TEST_F(CabrilloFormTest, CancelWritesNothingAndKeepsTheRecord) {
  settings_.values["Name"] = "Anna";
  data_.m_qsoLines = {"QSO: earlier\r\n"};
  form_.cancel = true;
  EXPECT_EQ(Open(), 0);
  for (const std::string& call : settings_.calls) {
    EXPECT_EQ(call.rfind("write", 0), std::string::npos) << call;
  }
  EXPECT_EQ(data_.m_name, "Anna");
  EXPECT_EQ(data_.m_callsign, "DL1AAA/P");
  EXPECT_EQ(data_.m_qsoLines, std::vector<std::string>{"QSO: earlier\r\n"});
}

TEST_F(CabrilloFormTest, ConfirmedFormTakesTheBoxesButNotClaimed) {
  settings_.values["Claimed"] = "1234";
  data_.m_qsoLines = {"QSO: earlier\r\n"};
  form_.typed = {{&F::claimed, "999999"}, {&F::callsign, "DL2BBB"}, {&F::contest, "OTHER"}};
  ASSERT_EQ(Open(), 1);
  EXPECT_EQ(data_.m_claimed, "1234");
  EXPECT_EQ(data_.m_callsign, "DL2BBB");
  EXPECT_EQ(data_.m_fileBaseName, "DL1AAA_P");  // from the call the session started with
  EXPECT_EQ(settings_.values["Contest"], "OTHER");
  EXPECT_TRUE(data_.m_qsoLines.empty());
  EXPECT_EQ(settings_.values.count("Claimed"), 1u);
  EXPECT_EQ(settings_.values["Claimed"], "1234");
}

TEST_F(CabrilloFormTest, LineBreaksInSingleLineBoxesBecomeBlanks) {
  form_.typed = {{&F::address, "Hauptstr. 1\r\nHinterhaus"},
                 {&F::addressCity, "Berlin\r\n"},
                 {&F::addressPostalCode, "10\n115"},
                 {&F::addressCountry, "Germany\r"},
                 {&F::name, "Anna\r\nBeispiel"},
                 {&F::categoryOverlay, "WIRES\r\nX"}};
  ASSERT_EQ(Open(), 1);
  EXPECT_EQ(settings_.values["Address"], "Hauptstr. 1 Hinterhaus");
  EXPECT_EQ(settings_.values["Address-City"], "Berlin ");
  EXPECT_EQ(settings_.values["Address-PostalCode"], "10 115");
  EXPECT_EQ(settings_.values["Address-Country"], "Germany ");
  EXPECT_EQ(settings_.values["Name"], "Anna Beispiel");
  EXPECT_EQ(data_.m_address, "Hauptstr. 1 Hinterhaus");
  EXPECT_EQ(data_.m_categoryOverlay, "WIRES X");
}

TEST_F(CabrilloFormTest, OverlayAndTimeCarryOverToTheNextFormTheFixedBoxesDoNot) {
  form_.typed = {{&F::categoryOverlay, "WIRES"}, {&F::categoryTime, "6-HOURS"},
                 {&F::categoryOperator, "MULTI-OP"}, {&F::categoryTransmitter, "TWO"}};
  ASSERT_EQ(Open(), 1);
  form_.typed.clear();
  form_.cancel = true;
  ASSERT_EQ(Open(), 0);
  const CabrilloFormFields& second = form_.shown[1];
  EXPECT_EQ(second.categoryOverlay, "WIRES");
  EXPECT_EQ(second.categoryTime, "6-HOURS");
  EXPECT_EQ(second.categoryOperator, "SINGLE-OP");
  EXPECT_EQ(second.categoryTransmitter, "ONE");
}

// Through the INI file on disk, as a later run of the host sees it.
TEST(CabrilloFormIni, ConfirmedFieldsOpenTheNextRunsForm) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.path() + "Plugins");
  IniFileSettings settings(dir.path());

  FakeForm first;
  first.typed = {{&F::name, "Anna Beispiel"}, {&F::address, "Hauptstr. 1\r\nHinterhaus"},
                 {&F::addressCity, "Berlin"}, {&F::addressPostalCode, "10115"},
                 {&F::addressCountry, "Germany"}, {&F::operators, "DL1AAA DL2BBB"},
                 {&F::club, "Radio Club"}, {&F::email, "anna@example.org"},
                 {&F::soapbox, "line 1\r\nline 2"}, {&F::categoryOverlay, "WIRES"}};
  CCabrilloData firstRun;
  ASSERT_EQ(OpenCabrilloForm(firstRun, "DL1AAA", settings, first), 1);

  std::ifstream in(settings.Path(), std::ios::binary);
  const std::string ini((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(ini,
            "[Settings]\r\n"
            "Operators=DL1AAA DL2BBB\r\n"
            "Name=Anna Beispiel\r\n"
            "Address=Hauptstr. 1 Hinterhaus\r\n"
            "Address-City=Berlin\r\n"
            "Address-PostalCode=10115\r\n"
            "Address-Country=Germany\r\n"
            "Category=SINGLE-OP\r\n"
            "Category_Overlay=WIRES\r\n"
            "Contest=KORVANE\r\n"
            "Email=anna@example.org\r\n"
            "Club=Radio Club\r\n"
            "SoapBox=line 1<CR><LF>line 2\r\n");

  FakeForm second;
  CCabrilloData nextRun;
  ASSERT_EQ(OpenCabrilloForm(nextRun, "DL1AAA", settings, second), 1);
  const CabrilloFormFields& shown = second.shown[0];
  EXPECT_EQ(shown.name, "Anna Beispiel");
  EXPECT_EQ(shown.address, "Hauptstr. 1 Hinterhaus");
  EXPECT_EQ(shown.addressCity, "Berlin");
  EXPECT_EQ(shown.addressPostalCode, "10115");
  EXPECT_EQ(shown.addressCountry, "Germany");
  EXPECT_EQ(shown.operators, "DL1AAA DL2BBB");
  EXPECT_EQ(shown.club, "Radio Club");
  EXPECT_EQ(shown.email, "anna@example.org");
  EXPECT_EQ(shown.soapbox, "line 1\r\nline 2");
  EXPECT_EQ(shown.categoryOverlay, "");  // not read back: a new run starts empty
}

struct ComboCase {
  const char* name;
  std::vector<std::string> items;
  std::string text, want;
};
void PrintTo(const ComboCase& row, std::ostream* os) { *os << row.name; }

class ComboOpeningTextTest : public ::testing::TestWithParam<ComboCase> {};

TEST_P(ComboOpeningTextTest, Shows) {
  EXPECT_EQ(ComboOpeningText(GetParam().items, GetParam().text), GetParam().want);
}

const std::vector<std::string> kTransmitter = {"ONE", "TWO", "UNLIMITED"};
const std::vector<std::string> kBand = {"ALL", "80M", "40M", "20M", "15M", "10M"};

INSTANTIATE_TEST_SUITE_P(
    Cabrillo, ComboOpeningTextTest,
    ::testing::Values(ComboCase{"EmptySelectsNothing", kTransmitter, "", ""},
                      ComboCase{"ItemItself", kTransmitter, "ONE", "ONE"},
                      ComboCase{"FirstItemBeginningWithIt", kTransmitter, "t", "TWO"},
                      ComboCase{"LetterCaseIgnored", {"WIRES"}, "wir", "WIRES"},
                      ComboCase{"NoItemBeginsWithIt", kBand, "UNLIMITED", "UNLIMITED"},
                      ComboCase{"LongerThanAnyItem", kTransmitter, "ONE MORE", "ONE MORE"}),
    [](const auto& row) { return std::string(row.param.name); });

CabrilloFormFields Opening() {
  CabrilloFormFields f;
  f.callsign = "DL1AAA";
  f.claimed = "1234";
  f.contest = "KORVANE";
  f.categoryOperator = "single";
  f.categoryMode = "RTTY";
  f.categoryBand = "UNLIMITED";
  f.categoryTransmitter = "ONE";
  f.categoryTime = "6";
  f.soapbox = "a\r\nb";
  return f;
}

TEST(HeadlessCabrilloForm, ConfirmsWithWhatTheBoxesOpenWith) {
  HeadlessCabrilloForm form([](const char*) -> const char* { return nullptr; });
  const std::optional<CabrilloFormFields> out = form.Run(Opening());
  ASSERT_TRUE(out.has_value());
  CabrilloFormFields want = Opening();
  want.categoryOperator = "SINGLE-OP";
  want.categoryTime = "6-HOURS";
  EXPECT_EQ(Boxes(*out), Boxes(want));
}

TEST(HeadlessCabrilloForm, EachVariableTypesIntoItsBox) {
  const std::map<std::string, std::string> env = {
      {"KORVANE_FORM_CALLSIGN", "v1"},         {"KORVANE_FORM_CONTEST", "v2"},
      {"KORVANE_FORM_CLAIMED", "v3"},          {"KORVANE_FORM_CATEGORY_OPERATOR", "v4"},
      {"KORVANE_FORM_CATEGORY_BAND", "v5"},    {"KORVANE_FORM_CATEGORY_MODE", "v6"},
      {"KORVANE_FORM_CATEGORY_TIME", "6"},     {"KORVANE_FORM_CATEGORY_TRANSMITTER", "v8"},
      {"KORVANE_FORM_CATEGORY_OVERLAY", "v9"}, {"KORVANE_FORM_NAME", "v10"},
      {"KORVANE_FORM_ADDRESS", "v11"},         {"KORVANE_FORM_ADDRESS_CITY", "v12"},
      {"KORVANE_FORM_ADDRESS_POSTALCODE", "v13"}, {"KORVANE_FORM_ADDRESS_COUNTRY", "v14"},
      {"KORVANE_FORM_OPERATORS", "v15"},       {"KORVANE_FORM_CLUB", "v16"},
      {"KORVANE_FORM_EMAIL", "v17"},           {"KORVANE_FORM_SOAPBOX", "x\r\ny"},
      {"KORVANE_FORM_CANCEL", "0"}};
  HeadlessCabrilloForm form([&env](const char* name) -> const char* {
    const auto it = env.find(name);
    return it != env.end() ? it->second.c_str() : nullptr;
  });
  const std::optional<CabrilloFormFields> out = form.Run(Opening());
  ASSERT_TRUE(out.has_value());
  CabrilloFormFields want;
  want.callsign = "v1";
  want.contest = "v2";
  want.claimed = "v3";
  want.categoryOperator = "v4";
  want.categoryBand = "v5";
  want.categoryMode = "v6";
  want.categoryTime = "6";  // typed text stays as typed
  want.categoryTransmitter = "v8";
  want.categoryOverlay = "v9";
  want.name = "v10";
  want.address = "v11";
  want.addressCity = "v12";
  want.addressPostalCode = "v13";
  want.addressCountry = "v14";
  want.operators = "v15";
  want.club = "v16";
  want.email = "v17";
  want.soapbox = "x\r\ny";
  EXPECT_EQ(Boxes(*out), Boxes(want));
}

TEST(HeadlessCabrilloForm, CancelsWhenAskedFromTheEnvironment) {
  ASSERT_EQ(setenv("KORVANE_FORM_CANCEL", "1", 1), 0);
  HeadlessCabrilloForm form;
  EXPECT_FALSE(form.Run(Opening()).has_value());
  unsetenv("KORVANE_FORM_CANCEL");
  EXPECT_TRUE(form.Run(Opening()).has_value());
}

}  // namespace
}  // namespace korvane
