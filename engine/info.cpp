#include "engine/info.h"

namespace korvane {

const char* const kSlotBands[kBandSlots] = {"160m", "80m", "40m", "20m", "15m", "10m"};

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

CContestRules::CContestRules(std::initializer_list<const char*> names) {
  for (const char* name : names) entries_.emplace_back(name);
}

int CContestRules::Contains(const char* name) const {
  if (name == nullptr) return 0;
  const std::string text(name);
  for (const std::string& entry : entries_) {
    if (EqualsIgnoringCase(entry, text)) return 1;
  }
  return 0;
}

void SetCallAreas(CInfo& record, const std::string& prefix, const std::string& area) {
  int* field = nullptr;
  if (prefix == "K") {
    field = &record.m_areaK;
  } else if (prefix == "VE") {
    field = &record.m_areaVE;
  } else if (prefix == "VK") {
    field = &record.m_areaVK;
  } else if (prefix == "JA") {
    field = &record.m_areaJA;
  } else {
    return;
  }
  for (char c : area) {
    if (c >= '0' && c <= '9') *field = c - '0';
  }
}

int BandSlotExact(const std::string& band) {
  for (int slot = 0; slot < kBandSlots; ++slot) {
    if (band == kSlotBands[slot]) return slot;
  }
  return -1;
}

int BandSlotAnyCase(const std::string& band) {
  for (int slot = 0; slot < kBandSlots; ++slot) {
    if (EqualsIgnoringCase(band, kSlotBands[slot])) return slot;
  }
  return -1;
}

}  // namespace korvane
