#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/format.h"
#include "engine_support.h"

namespace korvane::testing {
namespace {

constexpr char kTextHead[] =
    "\t   KORVANE Contest 14.03-15.03.2020 \r\n\t       Contestant: DL1AAA\r\n"
    "Band\tQSOs\tPoints\tDXCC\t K \tJA\tVE\tVK\r\n";

constexpr char kHtmlHead[] =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black}</style></head><body>"
    "<center><b>    KORVANE Contest 14.03-15.03.2020</b></center><center>Contestant:  "
    "<b>DL1AAA</center></b><table>"
    "<tr><th> Band</th><th> QSOs</th><th> Points</th><th> DXCC</th><th> K</th><th> JA</th>"
    "<th> VE</th><th> VK</th></tr>";

constexpr char kHtmlTail[] =
    "</table><h6 align=right>KORVANE statistics plug-in</h6></body></html>";

std::string HtmlRow(const char* label, int qsos, int points, int dxcc, int k, int ja, int ve,
                    int vk) {
  return Format(
      "<tr><th> <center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
      "<td><center>%i</center></td><td><center>%i</center></td><td><center>%i</center></td>"
      "<td><center>%i</center></td><td><center>%i</center></td></tr>",
      label, qsos, points, dxcc, k, ja, ve, vk);
}

// The middle of an HTML report: dupe, bad-QSO, score, last-QSO, rate heading and rate rows.
std::string HtmlSummary(int dupes, int bad, const char* score, const char* last,
                        const char* qsoRate, const char* ptsRate) {
  return Format("<tr><th> <center>Dupe</center></th><td><center>%i</center></td><td colspan=8> </td></tr>"
                "<tr><th> <center>Bad QSO</center></th><td><center>%i</center></td><td colspan=8> </td></tr>"
                "<tr><th>Score:</th><td colspan=9><center>%s</center></td></tr>"
                "<tr><th>Last QSO points:</small></th><td colspan=9><center>%s</center></td></tr>"
                "<th colspan=10><center>Rate</center></th></tr>"
                "<tr><th> Hourly (10min/1 hour) QSO rate: </th><td colspan=9><center>%s</center></td></tr>"
                "<tr><th> Hourly (10min/1 hour) pts rate: </th><td colspan=9><center>%s</center></td></tr>",
                dupes, bad, score, last, qsoRate, ptsRate);
}

// An hour on 40m and 20m for DL1AAA (DL, EU): every multiplier kind, a duplicate and a rejected
// QSO; the last QSO at 12:55 is the reference of the rates.
class ReportTest : public EngineTest {
 protected:
  void Log(int exportFlag = 0) {
    StartSession("DL", "EU", exportFlag);
    Add(Station("K1ABC", "20m", "K", "NA", At(2020, 3, 14, 12, 0)));    // 15
    Add(Station("JA1ZZ", "20m", "JA", "AS", At(2020, 3, 14, 12, 5)));   // 15
    Add(Station("DL2XX", "20m", "DL", "EU", At(2020, 3, 14, 12, 10)));  // 8
    Add(Station("VE3AA", "40m", "VE", "NA", At(2020, 3, 14, 12, 20)));  // 15
    Add(Station("VK2AB", "40m", "VK", "OC", At(2020, 3, 14, 12, 30)));  // 15
    Add(Station("K1ABC", "20m", "K", "NA", At(2020, 3, 14, 12, 40)));   // duplicate
    Add(Station("OK1ZZ", "160m", "OK", "EU", At(2020, 3, 14, 12, 45))); // rejected
    Add(Station("F5AAA", "20m", "F", "EU", At(2020, 3, 14, 12, 55)));   // 10
  }
};

TEST_F(ReportTest, TextForm) {
  Log();
  EXPECT_EQ(Report(), std::string(kTextHead) +
                          "40m\t 2\t 30\t 2\t 0\t 0\t 1\t 1\r\n"
                          "20m\t 4\t 48\t 4\t 1\t 1\t 0\t 0\r\n"
                          "Total\t 6\t 78\t 6\t 1\t 1\t 1\t 1\r\n"
                          "Dupe\t 1\r\n"
                          "Bad QSO\t 1\r\n"
                          "\r\n"
                          "Score: 78*(6+1+1+1+1) = 780\r\n"
                          "\r\n"
                          "Hourly (10min) QSO rate:     6 (6) QSOs/hour\r\n"
                          "Hourly (10min) pts rate:    78 (60) points/hour\r\n"
                          "\r\n"
                          "Last QSO: 10 points\r\n"
                          "\r\n"
                          "KORVANE statistics plug-in");
}

TEST_F(ReportTest, HtmlForm) {
  Log();
  EXPECT_EQ(contest->SetVersion(), 0u);
  EXPECT_EQ(Report(), std::string(kHtmlHead) + HtmlRow("40m", 2, 30, 2, 0, 0, 1, 1) +
                          HtmlRow("20m", 4, 48, 4, 1, 1, 0, 0) +
                          HtmlRow("Total", 6, 78, 6, 1, 1, 1, 1) +
                          HtmlSummary(1, 1, "78 * (6 + 1 + 1 + 1 + 1 ) = 780", "   10", "    6 /6",
                                      "   78 /60") +
                          kHtmlTail);
}

TEST_F(ReportTest, HtmlShowsMarkupInTheOwnCallAsText) {
  StartSession();
  contest->Tables().ownCall = "<b>DL1AAA&\"";
  contest->SetVersion();
  const std::string html = Report();
  EXPECT_NE(html.find("Contestant:  <b>&lt;b&gt;DL1AAA&amp;&quot;</center>"), std::string::npos)
      << html;
}

TEST_F(ReportTest, EmptyLogTextHasNoRateBlock) {
  StartSession();
  EXPECT_EQ(Report(), std::string(kTextHead) +
                          "Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                          "Score: 0*(0+0+0+0+0) = 0\r\n");
}

TEST_F(ReportTest, EmptyLogHtmlHasEveryRowButTheBands) {
  StartSession();
  contest->SetVersion();
  EXPECT_EQ(Report(), std::string(kHtmlHead) + HtmlRow("Total", 0, 0, 0, 0, 0, 0, 0) +
                          HtmlSummary(0, 0, "0 * (0 + 0 + 0 + 0 + 0 ) = 0", "    0", "    0 /0",
                                      "    0 /0") +
                          kHtmlTail);
}

TEST_F(ReportTest, ExportSessionShowsNoRatesAndWritesTheLog) {
  Log(1);
  std::optional<std::string> message;
  int flag = 0;
  const std::string text = contest->GetResult(&flag, &message);
  EXPECT_EQ(flag, -1);
  const std::string tail = "Bad QSO\t 1\r\n\r\nScore: 78*(6+1+1+1+1) = 780\r\n";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << "the text ends after the score";
  EXPECT_EQ(message, "written");
  EXPECT_EQ(cabrillo.loggedQsos, 7u) << "duplicates included";
  EXPECT_EQ(cabrillo.claimed, 780);

  contest->SetVersion();
  const std::string html = contest->GetResult(&flag, &message);
  EXPECT_NE(html.find(HtmlSummary(1, 1, "78 * (6 + 1 + 1 + 1 + 1 ) = 780", "   10", "    0 /0",
                                  "    0 /0")),
            std::string::npos)
      << html;
}

TEST_F(ReportTest, ClaimedIsWrittenAtEveryCall) {
  Log();
  Report();
  Report();
  EXPECT_EQ(settings.writes, (std::vector<std::string>{"Start=1", "Claimed=780", "Claimed=780"}));
  EXPECT_EQ(contest->Tables().claimedScore, 780);
}

TEST_F(ReportTest, RateLinesAlignTheHourAndScaleTenMinutes) {
  StartSession("DL", "EU");
  for (int i = 0; i < 9; ++i) {  // 13:15 to 13:55: within the hour before 14:10
    Add(Station("OK" + std::to_string(i) + "AA", "20m", "OK", "EU",
                At(2020, 3, 14, 13, 15 + 5 * i)));
  }
  for (int minute : {2, 6, 10}) {
    Add(Station("OM" + std::to_string(minute) + "A", "20m", "OM", "EU", At(2020, 3, 14, 14, minute)));
  }
  const std::string report = Report();
  EXPECT_NE(report.find("\r\nHourly (10min) QSO rate:    12 (18) QSOs/hour\r\n"
                        "Hourly (10min) pts rate:   120 (180) points/hour\r\n"),
            std::string::npos)
      << report;
}

TEST_F(ReportTest, SingleQsoRates) {
  StartSession("DL", "EU");
  Add(Station("K1ABC", "20m", "K", "NA", At(2020, 3, 14, 12, 0)));
  const std::string report = Report();
  EXPECT_NE(report.find("Hourly (10min) QSO rate:     1 (6) QSOs/hour\r\n"
                        "Hourly (10min) pts rate:    15 (90) points/hour\r\n"),
            std::string::npos)
      << report;
}

TEST_F(ReportTest, JournalThatCannotBeReadCountsNoBadQsos) {
  Log();
  std::filesystem::remove(JournalPath());
  const std::string report = Report();
  EXPECT_NE(report.find("Dupe\t 1\r\nBad QSO\t 0\r\n"), std::string::npos) << report;
}

TEST_F(ReportTest, ResultBeforeAnySession) {
  int flag = 0;
  const std::string text = contest->GetResult(&flag, nullptr);
  EXPECT_EQ(flag, -1);
  EXPECT_EQ(text, "\t   KORVANE Contest - \r\n\t       Contestant: \r\n"
                  "Band\tQSOs\tPoints\tDXCC\t K \tJA\tVE\tVK\r\n"
                  "Total\t 0\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                  "Score: 0*(0+0+0+0+0) = 0\r\n");
  EXPECT_TRUE(FolderEntries(dir.Path()).empty());
}

}  // namespace
}  // namespace korvane::testing
