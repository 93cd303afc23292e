#ifndef KORVANE_ENGINE_JOURNAL_H
#define KORVANE_ENGINE_JOURNAL_H

// The bad-QSO journal: a header line, then one line per rejected or duplicate QSO.

#include <string>
#include <vector>

namespace korvane {

constexpr char kReasonWrongBand[] = "   WRONG BAND !!!";
constexpr char kReasonWrongMode[] = "   WRONG MODE !!!";
constexpr char kReasonNoNumber[] = "   NO RX NUMBER !!!";
constexpr char kReasonDupe[] = "   DUPE !!!";

// The journal's date and time form, also the key a removal matches lines by.
constexpr char kJournalTimeFormat[] = "%Y-%m-%d %H%M";

struct JournalValues {
  unsigned kHz = 0;
  std::string mode;
  std::string time;  // already formatted with kJournalTimeFormat
  std::string ownCall;
  std::string rstSent;
  std::string nrSent;
  std::string call;
  std::string rstRcvd;
  std::string nrRcvd;
};

// A value as the journal writes it: a line break inside it would split the QSO over two lines,
// and the tally would count the second as another bad QSO, so it becomes a blank.
std::string JournalText(const std::string& value);

// "QSO:" and the nine values, each after two blanks, then the reason; no line end.
std::string JournalLine(const JournalValues& values, const char* reason);

// Whether a removal of `call` at `time` (journal form) takes this line: both must stand in it as
// whole values between the two-blank separators.
bool JournalLineNamesQso(const std::string& line, const std::string& call, const std::string& time);

// Lines a tally counts as bad QSOs: neither "DUPE" nor "UBN" at a character index of 1 or more,
// which leaves out the header and the duplicates.
int CountBadQsoLines(const std::vector<std::string>& lines);

}  // namespace korvane

#endif  // KORVANE_ENGINE_JOURNAL_H
