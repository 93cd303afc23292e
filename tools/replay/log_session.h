#ifndef KORVANE_TOOLS_REPLAY_LOG_SESSION_H
#define KORVANE_TOOLS_REPLAY_LOG_SESSION_H

// Scores a contest log by driving the plug-in as the host would: one session start with the own
// station, then a call check and an add for every QSO in log order, then one results call.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tools/replay/contest_log.h"
#include "tools/replay/country_file.h"
#include "tools/replay/host_library.h"

namespace korvane::replay {

constexpr char kDefaultCountryFile[] = "/usr/share/hamradio-files/cty.dat";

struct LogOptions {
  std::string countryFile = kDefaultCountryFile;
  bool withStarred = false;  // count the "*" entities of other award lists as well
  std::string htmlPath;      // HTML report to this file instead of the text report on stdout
  bool cabrillo = false;     // export session: the plug-in writes the Cabrillo log
  bool verdicts = false;     // each QSO's check result and whether it was stored, on stderr
  std::string ownCall;       // instead of the log's
  std::string start, end;    // contest period as yyyy-mm-dd, instead of the QSOs' first and last day
  std::vector<std::pair<std::string, std::string>> form;  // header form boxes given by option
  bool given = false;        // any of these was on the command line
};

extern const char kLogOptionsUsage[];

enum class OptionTaken { kNo, kYes, kBad };

// Takes argv[*i] and its value when it is one of the log options, advancing *i past the value.
OptionTaken TakeLogOption(int argc, char** argv, int* i, LogOptions* options, std::string* error);

// The header form's environment variables (KORVANE_FORM_<FIELD>) for an export session: from the
// log's header, then from --form options, which win. In the order of the form's fields.
std::vector<std::pair<std::string, std::string>> FormVariables(const ContestLog& log,
                                                               const LogOptions& options);

struct LogRunResult {
  int exitCode = 0;
  std::string report;
  int read = 0;
  int stored = 0;
  int rejected = 0;
};

// Runs the session; the report goes to `out` byte for byte (or to the HTML file), everything
// else to `err`. `path` names the log in messages.
LogRunResult RunLogSession(const HostLibrary& library, const ContestLog& log,
                           const CountryFile& countries, const LogOptions& options,
                           const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_LOG_SESSION_H
