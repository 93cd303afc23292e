#include "tools/replay/log_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "tools/replay/contest_log.h"

namespace korvane::replay {
namespace {

using Variables = std::vector<std::pair<std::string, std::string>>;

TEST(FormVariablesTest, HeaderFieldsFillTheFormAndOptionsWin) {
  const ContestLog log = ParseCabrillo(
      "START-OF-LOG: 3.0\r\n"
      "CALLSIGN: DL1AAA\r\n"
      "CONTEST: SOME-OTHER-NAME\r\n"
      "CLAIMED-SCORE: 99\r\n"
      "CATEGORY-OPERATOR: MULTI-OP\r\n"
      "CATEGORY-BAND: 20M\r\n"
      "CATEGORY-MODE: RTTY\r\n"
      "CATEGORY-TIME: 6-HOURS\r\n"
      "CATEGORY-TRANSMITTER: TWO\r\n"
      "CATEGORY-OVERLAY: WIRES\r\n"
      "CATEGORY-POWER: LOW\r\n"
      "NAME: Anna Muster\r\n"
      "ADDRESS: Hauptstr. 1\r\n"
      "ADDRESS: Hinterhaus\r\n"
      "ADDRESS-CITY: Bonn\r\n"
      "ADDRESS-POSTALCODE: 53111\r\n"
      "ADDRESS-COUNTRY: Germany\r\n"
      "OPERATORS: DL1AAA\r\n"
      "OPERATORS: DL2BBB @DL0XX\r\n"
      "CLUB: Rhein DX\r\n"
      "EMAIL: anna@example.org\r\n"
      "SOAPBOX: First line\r\n"
      "SOAPBOX: Second line\r\n");
  LogOptions options;
  options.form = {{"CLUB", "Bonn Contest Group"}, {"CONTEST", "KORVANE"}};
  EXPECT_EQ(FormVariables(log, options),
            (Variables{{"KORVANE_FORM_CONTEST", "KORVANE"},
                       {"KORVANE_FORM_CATEGORY_OPERATOR", "MULTI-OP"},
                       {"KORVANE_FORM_CATEGORY_BAND", "20M"},
                       {"KORVANE_FORM_CATEGORY_MODE", "RTTY"},
                       {"KORVANE_FORM_CATEGORY_TIME", "6-HOURS"},
                       {"KORVANE_FORM_CATEGORY_TRANSMITTER", "TWO"},
                       {"KORVANE_FORM_CATEGORY_OVERLAY", "WIRES"},
                       {"KORVANE_FORM_NAME", "Anna Muster"},
                       {"KORVANE_FORM_ADDRESS", "Hauptstr. 1\r\nHinterhaus"},
                       {"KORVANE_FORM_ADDRESS_CITY", "Bonn"},
                       {"KORVANE_FORM_ADDRESS_POSTALCODE", "53111"},
                       {"KORVANE_FORM_ADDRESS_COUNTRY", "Germany"},
                       {"KORVANE_FORM_OPERATORS", "DL1AAA DL2BBB @DL0XX"},
                       {"KORVANE_FORM_CLUB", "Bonn Contest Group"},
                       {"KORVANE_FORM_EMAIL", "anna@example.org"},
                       {"KORVANE_FORM_SOAPBOX", "First line\r\nSecond line"}}));
}

TEST(FormVariablesTest, Version2CategoryAndAbsentTagsLeaveTheFormAlone) {
  const ContestLog log = ParseCabrillo("START-OF-LOG: 2.0\nCATEGORY: SINGLE-OP ALL LOW\nCLUB:\n");
  EXPECT_EQ(FormVariables(log, LogOptions{}),
            (Variables{{"KORVANE_FORM_CATEGORY_OPERATOR", "SINGLE-OP"},
                       {"KORVANE_FORM_CATEGORY_BAND", "ALL"},
                       {"KORVANE_FORM_CLUB", ""}}));
}

struct OptionCase {
  const char* name;
  std::vector<const char*> args;
  OptionTaken taken;
  const char* error;
};
void PrintTo(const OptionCase& row, std::ostream* out) { *out << row.name; }

class LogOptionTest : public testing::TestWithParam<OptionCase> {};

TEST_P(LogOptionTest, TakesOrRefuses) {
  std::vector<char*> argv = {const_cast<char*>("korvane-replay")};
  for (const char* arg : GetParam().args) argv.push_back(const_cast<char*>(arg));
  int i = 1;
  LogOptions options;
  std::string error;
  EXPECT_EQ(TakeLogOption(static_cast<int>(argv.size()), argv.data(), &i, &options, &error),
            GetParam().taken);
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Options, LogOptionTest,
    testing::Values(
        OptionCase{"NotALogOption", {"--out", "x"}, OptionTaken::kNo, ""},
        OptionCase{"StartDate", {"--start", "2020-03-14"}, OptionTaken::kYes, ""},
        OptionCase{"ImpossibleDate", {"--end", "2020-02-30"}, OptionTaken::kBad,
                   "--end wants a date yyyy-mm-dd, not '2020-02-30'"},
        OptionCase{"MissingValue", {"--cty"}, OptionTaken::kBad, "--cty wants a value"},
        OptionCase{"FormFieldInSmallLetters", {"--form", "address-city=Bonn"}, OptionTaken::kYes,
                   ""},
        OptionCase{"UnknownFormField", {"--form", "POWER=LOW"}, OptionTaken::kBad,
                   "--form wants FIELD=TEXT with FIELD one of CALLSIGN, CONTEST, "
                   "CATEGORY_OPERATOR, CATEGORY_BAND, CATEGORY_MODE, CATEGORY_TIME, "
                   "CATEGORY_TRANSMITTER, CATEGORY_OVERLAY, NAME, ADDRESS, ADDRESS_CITY, "
                   "ADDRESS_POSTALCODE, ADDRESS_COUNTRY, OPERATORS, CLUB, EMAIL, SOAPBOX; not "
                   "'POWER=LOW'"}),
    [](const testing::TestParamInfo<OptionCase>& row) { return row.param.name; });

// The replay tool run as a user runs it, from a fresh folder of its own.
class ReplayToolTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvane-logs-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static std::string Data(const std::string& name) {
    return std::string(KORVANE_SOURCE_DIR "/tests/replay/data/") + name;
  }

  // Exit code; stdout and stderr land in out_ and err_.
  int Run(const std::string& args) {
    const std::string command = std::string(KORVANE_BINARY_DIR "/bin/korvane-replay") +
                                " --cty " + Data("cty-excerpt.dat") + " --out " + dir_ +
                                "/work " + args + " >" + dir_ + "/stdout 2>" + dir_ + "/stderr";
    const int status = std::system(command.c_str());
    Read(dir_ + "/stdout", &out_);
    Read(dir_ + "/stderr", &err_);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static std::string File(const std::string& path) {
    std::string text;
    Read(path, &text);
    return text;
  }

  static void Read(const std::string& path, std::string* text) {
    std::string error;
    text->clear();
    ReadLogFile(path, text, &error);
  }

  std::string dir_;
  std::string out_;
  std::string err_;
};

TEST_F(ReplayToolTest, CabrilloLogScoresToTheExpectedReport) {
  ASSERT_EQ(Run(Data("small.log")), 0) << err_;
  EXPECT_EQ(out_, File(Data("small-report.txt")));
  EXPECT_EQ(File(dir_ + "/work/BadQSO_StatsKRVN_14_03_2020.txt"), File(Data("small-journal.txt")));
  EXPECT_EQ(err_, Data("small.log") + ":16: bad time '12:40' (want hhmm) (line skipped)\n"
                  "korvane-replay: " + Data("small.log") +
                  ": 11 QSOs read, 9 stored, 2 rejected; skipped 1 X-QSO and 1 malformed\n"
                  "korvane-replay: files in " + dir_ + "/work\n");
}

TEST_F(ReplayToolTest, AdifVersionOfTheSameLogScoresTheSame) {
  ASSERT_EQ(Run(Data("small.adi")), 0) << err_;
  EXPECT_EQ(out_, File(Data("small-report.txt")));
  EXPECT_EQ(File(dir_ + "/work/BadQSO_StatsKRVN_14_03_2020.txt"), File(Data("small-journal.txt")));
}

TEST_F(ReplayToolTest, VerdictsShowEachCheckAndWhetherStored) {
  ASSERT_EQ(Run("--verdicts " + Data("small.adi")), 0) << err_;
  const std::string path = Data("small.adi");
  for (const char* line :
       {":4: K1ABC 20m RTTY: check 2 (new multiplier), stored\n",
        ":8: DL2BB 20m RTTY: check 2 (new multiplier), stored\n",
        ":14: K1ABC 20m RTTY: check 0 (dupe), stored\n",
        ":18: OK2XY 40m RTTY: check 1 (valid), rejected\n",
        ":23: OK1AB 10120 RTTY: check 4 (breaks the rules), rejected\n"}) {
    EXPECT_NE(err_.find(path + line), std::string::npos) << line << err_;
  }
}

TEST_F(ReplayToolTest, HtmlReportGoesToItsFile) {
  ASSERT_EQ(Run("--html " + dir_ + "/report.html " + Data("small.log")), 0) << err_;
  EXPECT_EQ(out_, "");
  const std::string html = File(dir_ + "/report.html");
  EXPECT_EQ(html.rfind("<html><head><style>", 0), 0U);
  EXPECT_NE(html.find("<tr><th> <center>Total</center></th><td><center>8</center></td>"
                      "<td><center>108</center></td>"),
            std::string::npos);
  EXPECT_NE(html.find("<center>108 * (8 + 2 + 1 + 1 + 0 ) = 1296</center>"), std::string::npos);
}

TEST_F(ReplayToolTest, CabrilloExportWritesTheLogWithHeaderFromLogAndOptions) {
  ASSERT_EQ(Run("--cabrillo --form \"CLUB=Bonn Contest Group\" "
                "--form \"SOAPBOX=$(printf 'First line\\r\\nSecond line')\" " +
                Data("small.log")),
            0)
      << err_;
  EXPECT_EQ(File(dir_ + "/work/DL1AAA.log"), File(Data("small-cabrillo-expected.log")));
  // An export session's report has no rate block; the box tells where the file went.
  EXPECT_EQ(out_.find("Hourly"), std::string::npos);
  EXPECT_NE(err_.find("[Output] File produced: DL1AAA.log\n"), std::string::npos) << err_;
}

TEST_F(ReplayToolTest, OptionsGiveOwnCallAndPeriod) {
  ASSERT_EQ(Run("--call OK1ZZ --start 2020-03-13 --end 2020-03-15 " + Data("small.log")), 0)
      << err_;
  EXPECT_EQ(out_.substr(0, out_.find("Band")),
            "\t   KORVANE Contest 13.03-15.03.2020 \r\n\t       Contestant: OK1ZZ\r\n");
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/work/BadQSO_StatsKRVN_15_03_2020.txt"));
}

TEST_F(ReplayToolTest, RelativeWorkFolderIsNamedInFull) {
  const std::string command = "cd " + dir_ + " && " KORVANE_BINARY_DIR "/bin/korvane-replay --cty " +
                              Data("cty-excerpt.dat") + " --out rel " + Data("small.log") +
                              " >/dev/null 2>" + dir_ + "/stderr";
  ASSERT_EQ(std::system(command.c_str()), 0);
  Read(dir_ + "/stderr", &err_);
  const std::string said = "korvane-replay: files in ";
  ASSERT_NE(err_.rfind(said), std::string::npos) << err_;
  EXPECT_EQ(err_.substr(err_.rfind(said)), said + dir_ + "/rel\n");
  EXPECT_TRUE(std::filesystem::exists(dir_ + "/rel/BadQSO_StatsKRVN_14_03_2020.txt"));
}

TEST_F(ReplayToolTest, ReportThatCannotBeWrittenIsAnError) {
  const std::string command = std::string(KORVANE_BINARY_DIR "/bin/korvane-replay --cty ") +
                              Data("cty-excerpt.dat") + " --out " + dir_ + "/work " +
                              Data("small.log") + " >/dev/full 2>" + dir_ + "/stderr";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  Read(dir_ + "/stderr", &err_);
  EXPECT_NE(err_.find("korvane-replay: cannot write the report to standard output\n"),
            std::string::npos)
      << err_;
}

TEST_F(ReplayToolTest, UnreadableLogIsAnError) {
  EXPECT_EQ(Run(dir_ + "/missing.log"), 1);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(err_, "korvane-replay: cannot read " + dir_ + "/missing.log: No such file or directory\n");
}

TEST_F(ReplayToolTest, LogWithNothingReadableIsAnError) {
  const std::string log = dir_ + "/bad.log";
  ASSERT_TRUE(std::system(("printf 'START-OF-LOG: 3.0\\nQSO: 14085 RY 2020-03-14\\n' >" + log)
                              .c_str()) == 0);
  EXPECT_EQ(Run(log), 1);
  EXPECT_EQ(out_, "");
  EXPECT_EQ(err_, log + ":2: QSO line with 3 fields, want at least frequency, mode, date, time, "
                        "call, RST, call, RST (line skipped)\n"
                        "korvane-replay: " + log + ": no QSO could be read\n");
}

TEST_F(ReplayToolTest, LogWithoutOwnCallAsksForIt) {
  const std::string log = dir_ + "/nocall.adi";
  ASSERT_TRUE(std::system(("printf '<CALL:5>K1ABC<QSO_DATE:8>20200314<TIME_ON:4>1200"
                           "<BAND:3>20m<MODE:4>RTTY<EOR>' >" + log).c_str()) == 0);
  EXPECT_EQ(Run(log), 1);
  EXPECT_EQ(err_, "korvane-replay: " + log + ": the log names no own call sign; give --call CALL\n");
}

TEST_F(ReplayToolTest, LoneCrLineEndsScoreTheSame) {
  std::string text = File(Data("small.log"));
  std::string crOnly;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
      crOnly += text[i] == '\n' ? '\r' : text[i];
    }
  }
  const std::string log = dir_ + "/cr.log";
  std::ofstream(log, std::ios::binary) << crOnly;
  ASSERT_EQ(Run(log), 0) << err_;
  EXPECT_EQ(out_, File(Data("small-report.txt")));
  EXPECT_EQ(err_.substr(0, err_.find("korvane-replay")),
            log + ":16: bad time '12:40' (want hhmm) (line skipped)\n");
}

// The QSO lines' calls are read in capitals; the own call from the header is too, so a header in
// small letters scores as the same log.
TEST_F(ReplayToolTest, OwnCallFromHeaderInSmallLettersScoresTheSame) {
  std::string text = File(Data("small.log"));
  const std::size_t at = text.find("CALLSIGN: DL1AAA");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 16, "CALLSIGN: dl1aaa");
  const std::string log = dir_ + "/small-letters.log";
  std::ofstream(log, std::ios::binary) << text;
  ASSERT_EQ(Run(log), 0) << err_;
  EXPECT_EQ(out_, File(Data("small-report.txt")));
}

struct OddFileCase {
  const char* name;
  std::string bytes;
  const char* args;
  int exitCode;
  std::string err;  // "@" stands for the file's path, "%" for the work folder
};
void PrintTo(const OddFileCase& row, std::ostream* out) { *out << row.name; }

class OddFileTest : public ReplayToolTest, public testing::WithParamInterface<OddFileCase> {};

TEST_P(OddFileTest, ClearErrorOrReport) {
  const std::string log = dir_ + "/odd.log";
  std::ofstream(log, std::ios::binary) << GetParam().bytes;
  EXPECT_EQ(Run(std::string(GetParam().args) + log), GetParam().exitCode);
  std::string want;
  for (const char c : GetParam().err) {
    want += c == '@' ? log : c == '%' ? dir_ + "/work" : std::string(1, c);
  }
  EXPECT_EQ(err_, want);
}

const char kBinary[] = "\x7f" "ELF\x02\x01\x01\0\0\0<CALL:5>K1ABC<EOR>";
// The fixture always names a country file, which a session file has no use for.
const std::string kSessionWithCty =
    "korvane-replay: @ is a session file: the log options do not apply to it\n";
const char kHeaderOnly[] = "START-OF-LOG: 3.0\r\nCALLSIGN: DL1AAA\r\nEND-OF-LOG:\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, OddFileTest,
    testing::Values(
        OddFileCase{"Empty", "", "", 1, "korvane-replay: @ is empty: nothing to score\n"},
        OddFileCase{"BlankLinesOnly", "\r\n  \r\n\t\n", "", 1,
                    "korvane-replay: @ is empty: nothing to score\n"},
        OddFileCase{"Binary", std::string(kBinary, sizeof kBinary - 1), "", 1,
                    "korvane-replay: @ is no text file (binary bytes): neither a Cabrillo or ADIF "
                    "log nor a session file\n"},
        OddFileCase{"NoLineReadable", std::string(5000, 'x'), "", 1,
                    (kSessionWithCty + "@:1: unknown verb " + std::string(187, 'x') +
                     "... (line skipped)\nkorvane-replay: @: no line could be read: neither a "
                     "Cabrillo or ADIF log nor a session file\n")},
        OddFileCase{"SessionWithLoneCrLineEnds",
                    "reset call=DL1AAA prefix=DL cont=EU start=2020-03-14 end=2020-03-15\r"
                    "results\r",
                    "--report-only ", 0,
                    kSessionWithCty + "korvane-replay: 2 lines, 0 skipped; files in %\n"},
        OddFileCase{"AdifWithByteOrderMark",
                    "\xEF\xBB\xBF<CALL:5>K1ABC<QSO_DATE:8>20200314<TIME_ON:4>1200<BAND:3>20m"
                    "<MODE:4>RTTY<STX:1>1<SRX:1>2<EOR>\r\n",
                    "--call DL1AAA ", 0,
                    "korvane-replay: @: 1 QSOs read, 1 stored, 0 rejected; skipped 0 X-QSO and 0 "
                    "malformed\nkorvane-replay: files in %\n"},
        OddFileCase{"HeaderOnly", kHeaderOnly, "", 1,
                    "korvane-replay: @: the log has no QSO lines; nothing to score (give --start "
                    "and --end to score an empty log)\n"},
        OddFileCase{"HeaderOnlyWithPeriod", kHeaderOnly, "--start 2020-03-14 --end 2020-03-15 ", 0,
                    "korvane-replay: @: 0 QSOs read, 0 stored, 0 rejected; skipped 0 X-QSO and 0 "
                    "malformed\nkorvane-replay: files in %\n"}),
    [](const testing::TestParamInfo<OddFileCase>& row) { return row.param.name; });

TEST_F(ReplayToolTest, MissingCountryFileIsAnError) {
  EXPECT_EQ(Run("--cty " + dir_ + "/none.dat " + Data("small.log")), 1);
  EXPECT_EQ(err_, "korvane-replay: country file: cannot read " + dir_ +
                      "/none.dat: No such file or directory (install hamradio-files or give "
                      "--cty FILE)\n");
}

}  // namespace
}  // namespace korvane::replay
