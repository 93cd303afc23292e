#ifndef KORVANE_TOOLS_REPLAY_CONTEST_LOG_H
#define KORVANE_TOOLS_REPLAY_CONTEST_LOG_H

// Contest logs as other logging programs write them: Cabrillo (2.0 and 3.0) and ADIF. Parsing
// works on the text; ReadLogFile is the one place that touches the file.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "engine/ole_date.h"

namespace korvane::replay {

enum class LogFormat { kSession, kCabrillo, kAdif, kNotText };

// By content, not by name: bytes no text file holds (NUL, or many control characters) make it no
// log at all; ADIF has its <EOH>/<EOR> tags or starts with a tag, Cabrillo starts with
// START-OF-LOG: or has QSO: lines; anything else is a session file.
LogFormat DetectLogFormat(const std::string& text);

struct LogQso {
  int line = 0;             // where the QSO starts in the file
  std::string ownCall;      // the station's call as logged with the QSO; may be empty
  std::string call;
  std::string band;         // "20m", or the log's own band text when it is no contest band
  unsigned freqKHz = 0;     // an ADIF contest band alone gives its lower edge; else 0 for a band
  std::string mode;         // "RTTY" for RY, RTTY and RTTY submodes
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  std::string rstSent, rstRcvd;
  std::string nrSent, nrRcvd;  // empty when the QSO has none
  std::string continent;    // only when the log gives it (ADIF CONT)

  OleDate Time() const;
};

struct LogProblem {
  int line = 0;
  std::string what;
};

struct ContestLog {
  LogFormat format = LogFormat::kCabrillo;
  // Header values by tag in capitals (CALLSIGN, CATEGORY-OPERATOR, ...); repeated tags
  // (ADDRESS, OPERATORS, SOAPBOX) keep one entry per line, in order.
  std::map<std::string, std::vector<std::string>> header;
  std::vector<LogQso> qsos;
  std::vector<LogProblem> problems;  // malformed lines, skipped
  int skippedXQso = 0;

  // The first value of a header tag, or "".
  std::string Header(const std::string& tag) const;
};

ContestLog ParseCabrillo(const std::string& text);
ContestLog ParseAdif(const std::string& text);

// The contest band of a frequency in kHz, or "" when it lies in none of them.
std::string BandOfKHz(unsigned kHz);

// Far more than the longest contest log or country file; a device like /dev/zero given by
// mistake would otherwise be read until memory runs out.
constexpr std::size_t kLargestLogFile = 256u * 1024 * 1024;

// The whole file, bytes as they are; false with a readable `error` when it cannot be read or has
// more than `limit` bytes.
bool ReadLogFile(const std::string& path, std::string* text, std::string* error,
                 std::size_t limit = kLargestLogFile);

}  // namespace korvane::replay

#endif  // KORVANE_TOOLS_REPLAY_CONTEST_LOG_H
