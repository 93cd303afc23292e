#include "tools/replay/contest_log.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvane::replay {
namespace {

// One QSO as a line of text, so a failing comparison shows every field.
std::string Describe(const LogQso& q) {
  std::ostringstream out;
  out << q.line << "|" << q.ownCall << "|" << q.call << "|" << q.band << "|" << q.freqKHz << "|"
      << q.mode << "|" << q.year << "-" << q.month << "-" << q.day << " " << q.hour << ":"
      << q.minute << ":" << q.second << "|" << q.rstSent << "|" << q.nrSent << "|" << q.rstRcvd
      << "|" << q.nrRcvd << "|" << q.continent;
  return out.str();
}

std::vector<std::string> Describe(const ContestLog& log) {
  std::vector<std::string> lines;
  for (const LogQso& q : log.qsos) lines.push_back(Describe(q));
  return lines;
}

std::vector<std::string> Problems(const ContestLog& log) {
  std::vector<std::string> lines;
  for (const LogProblem& p : log.problems) lines.push_back(std::to_string(p.line) + ": " + p.what);
  return lines;
}

using Lines = std::vector<std::string>;

TEST(CabrilloTest, ReadsHeaderAndQsoLines) {
  const ContestLog log = ParseCabrillo(
      "START-OF-LOG: 3.0\r\n"
      "CALLSIGN: DL1AAA\r\n"
      "category-operator: SINGLE-OP\r\n"
      "ADDRESS: Hauptstr. 1\r\n"
      "ADDRESS: Hinterhaus\r\n"
      "SOAPBOX: \r\n"
      "QSO: 14085 RY 2020-03-14 1200 DL1AAA 599 001 k1abc 599 012\r\n"
      "QSO:  3580 RY 2020-03-14 2359 DL1AAA 599 0002 UA9ABC 599 120 1\r\n"
      "\r\n"
      "END-OF-LOG:\r\n");
  EXPECT_EQ(Problems(log), Lines{});
  EXPECT_EQ(log.Header("CALLSIGN"), "DL1AAA");
  EXPECT_EQ(log.Header("CATEGORY-OPERATOR"), "SINGLE-OP");
  EXPECT_EQ(log.header.at("ADDRESS"), (Lines{"Hauptstr. 1", "Hinterhaus"}));
  EXPECT_EQ(log.header.at("SOAPBOX"), Lines{""});
  EXPECT_EQ(Describe(log), (Lines{"7|DL1AAA|K1ABC|20m|14085|RTTY|2020-3-14 12:0:0|599|001|599|012|",
                                  "8|DL1AAA|UA9ABC|80m|3580|RTTY|2020-3-14 23:59:0|599|0002|599|120|"}));
}

// Old Macintosh programs end lines with a lone CR; mixed ends count each line once.
TEST(CabrilloTest, LoneCrLineEnds) {
  const ContestLog log = ParseCabrillo(
      "START-OF-LOG: 3.0\rCALLSIGN: DL1AAA\r\r"
      "QSO: 14085 RY 2020-03-14 1200 DL1AAA 599 001 K1ABC 599 012\r\n"
      "QSO: 14085 RY 2020-03-14 12:01 DL1AAA 599 002 K2ABC 599 013\r"
      "QSO: 7040 RY 2020-03-14 1202 DL1AAA 599 003 OK1AB 599 014\n"
      "END-OF-LOG:\r");
  EXPECT_EQ(log.Header("CALLSIGN"), "DL1AAA");
  EXPECT_EQ(Problems(log), Lines{"5: bad time '12:01' (want hhmm)"});
  EXPECT_EQ(Describe(log), (Lines{"4|DL1AAA|K1ABC|20m|14085|RTTY|2020-3-14 12:0:0|599|001|599|012|",
                                  "6|DL1AAA|OK1AB|40m|7040|RTTY|2020-3-14 12:2:0|599|003|599|014|"}));
}

TEST(CabrilloTest, Version2CategorySplitsIntoOperatorBandAndPower) {
  const ContestLog log = ParseCabrillo("START-OF-LOG: 2.0\nCATEGORY: SINGLE-OP ALL LOW\n");
  EXPECT_EQ(log.Header("CATEGORY-OPERATOR"), "SINGLE-OP");
  EXPECT_EQ(log.Header("CATEGORY-BAND"), "ALL");
  EXPECT_EQ(log.Header("CATEGORY-POWER"), "LOW");
}

TEST(CabrilloTest, XQsoLinesAreCountedAndSkipped) {
  const ContestLog log = ParseCabrillo(
      "START-OF-LOG: 3.0\n"
      "X-QSO: 14085 RY 2020-03-14 1200 DL1AAA 599 001 K1ABC 599 012\n"
      "X-QSO: garbage\n");
  EXPECT_EQ(log.skippedXQso, 2);
  EXPECT_TRUE(log.qsos.empty());
  EXPECT_TRUE(log.problems.empty());
}

TEST(CabrilloTest, LinesAfterEndOfLogAreReported) {
  const ContestLog log = ParseCabrillo(
      "START-OF-LOG: 3.0\nEND-OF-LOG:\nQSO: 14085 RY 2020-03-14 1200 DL1AAA 599 001 K1ABC 599 1\n");
  EXPECT_TRUE(log.qsos.empty());
  EXPECT_EQ(Problems(log), Lines{"3: text after END-OF-LOG (line skipped)"});
}

struct QsoCase {
  const char* name;
  const char* line;  // after "QSO: "
  const char* parsed;
};
void PrintTo(const QsoCase& row, std::ostream* out) { *out << row.name; }

class CabrilloQsoTest : public testing::TestWithParam<QsoCase> {};

TEST_P(CabrilloQsoTest, Reads) {
  const ContestLog log = ParseCabrillo(std::string("QSO: ") + GetParam().line + "\n");
  EXPECT_EQ(Problems(log), Lines{});
  EXPECT_EQ(Describe(log), Lines{GetParam().parsed});
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, CabrilloQsoTest,
    testing::Values(
        QsoCase{"NoSentNumber", "7040 RY 2020-03-14 1200 DL1AAA 599 OK1AB 599 005",
                "1|DL1AAA|OK1AB|40m|7040|RTTY|2020-3-14 12:0:0|599||599|005|"},
        QsoCase{"NoReceivedNumber", "7040 RY 2020-03-14 1200 DL1AAA 599 004 OK1AB 599",
                "1|DL1AAA|OK1AB|40m|7040|RTTY|2020-3-14 12:0:0|599|004|599||"},
        QsoCase{"LongerExchangeTakesFirstTokens",
                "7040 RY 2020-03-14 1200 DL1AAA 599 004 EU OK1AB 599 005 EU 0",
                "1|DL1AAA|OK1AB|40m|7040|RTTY|2020-3-14 12:0:0|599|004|599|005|"},
        QsoCase{"FractionOfKHzDropped", "14085.7 RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                "1|DL1AAA|K1ABC|20m|14085|RTTY|2020-3-14 12:0:0|599|1|599|2|"},
        QsoCase{"FrequencyOffContestBands", "10120 RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                "1|DL1AAA|K1ABC|10120|10120|RTTY|2020-3-14 12:0:0|599|1|599|2|"},
        QsoCase{"BandDesignator", "50 RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                "1|DL1AAA|K1ABC|50|0|RTTY|2020-3-14 12:0:0|599|1|599|2|"},
        QsoCase{"BandNameInCapitals", "20M RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                "1|DL1AAA|K1ABC|20m|0|RTTY|2020-3-14 12:0:0|599|1|599|2|"},
        QsoCase{"OtherModeKept", "14025 CW 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                "1|DL1AAA|K1ABC|20m|14025|CW|2020-3-14 12:0:0|599|1|599|2|"},
        QsoCase{"PortableCalls", "14085 RY 2020-03-14 1200 DL1AAA/P 599 1 VE3/DL1ABC 599 2",
                "1|DL1AAA/P|VE3/DL1ABC|20m|14085|RTTY|2020-3-14 12:0:0|599|1|599|2|"}),
    [](const testing::TestParamInfo<QsoCase>& row) { return row.param.name; });

struct MalformedCase {
  const char* name;
  const char* line;
  const char* problem;
};
void PrintTo(const MalformedCase& row, std::ostream* out) { *out << row.name; }

class CabrilloMalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(CabrilloMalformedTest, IsReportedAndSkipped) {
  const ContestLog log = ParseCabrillo(
      "START-OF-LOG: 3.0\n" + std::string(GetParam().line) +
      "\nQSO: 14085 RY 2020-03-14 1200 DL1AAA 599 001 K1ABC 599 012\n");
  EXPECT_EQ(Problems(log), Lines{GetParam().problem});
  ASSERT_EQ(log.qsos.size(), 1U);
  EXPECT_EQ(log.qsos[0].line, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CabrilloMalformedTest,
    testing::Values(
        MalformedCase{"TooFewFields", "QSO: 14085 RY 2020-03-14 1200 DL1AAA 599 K1ABC",
                      "2: QSO line with 7 fields, want at least frequency, mode, date, time, "
                      "call, RST, call, RST"},
        MalformedCase{"BadFrequency", "QSO: abc RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                      "2: bad frequency 'abc' (want kHz or a band)"},
        MalformedCase{"FrequencyInHertz",
                      "QSO: 14085000 RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                      "2: frequency '14085000' too large (want kHz)"},
        MalformedCase{"BadDate", "QSO: 14085 RY 2020-02-30 1200 DL1AAA 599 1 K1ABC 599 2",
                      "2: bad date '2020-02-30' (want yyyy-mm-dd)"},
        MalformedCase{"AdifStyleDate", "QSO: 14085 RY 20200314 1200 DL1AAA 599 1 K1ABC 599 2",
                      "2: bad date '20200314' (want yyyy-mm-dd)"},
        MalformedCase{"BadTime", "QSO: 14085 RY 2020-03-14 2460 DL1AAA 599 1 K1ABC 599 2",
                      "2: bad time '2460' (want hhmm)"},
        MalformedCase{"BadSentCall", "QSO: 14085 RY 2020-03-14 1200 599 599 1 K1ABC 599 2",
                      "2: bad sent call '599'"},
        MalformedCase{"NoSentRst", "QSO: 14085 RY 2020-03-14 1200 DL1AAA 001 K1ABC 599 2 3",
                      "2: no RST after the sent call DL1AAA"},
        MalformedCase{"NoReceivedCall", "QSO: 14085 RY 2020-03-14 1200 DL1AAA 599 1 2 599 3",
                      "2: no received call followed by its RST"},
        MalformedCase{"NoTag", "14085 RY 2020-03-14 1200 DL1AAA 599 1 K1ABC 599 2",
                      "2: not a Cabrillo line: no TAG: at its start"}),
    [](const testing::TestParamInfo<MalformedCase>& row) { return row.param.name; });

TEST(BandTest, ContestBandEdges) {
  const std::pair<unsigned, const char*> cases[] = {
      {1799, ""},      {1800, "160m"},  {2000, "160m"},  {3499, ""},     {3500, "80m"},
      {4000, "80m"},   {7000, "40m"},   {7300, "40m"},   {7301, ""},     {14000, "20m"},
      {14350, "20m"},  {14351, ""},     {21000, "15m"},  {21450, "15m"}, {28000, "10m"},
      {29700, "10m"},  {29701, ""},     {10120, ""}};
  for (const auto& c : cases) EXPECT_EQ(BandOfKHz(c.first), c.second) << c.first;
}

TEST(AdifTest, ReadsRecordsWithEitherCaseAndHeader) {
  const ContestLog log = ParseAdif(
      "log of DL1AAA <not a field>\n"
      "<adif_ver:5>3.1.4\n<EOH>\n"
      "<CALL:5>K1ABC <QSO_DATE:8>20200314 <TIME_ON:6>120059 <FREQ:6>14.085 <MODE:4>RTTY\n"
      "<RST_SENT:3>599 <RST_RCVD:3>599 <STX:1>1 <SRX:2>12 <STATION_CALLSIGN:6>DL1AAA <EOR>\n"
      "<call:6>ja1xyz <qso_date:8:d>20200314 <time_on:4>1205 <band:3>20M <mode:2>RY\n"
      "<stx:0><stx_string:3>002 <srx_string:3>033 <cont:2>as <operator:6>DL2BBB <eor>\n"
      "<CALL:5>DL2BB <QSO_DATE:8>20200314 <TIME_ON:4>1210 <FREQ:6>10.120 <MODE:3>FSK\n"
      "<SUBMODE:4>RTTY <CONT:2>XX <EOR>\n"
      "<CALL:5>OK1AB <QSO_DATE:8>20200314 <TIME_ON:4>1215 <BAND:3>40m <MODE:2>CW <EOR>\n");
  EXPECT_EQ(Problems(log), Lines{});
  EXPECT_EQ(Describe(log), (Lines{"4|DL1AAA|K1ABC|20m|14085|RTTY|2020-3-14 12:0:59|599|1|599|12|",
                                  "6|DL2BBB|JA1XYZ|20m|14000|RTTY|2020-3-14 12:5:0||002||033|AS",
                                  "8||DL2BB|10120|10120|RTTY|2020-3-14 12:10:0|||||",
                                  "10||OK1AB|40m|7000|CW|2020-3-14 12:15:0|||||"}));
}

TEST(AdifTest, FileWithoutHeaderStartsWithATag) {
  const ContestLog log = ParseAdif(
      "<CALL:5>K1ABC<QSO_DATE:8>20200314<TIME_ON:4>1200<BAND:3>20m<MODE:4>RTTY<EOR>");
  EXPECT_EQ(Problems(log), Lines{});
  EXPECT_EQ(Describe(log), Lines{"1||K1ABC|20m|14000|RTTY|2020-3-14 12:0:0|||||"});
}

// A header may start with a tag; its fields belong to no record. Lines end in a lone CR here.
TEST(AdifTest, HeaderStartingWithATagIsNoRecord) {
  const ContestLog log = ParseAdif(
      "<ADIF_VER:5>3.1.4\r<PROGRAMID:4>test\r<EOH>\r"
      "<CALL:5>K1ABC <QSO_DATE:8>20200314 <TIME_ON:4>1200 <BAND:3>20m <MODE:4>RTTY <EOR>\r"
      "<CALL:5>OK1AB <QSO_DATE:8>20200399 <TIME_ON:4>1200 <BAND:3>40m <EOR>\r");
  EXPECT_EQ(Problems(log), Lines{"5: OK1AB: bad or missing QSO_DATE '20200399' (want yyyymmdd)"});
  EXPECT_EQ(Describe(log), Lines{"4||K1ABC|20m|14000|RTTY|2020-3-14 12:0:0|||||"});
}

TEST(AdifTest, DataCountsBytesSoItMayHoldTagCharacters) {
  const ContestLog log = ParseAdif(
      "<EOH><CALL:5>K1ABC<COMMENT:9>a <b> <c><QSO_DATE:8>20200314<TIME_ON:4>1200<BAND:3>20m"
      "<MODE:4>RTTY<EOR>");
  EXPECT_EQ(Problems(log), Lines{});
  EXPECT_EQ(log.qsos.size(), 1U);
}

class AdifMalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(AdifMalformedTest, IsReportedAndSkipped) {
  const ContestLog log = ParseAdif(
      "header\n<EOH>\n"
      "<CALL:5>K1ABC <QSO_DATE:8>20200314 <TIME_ON:4>1200 <BAND:3>20m <MODE:4>RTTY <EOR>\n" +
      std::string(GetParam().line));
  EXPECT_EQ(Problems(log), Lines{GetParam().problem});
  ASSERT_EQ(log.qsos.size(), 1U);
  EXPECT_EQ(log.qsos[0].call, "K1ABC");
}

INSTANTIATE_TEST_SUITE_P(
    Records, AdifMalformedTest,
    testing::Values(
        MalformedCase{"NoCall", "<QSO_DATE:8>20200314 <TIME_ON:4>1200 <BAND:3>20m <EOR>",
                      "4: record without CALL"},
        MalformedCase{"BadDate", "<CALL:5>OK1AB <QSO_DATE:8>20201314 <TIME_ON:4>1200 <EOR>",
                      "4: OK1AB: bad or missing QSO_DATE '20201314' (want yyyymmdd)"},
        MalformedCase{"NoTime", "<CALL:5>OK1AB <QSO_DATE:8>20200314 <BAND:3>20m <EOR>",
                      "4: OK1AB: bad or missing TIME_ON '' (want hhmm or hhmmss)"},
        MalformedCase{"NoBandNorFrequency", "<CALL:5>OK1AB <QSO_DATE:8>20200314 <TIME_ON:4>1200 <EOR>",
                      "4: OK1AB: neither BAND nor FREQ"},
        MalformedCase{"BadFrequency",
                      "<CALL:5>OK1AB <QSO_DATE:8>20200314 <TIME_ON:4>1200 <FREQ:3>7,0 <EOR>",
                      "4: OK1AB: bad FREQ '7,0' (want MHz)"},
        MalformedCase{"BandAndFrequencyDisagree",
                      "<CALL:5>OK1AB <QSO_DATE:8>20200314 <TIME_ON:4>1200 <BAND:3>20m "
                      "<FREQ:5>7.040 <EOR>",
                      "4: OK1AB: BAND 20m but FREQ 7.040 lies on 40m"},
        MalformedCase{"BadLength", "<CALL:x>OK1AB <EOR>",
                      "4: field CALL with a bad length 'x' (record skipped)"},
        MalformedCase{"RunsPastEnd", "<CALL:5>OK1AB <COMMENT:50>short",
                      "4: field COMMENT runs past the end of the file"},
        MalformedCase{"NoEndOfRecord", "<CALL:5>OK1AB <QSO_DATE:8>20200314",
                      "4: last record has no <EOR> (record skipped)"},
        MalformedCase{"UnclosedTag", "<CALL:5",
                      "4: tag without '>'"}),
    [](const testing::TestParamInfo<MalformedCase>& row) { return row.param.name; });

TEST(AdifTest, HeaderWithoutEndIsReported) {
  const ContestLog log = ParseAdif("just text <CALL:5>K1ABC <EOR>");
  EXPECT_TRUE(log.qsos.empty());
  EXPECT_EQ(Problems(log), Lines{"1: ADIF header without <EOH>"});
}

struct FormatCase {
  const char* name;
  const char* text;
  LogFormat format;
};
void PrintTo(const FormatCase& row, std::ostream* out) { *out << row.name; }

class DetectTest : public testing::TestWithParam<FormatCase> {};

TEST_P(DetectTest, ByContent) { EXPECT_EQ(DetectLogFormat(GetParam().text), GetParam().format); }

INSTANTIATE_TEST_SUITE_P(
    Texts, DetectTest,
    testing::Values(
        FormatCase{"Cabrillo", "\r\nSTART-OF-LOG: 3.0\r\nQSO: 1\r\n", LogFormat::kCabrillo},
        FormatCase{"CabrilloWithTagsInItsSoapbox", "START-OF-LOG: 3.0\nSOAPBOX: <EOR>\n",
                   LogFormat::kCabrillo},
        FormatCase{"CabrilloWithoutStart", "CALLSIGN: DL1AAA\nqso: 14085 RY\n",
                   LogFormat::kCabrillo},
        FormatCase{"AdifWithHeader", "exported\n<eoh>\n", LogFormat::kAdif},
        FormatCase{"AdifWithoutHeader", "  <CALL:5>K1ABC<EOR>", LogFormat::kAdif},
        FormatCase{"Session", "reset call=DL1AAA\nadd call=K1ABC\nresults\n", LogFormat::kSession},
        FormatCase{"Empty", "", LogFormat::kSession},
        FormatCase{"ControlCharacters", "START-OF-LOG:\x01\x02\x03\x04", LogFormat::kNotText},
        FormatCase{"OneStrayControlCharacter", "START-OF-LOG: 3.0\r\nEND-OF-LOG:\r\n\x1a",
                   LogFormat::kCabrillo},
        FormatCase{"LettersAbove127", "START-OF-LOG: 3.0\nNAME: J\xfcrgen M\xfcller\n",
                   LogFormat::kCabrillo}),
    [](const testing::TestParamInfo<FormatCase>& row) { return row.param.name; });

TEST(ReadLogFileTest, MissingFileAndFolderAreRefused) {
  std::string text, error;
  EXPECT_FALSE(ReadLogFile("/nonexistent/x.log", &text, &error));
  EXPECT_EQ(error, "cannot read /nonexistent/x.log: No such file or directory");
  EXPECT_FALSE(ReadLogFile("/tmp", &text, &error));
  EXPECT_EQ(error, "cannot read /tmp: it is a folder");
}

TEST(ReadLogFileTest, EndlessDeviceIsRefused) {
  std::string text, error;
  EXPECT_FALSE(ReadLogFile("/dev/zero", &text, &error, 100000));
  EXPECT_EQ(error, "cannot read /dev/zero: more than 100000 bytes, far more than any log");
}

}  // namespace
}  // namespace korvane::replay
