#include "engine/journal.h"

namespace korvane {

std::string JournalText(const std::string& value) {
  std::string text = value;
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

std::string JournalLine(const JournalValues& v, const char* reason) {
  std::string line = "QSO:  ";
  line += std::to_string(v.kHz);
  for (const std::string* value :
       {&v.mode, &v.time, &v.ownCall, &v.rstSent, &v.nrSent, &v.call, &v.rstRcvd, &v.nrRcvd}) {
    line += "  ";
    line += JournalText(*value);
  }
  line += reason;
  return line;
}

bool JournalLineNamesQso(const std::string& line, const std::string& call, const std::string& time) {
  return line.find("  " + call + "  ") != std::string::npos &&
         line.find("  " + time + "  ") != std::string::npos;
}

int CountBadQsoLines(const std::vector<std::string>& lines) {
  int count = 0;
  for (const std::string& line : lines) {
    if (line.find("DUPE", 1) == std::string::npos && line.find("UBN", 1) == std::string::npos) {
      ++count;
    }
  }
  return count;
}

}  // namespace korvane
