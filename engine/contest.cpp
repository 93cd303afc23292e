#include "engine/contest.h"

#include <climits>
#include <utility>

#include "engine/format.h"
#include "engine/journal.h"
#include "engine/report.h"
#include "engine/tally.h"
#include "platform/text_file.h"

namespace korvane {
namespace {

std::string Text(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

const char* const kRussianPrefixes[] = {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU"};
const char* const kVersionsWithoutDisplay[] = {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"};

bool IsAreaCountry(const std::string& prefix) {
  return prefix == "K" || prefix == "VE" || prefix == "VK" || prefix == "JA";
}

}  // namespace

bool HostVersionWithoutDisplay(const std::string& version) {
  for (const char* v : kVersionsWithoutDisplay) {
    if (version == v) return true;
  }
  return false;
}

int UsesRussianTexts(const std::string& prefix) {
  for (const char* p : kRussianPrefixes) {
    if (prefix == p) return 1;
  }
  return 0;
}

long ParseLeadingInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value > (LONG_MAX - digit) / 10) return negative ? LONG_MIN : LONG_MAX;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

Contest::Contest(ContestServices services, DisplayState& display, std::string workDir)
    : services_(services), display_(display), workDir_(std::move(workDir)) {}

std::string Contest::JournalPath() const {
  return tables_.journalName.empty() ? std::string() : workDir_ + tables_.journalName;
}

int Contest::RejectionCode() const {
  return (tables_.hostVersion == "2.19" || tables_.hostVersion == "2.20") ? 1 : 4;
}

void Contest::ClearWorkedLists() {
  for (BandLists* lists : {&tables_.workedMults, &tables_.workedAreasK, &tables_.workedAreasVE,
                           &tables_.workedAreasJA, &tables_.workedAreasVK}) {
    for (auto& list : *lists) list.clear();
  }
}

unsigned long Contest::SetVersion() {
  tables_.htmlResults = 1;
  return 0;
}

int Contest::IsValidExchange(const char* exchange) {
  if (exchange == nullptr) return 0;
  const std::string text(exchange);
  if (text == "599") return 0;
  if (text.empty() || text.size() > 4) return 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
  }
  return 1;
}

int Contest::CheckCall(const CheckCallArgs& args) {
  display_.PostRefreshIfArmed();
  if (args.band != nullptr && args.band2 != nullptr &&
      !EqualsIgnoringCase(args.band, args.band2)) {
    return RejectionCode();
  }
  if (tables_.bandRules.Contains(args.band) == 0) return RejectionCode();
  if (tables_.modeRules.Contains(args.mode) == 0) return RejectionCode();

  CInfo probe;
  probe.m_call = Text(args.call);
  probe.m_mode = Text(args.mode);
  probe.m_prefix = Text(args.prefix);
  probe.m_continent = Text(args.continent);
  probe.m_band = Text(args.band);
  if (probe.m_prefix.empty()) return 1;
  SetCallAreas(probe, probe.m_prefix, Text(args.area));

  const std::vector<CInfo>& log = tables_.qsoLog;
  bool prefixOnBand = false;
  for (const CInfo& record : log) {
    if (record.m_call == probe.m_call && record.m_band == probe.m_band) return 0;
  }
  for (const CInfo& record : log) {
    if (record.m_band == probe.m_band && record.m_prefix == probe.m_prefix) {
      prefixOnBand = true;
      break;
    }
  }
  if (!prefixOnBand) return 2;
  if (!IsAreaCountry(probe.m_prefix)) return 1;

  // Fields that are -1 in the probe are skipped; a same-band record without an equal field
  // leaves the area new so far.
  for (const CInfo& record : log) {
    if (record.m_band != probe.m_band) continue;
    const std::pair<int, int> fields[] = {{probe.m_areaJA, record.m_areaJA},
                                          {probe.m_areaVE, record.m_areaVE},
                                          {probe.m_areaVK, record.m_areaVK},
                                          {probe.m_areaK, record.m_areaK}};
    for (const auto& field : fields) {
      if (field.first != -1 && field.first == field.second) return 1;
    }
  }
  return 3;
}

int Contest::AddData(const QsoArgs& args) {
  const std::string journal = JournalPath();
  if (!journal.empty()) AppendToFile(journal, "");

  JournalValues values;
  values.kHz = args.freqHz / 1000;
  values.mode = Text(args.mode);
  values.time = FormatOleDate(args.time, kJournalTimeFormat);
  values.ownCall = Text(args.ownCall);
  values.rstSent = Text(args.rstSent);
  values.nrSent = Text(args.nrSent);
  values.call = Text(args.call);
  values.rstRcvd = Text(args.rstRcvd);
  values.nrRcvd = Text(args.nrRcvd);
  const auto note = [&](const char* reason) {
    if (!journal.empty()) AppendToFile(journal, JournalLine(values, reason) + "\r\n");
  };

  if (tables_.bandRules.Contains(args.band) == 0) {
    note(kReasonWrongBand);
    return 0;
  }
  if (tables_.modeRules.Contains(args.mode) == 0) {
    note(kReasonWrongMode);
    return 0;
  }
  if (values.nrRcvd.empty() || values.nrSent.empty()) {
    note(kReasonNoNumber);
    return 0;
  }

  CInfo record;
  record.m_call = values.call;
  record.m_band = Text(args.band);
  record.m_mode = values.mode;
  record.m_continent = Text(args.continent);
  record.m_rstRcvd = values.rstRcvd;
  record.m_rstSent = values.rstSent;
  record.m_nrRcvd = values.nrRcvd;
  record.m_nrSent = values.nrSent;
  record.m_prefix = Text(args.prefix);
  record.m_freqKHz = values.kHz;
  record.m_time = args.time;
  SetCallAreas(record, record.m_prefix, Text(args.area));

  bool seen = false;
  for (const std::string& band : tables_.seenBands) seen = seen || band == record.m_band;
  if (!seen) tables_.seenBands.push_back(record.m_band);

  for (const CInfo& earlier : tables_.qsoLog) {
    if (earlier.m_call == record.m_call && earlier.m_band == record.m_band &&
        earlier.m_mode == record.m_mode) {
      record.m_dupe = 1;
      record.m_notCounted = 1;
      note(kReasonDupe);
      break;
    }
  }
  tables_.qsoLog.push_back(std::move(record));
  return 1;
}

int Contest::RemoveData(const QsoArgs& args) {
  const std::string call = Text(args.call);
  const std::string band = Text(args.band);
  const std::string mode = Text(args.mode);
  std::vector<CInfo>& log = tables_.qsoLog;
  for (auto it = log.begin(); it != log.end(); ++it) {
    if (it->m_call == call && it->m_band == band && it->m_mode == mode &&
        SameOleDate(it->m_time, args.time)) {
      display_.ResetCallAreaMarksIfOpen();
      log.erase(it);
      break;
    }
  }

  const std::string journal = JournalPath();
  std::vector<std::string> survivors;
  if (!journal.empty() && ReadTextLines(journal, &survivors) && !survivors.empty()) {
    // The first line is the header, which the rewrite puts back, so it never survives.
    survivors.erase(survivors.begin());
    if (args.call != nullptr) {
      const std::string time = FormatOleDate(args.time, kJournalTimeFormat);
      std::vector<std::string> kept;
      for (std::string& line : survivors) {
        if (!JournalLineNamesQso(line, JournalText(call), time)) kept.push_back(std::move(line));
      }
      survivors.swap(kept);
    }
  } else {
    survivors.clear();
  }

  if (log.empty()) {
    tables_.seenBands.clear();
    ClearWorkedLists();
  }

  if (!journal.empty()) {
    std::string content = std::string(kJournalHeader) + "\r\n";
    for (const std::string& line : survivors) content += line + "\r\n";
    ReplaceFileSafely(journal, content);
  }
  display_.ArmAndPostRefresh();
  return 1;
}

int Contest::ResetStats(const ResetArgs& args) {
  const std::string mask = Text(args.hostFolder) + "*.ini";
  tables_.startDayMonth = FormatOleDate(args.start, "%d.%m");
  tables_.startYear = FormatOleDate(args.start, "%Y");
  tables_.endDate = FormatOleDate(args.end, "%d.%m.%Y");

  bool hostIniFound = false;
  if (services_.files != nullptr) {
    for (const std::string& name : services_.files->Find(mask)) {
      if (name.find("Telk2.ini") != std::string::npos) {
        hostIniFound = true;
        break;
      }
    }
  }
  if (!hostIniFound) {
    tables_.hostVersion = "Telk";
  } else {
    std::vector<std::string> lines;
    if (ReadTextLines(workDir_ + "Telk2.ini", &lines)) {
      for (const std::string& line : lines) {
        if (line.find("Telk=") != std::string::npos) {
          tables_.hostVersion = line.substr(5);
          break;
        }
      }
    }
  }

  tables_.qsoLog.clear();
  tables_.seenBands.clear();
  ClearWorkedLists();
  tables_.ownPrefix = Text(args.ownPrefix);
  tables_.ownContinent = Text(args.ownContinent);
  tables_.ownCall = Text(args.ownCall);
  if (UsesRussianTexts(tables_.ownPrefix) != 0) tables_.russianTexts = 1;
  for (int row = 0; row < kBandSlots; ++row) {
    tables_.callInfoRows[row] = {tables_.bandRules.Entries()[row], "-", "-", "-", "-"};
  }

  Settings* settings = services_.settings;
  tables_.cabrilloExport = args.cabrilloExport;
  if (args.cabrilloExport != 0) {
    const bool confirmed =
        services_.cabrillo != nullptr && services_.cabrillo->OpenForm(tables_.ownCall);
    if (!confirmed) tables_.cabrilloExport = 0;
    if (settings != nullptr) settings->Write("Start", "1");
  }

  // "Start" alternates between sessions: the display thread starts on those that find "0".
  const long start = settings != nullptr ? ParseLeadingInt(settings->Read("Start", "")) : 0;
  if (start != 0) {
    if (settings != nullptr) settings->Write("Start", "0");
  } else if (!display_.setupAlive.load()) {
    if (!HostVersionWithoutDisplay(tables_.hostVersion) && services_.displayThread != nullptr) {
      services_.displayThread->Start();
    }
    if (settings != nullptr) settings->Write("Start", "1");
  }

  tables_.journalName = "BadQSO_StatsKRVN_" + FormatOleDate(args.end, "%d_%m_%Y") + ".txt";
  WriteWholeFile(JournalPath(), std::string(kJournalHeader) + "\r\n");
  return 1;
}

const char* Contest::GetResult(int* hostInt, std::optional<std::string>* exportMessage) {
  tables_.resultText.clear();
  std::vector<std::string> journalLines;
  const std::string journal = JournalPath();
  const bool journalRead = !journal.empty() && ReadTextLines(journal, &journalLines);
  const ScoreTally tally = TallyScore(tables_, journalRead ? &journalLines : nullptr);
  tables_.resultText = tables_.htmlResults != 0 ? RenderHtmlReport(tally, tables_)
                                                : RenderTextReport(tally, tables_);
  tables_.claimedScore = tally.score;
  if (services_.settings != nullptr) {
    services_.settings->Write("Claimed", Format("%li", static_cast<long>(tally.score)));
  }
  if (tables_.cabrilloExport != 0 && services_.cabrillo != nullptr) {
    std::string message = services_.cabrillo->ExportLog(tables_.qsoLog, tables_.claimedScore);
    if (exportMessage != nullptr) *exportMessage = std::move(message);
  }
  if (hostInt != nullptr) *hostInt = -1;
  return tables_.resultText.c_str();
}

}  // namespace korvane
