#include "engine/report.h"

#include "engine/format.h"

namespace korvane {
namespace {

constexpr char kHtmlHead[] =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black}</style></head><body>";
constexpr char kHtmlTitle[] =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
constexpr char kHtmlColumnHeads[] =
    "<tr><th> %s</th><th> %s</th><th> %s</th><th> %s</th><th> %s</th><th> %s</th><th> "
    "%s</th><th> %s</th></tr>";
constexpr char kHtmlBandRow[] =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td><td><center>%i</center></td>"
    "<td><center>%i</center></td><td><center>%i</center></td></tr>";
constexpr char kHtmlCountRow[] =
    "<tr><th> <center>%s</center></th><td><center>%i</center></td><td colspan=8> </td></tr>";
constexpr char kHtmlRateRow[] =
    "<tr><th> %s </th><td colspan=9><center>%5i /%i</center></td></tr>";
constexpr char kHtmlRateHeading[] = "<th colspan=10><center>%s</center></th></tr>";
constexpr char kHtmlLastQsoRow[] =
    "<tr><th>%s</small></th><td colspan=9><center>%5i</center></td></tr>";
constexpr char kHtmlScoreRow[] =
    "<tr><th>%s</th><td colspan=9><center>%i * (%i + %i + %i + %i + %i ) = %li</center></td>"
    "</tr>";
constexpr char kHtmlTailOpen[] = "</table><h6 align=right>";
constexpr char kHtmlTailClose[] = "</h6></body></html>";

// The own call and the band names come from the host; markup in them must show as text.
std::string HtmlText(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void AppendHtmlBandRow(std::string& out, const BandTally& row, const std::string& label) {
  AppendFormat(out, kHtmlBandRow, HtmlText(label).c_str(), row.qsos, static_cast<int>(row.points), row.dxcc, row.k,
               row.ja, row.ve, row.vk);
}

}  // namespace

std::string RenderTextReport(const ScoreTally& tally, const ContestTables& tables) {
  std::string out;
  AppendFormat(out,
               "\t   KORVANE Contest %s-%s \r\n\t       Contestant: %s\r\n"
               "Band\tQSOs\tPoints\tDXCC\t K \tJA\tVE\tVK\r\n",
               tables.startDayMonth.c_str(), tables.endDate.c_str(), tables.ownCall.c_str());
  for (const BandTally& row : tally.rows) {
    AppendFormat(out, "%s\t %i\t %li\t %i\t %i\t %i\t %i\t %i\r\n", row.band.c_str(), row.qsos,
                 static_cast<long>(row.points), row.dxcc, row.k, row.ja, row.ve, row.vk);
  }
  const BandTally& t = tally.total;
  AppendFormat(out,
               "Total\t %i\t %li\t %i\t %i\t %i\t %i\t %i\r\nDupe\t %i\r\nBad QSO\t %i\r\n\r\n"
               "Score: %i*(%i+%i+%i+%i+%i) = %li\r\n",
               t.qsos, static_cast<long>(t.points), t.dxcc, t.k, t.ja, t.ve, t.vk, tally.dupes,
               tally.badQsos, static_cast<int>(t.points), t.dxcc, t.k, t.ja, t.ve, t.vk,
               static_cast<long>(tally.score));
  if (tables.cabrilloExport == 0 && !tables.qsoLog.empty()) {
    AppendFormat(out,
                 "\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
                 "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points\r\n\r\n",
                 tally.qsos60, tally.qsos10 * 6, tally.points60, tally.points10 * 6,
                 tally.lastQsoPoints);
    out += kCreditText;
  }
  return out;
}

std::string RenderHtmlReport(const ScoreTally& tally, const ContestTables& tables) {
  std::string out = kHtmlHead;
  const std::string caption =
      Format("    KORVANE Contest %s-%s", tables.startDayMonth.c_str(), tables.endDate.c_str());
  AppendFormat(out, kHtmlTitle, caption.c_str(), HtmlText(tables.ownCall).c_str());
  AppendFormat(out, kHtmlColumnHeads, "Band", "QSOs", "Points", "DXCC", "K", "JA", "VE", "VK");
  for (const BandTally& row : tally.rows) AppendHtmlBandRow(out, row, row.band);
  AppendHtmlBandRow(out, tally.total, "Total");
  AppendFormat(out, kHtmlCountRow, "Dupe", tally.dupes);
  AppendFormat(out, kHtmlCountRow, "Bad QSO", tally.badQsos);
  const BandTally& t = tally.total;
  AppendFormat(out, kHtmlScoreRow, "Score:", static_cast<int>(t.points), t.dxcc, t.k, t.ja, t.ve,
               t.vk, static_cast<long>(tally.score));
  AppendFormat(out, kHtmlLastQsoRow, "Last QSO points:", tally.lastQsoPoints);
  AppendFormat(out, kHtmlRateHeading, "Rate");
  AppendFormat(out, kHtmlRateRow, "Hourly (10min/1 hour) QSO rate:", tally.qsos60, tally.qsos10 * 6);
  AppendFormat(out, kHtmlRateRow, "Hourly (10min/1 hour) pts rate:", tally.points60,
               tally.points10 * 6);
  out += kHtmlTailOpen;
  out += kCreditText;
  out += kHtmlTailClose;
  return out;
}

}  // namespace korvane
