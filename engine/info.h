#ifndef KORVANE_ENGINE_INFO_H
#define KORVANE_ENGINE_INFO_H

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/ole_date.h"

namespace korvane {

// One QSO as the host reported it.
struct CInfo {
  std::string m_call;
  std::string m_prefix;     // DXCC prefix as the host gave it; may be empty
  std::string m_continent;
  std::string m_band;       // letter case as the host wrote it
  std::string m_mode;
  std::string m_rstRcvd;
  std::string m_rstSent;
  std::string m_nrRcvd;
  std::string m_nrSent;
  std::uint32_t m_freqKHz = 0;
  int m_notCounted = 0;     // 1: takes no part in the score (a duplicate)
  int m_bad = 0;            // rejected QSOs are never stored, so 0 in the log
  int m_dupe = 0;
  int m_areaJA = -1;        // call area 0..9 when m_prefix is "JA"
  int m_areaK = -1;
  int m_areaVE = -1;
  int m_areaVK = -1;
  OleDate m_time;
};

// A list of accepted band or mode names, looked up ignoring letter case.
class CContestRules {
 public:
  CContestRules(std::initializer_list<const char*> names);
  // 1 when some entry equals `name` ignoring letter case; a null name is never contained.
  int Contains(const char* name) const;
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

// Stores the last digit of `area` in the area field of the country `prefix` names exactly
// ("K", "VE", "VK", "JA"); any other prefix, or no digit, changes nothing.
void SetCallAreas(CInfo& record, const std::string& prefix, const std::string& area);

constexpr int kBandSlots = 6;
// "160m" 0, "80m" 1, "40m" 2, "20m" 3, "15m" 4, "10m" 5.
extern const char* const kSlotBands[kBandSlots];
// The slot of a band name compared exactly, or -1.
int BandSlotExact(const std::string& band);
// The slot of a band name ignoring letter case, or -1.
int BandSlotAnyCase(const std::string& band);

bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace korvane

#endif  // KORVANE_ENGINE_INFO_H
