#ifndef KORVANE_ENGINE_CONTEST_H
#define KORVANE_ENGINE_CONTEST_H

// The contest's tables and the operations behind the host's entry points. One object holds
// everything a session knows; the plug-in layer owns one, tests make as many as they like.

#include <array>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "display/display_state.h"
#include "engine/info.h"
#include "engine/ole_date.h"
#include "platform/platform.h"

namespace korvane {

using BandLists = std::array<std::vector<std::string>, kBandSlots>;

struct ContestTables {
  std::vector<CInfo> qsoLog;
  std::vector<std::string> seenBands;  // distinct bands of stored QSOs; sorted by each tally
  // "80m" twice: the first grid row is labelled "80m" as well, and "160m" is no contest band.
  const CContestRules bandRules{"80m", "80m", "40m", "20m", "15m", "10m"};
  const CContestRules modeRules{"RTTY"};
  // Rebuilt by each tally from the counted records of a band, by band slot.
  BandLists workedMults;
  BandLists workedAreasK;
  BandLists workedAreasVE;
  BandLists workedAreasJA;
  BandLists workedAreasVK;
  // Row r: band label, then four texts the live cycle fills for the call being typed.
  BandLists callInfoRows;
  std::string ownCall;
  std::string ownPrefix;
  std::string ownContinent;
  std::string startDayMonth;
  std::string startYear;
  std::string endDate;
  std::string hostVersion;
  std::string journalName;  // empty before the first session: nothing is written then
  int russianTexts = 0;
  int htmlResults = 0;
  int cabrilloExport = 0;
  int badQsoCount = 0;
  int claimedScore = 0;
  std::string resultText;
};

// The Cabrillo export as the engine drives it.
class CabrilloExporter {
 public:
  virtual ~CabrilloExporter() = default;
  // Runs the header form for a session started for an export; false when the user cancelled.
  virtual bool OpenForm(const std::string& ownCall) = 0;
  // Writes the Cabrillo file from the whole log; returns the message shown to the user.
  virtual std::string ExportLog(const std::vector<CInfo>& log, int claimedScore) = 0;
};

struct ContestServices {
  Settings* settings = nullptr;
  FileSearch* files = nullptr;
  CabrilloExporter* cabrillo = nullptr;
  DisplayThread* displayThread = nullptr;
};

// Texts are the host's pointers, valid during the call; null counts as empty unless noted.
struct CheckCallArgs {
  const char* call = nullptr;
  const char* mode = nullptr;
  const char* area = nullptr;
  const char* prefix = nullptr;
  const char* continent = nullptr;
  const char* band = nullptr;
  const char* band2 = nullptr;  // null skips the band agreement test; empty does not
};

struct QsoArgs {
  const char* ownCall = nullptr;
  const char* call = nullptr;  // null keeps every journal line on removal
  OleDate time;
  unsigned freqHz = 0;
  const char* mode = nullptr;
  const char* rstSent = nullptr;
  const char* rstRcvd = nullptr;
  const char* nrSent = nullptr;
  const char* nrRcvd = nullptr;
  const char* area = nullptr;
  const char* prefix = nullptr;
  const char* continent = nullptr;
  const char* band = nullptr;
};

struct ResetArgs {
  const char* hostFolder = nullptr;
  int cabrilloExport = 0;
  const char* ownCall = nullptr;
  OleDate start;
  OleDate end;
  const char* ownPrefix = nullptr;
  const char* ownContinent = nullptr;
};

constexpr char kJournalHeader[] = "KORVANE Contest UBN file";

class Contest {
 public:
  // `workDir` stands for the host's current directory: empty, or a folder ending in a separator.
  Contest(ContestServices services, DisplayState& display, std::string workDir = "");
  Contest(const Contest&) = delete;
  Contest& operator=(const Contest&) = delete;

  // Guards the tables: held by each entry point for its call and by the display cycle while
  // it reads.
  std::mutex& Mutex() { return mutex_; }
  ContestTables& Tables() { return tables_; }
  const ContestTables& Tables() const { return tables_; }
  const std::string& WorkDir() const { return workDir_; }

  unsigned long SetVersion();
  static int IsValidExchange(const char* exchange);
  int CheckCall(const CheckCallArgs& args);
  int AddData(const QsoArgs& args);
  int RemoveData(const QsoArgs& args);
  int ResetStats(const ResetArgs& args);
  // Returns the report; stores -1 in *hostInt. In an export session `exportMessage` receives the
  // text the user is to be shown once the tables are released.
  const char* GetResult(int* hostInt, std::optional<std::string>* exportMessage);

 private:
  std::string JournalPath() const;
  int RejectionCode() const;
  void ClearWorkedLists();

  ContestServices services_;
  DisplayState& display_;
  std::string workDir_;
  std::mutex mutex_;
  ContestTables tables_;
};

// "2.14" to "2.18" and "2.14R" never get the display thread.
bool HostVersionWithoutDisplay(const std::string& version);
// Own prefixes of stations that get the Russian texts.
int UsesRussianTexts(const std::string& prefix);
// Leading blanks, an optional sign and the digits up to the first other character; else 0.
long ParseLeadingInt(const std::string& text);

}  // namespace korvane

#endif  // KORVANE_ENGINE_CONTEST_H
