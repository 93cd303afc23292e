#ifndef KORVANE_ENGINE_REPORT_H
#define KORVANE_ENGINE_REPORT_H

#include <string>

#include "engine/contest.h"
#include "engine/tally.h"

namespace korvane {

// Ends the text rate block and the HTML report.
constexpr char kCreditText[] = "KORVANE statistics plug-in";

// Tab-separated text with CR LF line ends; the rate block only outside an export session and
// with a non-empty log.
std::string RenderTextReport(const ScoreTally& tally, const ContestTables& tables);
// One HTML document without line ends; always carries the last-QSO and rate rows.
std::string RenderHtmlReport(const ScoreTally& tally, const ContestTables& tables);

}  // namespace korvane

#endif  // KORVANE_ENGINE_REPORT_H
